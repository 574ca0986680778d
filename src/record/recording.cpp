// Each line is checked on its own; the first one that is not what the format
// says ends the reading with a message naming it.
#include "record/recording.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

#include "data/save_record.h"
#include "engine/file_io.h"
#include "record/base64.h"
#include "record/sha256.h"
#include "runtime/save_load.h"
#include "story/story_script.h"

namespace zemra {
namespace {

using nlohmann::json;

bool SaveAccepted(std::string_view bytes) {
  if (bytes.size() != kSaveRecordSize || !CheckCodeMatches(bytes)) return false;
  return DecodePlayerData(bytes).has_value();
}

std::optional<std::uint64_t> SeedNumber(const std::string& text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::string LineError(int line, std::string_view what) { return "line " + std::to_string(line) + " " + std::string(what); }

// The header's fields; the error names the first one missing or wrong.
std::string ReadHeader(const json& object, RecordingHeader& header) {
  if (!object.is_object() || object.value("format", json()) != kRecordingFormat) return "it is not a recording of this game";
  const json version = object.value("version", json());
  if (!version.is_number_integer() || version.get<int>() < kOldestRecordingVersion ||
      version.get<int>() > kRecordingVersion) {
    return "it is a recording of format version " + version.dump() + "; this program reads versions " +
           std::to_string(kOldestRecordingVersion) + " to " + std::to_string(kRecordingVersion);
  }
  for (const char* field : {"program", "seed", "newRun", "story", "save"}) {
    if (!object.contains(field)) return "its first line lacks a field of the recording";
  }
  const json program = object.value("program", json());
  const json seed = object.value("seed", json());
  const json new_run = object.value("newRun", json());
  const json story = object.value("story", json());
  const json save = object.value("save", json());
  if (!program.is_string() || !seed.is_string() || !new_run.is_boolean() || !(story.is_string() || story.is_null()) ||
      !(save.is_string() || save.is_null())) {
    return "its first line lacks a field of the recording";
  }
  const auto seed_value = SeedNumber(seed.get<std::string>());
  if (!seed_value) return "its seed is not a whole number";
  header.program = program.get<std::string>();
  header.seed = *seed_value;
  header.new_run = new_run.get<bool>();
  if (story.is_string()) header.story_sha256 = story.get<std::string>();
  if (save.is_string()) {
    header.save = DecodeBase64(save.get<std::string>());
    if (!header.save) return "the save it carries is not base64";
  }
  // Older recordings name no language: they were played in Japanese.
  if (const json language = object.value("lang", json("ja")); !language.is_string()) {
    return "its language is not a language code";
  } else if (const auto known = ParseLanguage(language.get<std::string>())) {
    header.language = *known;
  } else {
    return "it was played in a language this program does not have (" + language.get<std::string>() + ")";
  }
  return "";
}

}  // namespace

RecordingRead ReadRecording(std::string_view bytes) {
  RecordingRead read;
  if (bytes.empty()) {
    read.error = "the file is empty";
    return read;
  }
  Recording recording;
  int number = 0;
  while (!bytes.empty()) {
    ++number;
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) {
      // Written line by line: a last line without its end was cut off as it was written.
      if (number == 1) {
        read.error = "its first line is cut short";
        return read;
      }
      recording.cut_at_line = number;
      break;
    }
    const std::string_view text = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    const json object = json::parse(text, nullptr, false);
    if (object.is_discarded()) {
      read.error = number == 1 ? "it is not a recording (its first line is not JSON)" : LineError(number, "is not JSON");
      return read;
    }
    if (number == 1) {
      read.error = ReadHeader(object, recording.header);
      if (!read.error.empty()) return read;
      continue;
    }
    if (object.is_object() && object.size() == 1 && object.contains("elapsed")) {
      // Read, not replayed: the replay's clock is the recorded steps.
      const json& seconds = object["elapsed"];
      if (!seconds.is_number_unsigned() || seconds.get<std::uint64_t>() > std::numeric_limits<std::uint32_t>::max()) {
        read.error = LineError(number, "is not a time in whole seconds");
        return read;
      }
      recording.wall_seconds = seconds.get<std::uint32_t>();
      continue;
    }
    RecordedLine line;
    line.line = number;
    if (object.is_object() && object.size() == 1 && object.contains("input") && object["input"].is_string()) {
      line.input = ParseInput(object["input"].get<std::string>());
      if (!line.input) {
        read.error = LineError(number, "is not an input of this game");
        return read;
      }
    } else if (object.is_object() && object.size() == 1 && object.contains("digest") && object["digest"].is_string()) {
      line.digest = object["digest"].get<std::string>();
    } else {
      read.error = LineError(number, "is neither an input nor a screen digest");
      return read;
    }
    recording.lines.push_back(std::move(line));
  }
  read.recording = std::move(recording);
  return read;
}

std::string RecordingMismatch(const RecordingHeader& header, const std::optional<std::string>& story_sha256) {
  if (header.story_sha256 != story_sha256) {
    return "it was recorded with another story file (" + std::string(StoryFileName(header.language)) + ")";
  }
  if (header.save && !SaveAccepted(*header.save)) return "the save it carries is one the game refuses to load";
  return "";
}

RecordingRead LoadRecordingForReplay(const std::filesystem::path& file, const GameLocations& content) {
  const auto bytes = ReadWholeFile(file);
  if (!bytes) return {std::nullopt, "it cannot be read"};
  RecordingRead read = ReadRecording(*bytes);
  if (read.recording) {
    read.error = RecordingMismatch(read.recording->header, StoryFileSha256(content, read.recording->header.language));
    if (!read.error.empty()) read.recording.reset();
  }
  return read;
}

std::string HeaderLine(const RecordingHeader& header) {
  json object{{"format", kRecordingFormat},
              {"version", kRecordingVersion},
              {"program", header.program},
              {"seed", std::to_string(header.seed)},
              {"newRun", header.new_run},
              {"story", header.story_sha256 ? json(*header.story_sha256) : json(nullptr)},
              {"save", header.save ? json(EncodeBase64(*header.save)) : json(nullptr)}};
  if (header.language != Language::kJapanese) object["lang"] = LanguageCode(header.language);
  return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string InputLine(const Input& input) {
  return json{{"input", FormatInput(input)}}.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string DigestLine(std::string_view digest) { return json{{"digest", digest}}.dump(); }

std::string ElapsedLine(std::uint32_t seconds) { return json{{"elapsed", seconds}}.dump(); }

std::optional<std::string> StoryFileSha256(const GameLocations& locations, Language language) {
  const auto bytes = ReadWholeFile(locations.Content(StoryFileName(language)));
  if (!bytes) return std::nullopt;
  return Sha256Hex(*bytes);
}

RecordingHeader SittingHeader(std::string program, std::uint64_t seed, bool new_run, const GameLocations& locations) {
  RecordingHeader header;
  header.program = std::move(program);
  header.seed = seed;
  header.new_run = new_run;
  header.language = CurrentLanguage();
  header.story_sha256 = StoryFileSha256(locations, header.language);
  // The loader reads the record at the head of the file; only one it would take is worth carrying.
  if (auto bytes = ReadFileHead(locations.SaveFile(kSaveFileName), kSaveRecordSize); bytes && SaveAccepted(*bytes)) {
    header.save = std::move(bytes);
  }
  return header;
}

}  // namespace zemra
