// The recording file: a header line, then one JSON object a line, each an
// input in its one-line form, the digest of the screen it reached, or how
// long the sitting had run by the wall clock. Written by RecordingWriter,
// read back by ReadRecording for a replay.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/locations.h"
#include "engine/translate.h"
#include "game/input.h"

namespace zemra {

inline constexpr char kRecordingFormat[] = "zemra6-recording";
// Version 2 added the wall-clock lines; a version 1 file, which has none, reads as before.
inline constexpr int kRecordingVersion = 2;
inline constexpr int kOldestRecordingVersion = 1;

struct RecordingHeader {
  std::string program;                      // "zemra6 1.0"
  std::uint64_t seed = 0;
  bool new_run = false;                     // started at the title page whatever the save
  std::optional<std::string> story_sha256;  // none when the story file could not be read
  std::optional<std::string> save;          // the save.dat the sitting started from
  Language language = Language::kJapanese;  // what the screens show; written only when not Japanese
};

// One line after the header: an input, or the digest of the screen the last
// outermost input reached.
struct RecordedLine {
  std::optional<Input> input;
  std::string digest;
  int line = 0;  // 1 is the header
};

struct Recording {
  RecordingHeader header;
  std::vector<RecordedLine> lines;
  // The line the file stops in the middle of; the lines before it are whole.
  std::optional<int> cut_at_line;
  // Whole seconds from the sitting's start to its last input by the wall
  // clock; none in a file that does not say (every version 1 file).
  std::optional<std::uint32_t> wall_seconds;
};

// A recording, or the one line that says why the bytes are none.
struct RecordingRead {
  std::optional<Recording> recording;
  std::string error;
};

RecordingRead ReadRecording(std::string_view bytes);
// Why this program cannot replay the recording ("" when it can): another
// story file than the one it reads, or a save its loader refuses.
std::string RecordingMismatch(const RecordingHeader& header, const std::optional<std::string>& story_sha256);

// Reads the file and checks it fits the program whose content is there; the
// error is one line naming what is wrong.
RecordingRead LoadRecordingForReplay(const std::filesystem::path& file, const GameLocations& content);

std::string HeaderLine(const RecordingHeader& header);
std::string InputLine(const Input& input);
std::string DigestLine(std::string_view digest);
std::string ElapsedLine(std::uint32_t seconds);

// The SHA-256 of a language's story file as the game reads it there; none when unreadable.
std::optional<std::string> StoryFileSha256(const GameLocations& locations, Language language);
// The header of a sitting about to start there in the current language: the
// story file's hash and the save it will load (none when there is none the
// loader would take).
RecordingHeader SittingHeader(std::string program, std::uint64_t seed, bool new_run, const GameLocations& locations);

}  // namespace zemra
