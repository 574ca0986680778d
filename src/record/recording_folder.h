// The recordings beside the save: one file a sitting, named by its start time,
// the newest few kept.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace zemra {

inline constexpr int kRecordingsKept = 20;
inline constexpr char kRecordingsFolder[] = "recordings";
inline constexpr char kRecordingExtension[] = ".zrec";
// The file of the sitting being played until it holds an input of the
// player's: not a recording yet, so no list and no count of the kept sees it.
inline constexpr char kWorkingRecording[] = "sitting.part";

// A new, empty file in save_dir/recordings (made when needed) for a sitting
// started at the given local time, e.g. 2026-12-10T14-03-22.zrec; a second
// sitting in the same second gets "-2" and so on. The file is created
// exclusively, so two sittings never share one. None when nothing can be made.
std::optional<std::filesystem::path> NewRecordingPath(const std::filesystem::path& save_dir,
                                                      std::chrono::system_clock::time_point start);
// True when the recording named a began before the one named b: by the start
// time in the name, then by its "-N" (a name without one is the first).
bool RecordingNamedEarlier(std::string_view a, std::string_view b);
// Removes all but the keep newest recordings in the folder (in the order of
// their names' start times); other files are left alone.
void PruneRecordings(const std::filesystem::path& folder, int keep = kRecordingsKept);

}  // namespace zemra
