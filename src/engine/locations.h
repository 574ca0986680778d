// Where the game finds its content and keeps its save: resolved once by the
// front end at start and handed to the core as a value, so nothing changes
// the process's working directory.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zemra {

struct GameLocations {
  // Folders searched in order for a content name such as "dat/water.wav";
  // an empty path stands for the working directory.
  std::vector<std::filesystem::path> content_roots;
  // Folder of save.dat and the report; empty for the working directory.
  std::filesystem::path save_dir;

  // The first existing file for a content name, else the name in the first
  // root (opening it then fails quietly).
  std::filesystem::path Content(std::string_view name) const;
  std::filesystem::path SaveFile(std::string_view name) const { return save_dir / std::string(name); }
};

}  // namespace zemra
