// The save folder of a replay: made fresh in the system's temporary folder
// and removed with everything in it at the end, so a replayed run never
// touches the player's own save, report or recordings.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zemra {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Empty when no folder could be made.
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Puts the save a recording carries (if any) into the folder; the error says
// why the folder cannot hold a replay, "" when it can.
std::string PrepareReplayFolder(const ScratchFolder& folder, const std::optional<std::string>& save);

}  // namespace zemra
