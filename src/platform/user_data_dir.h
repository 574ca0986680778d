// Where the game keeps its save and report when it is started from the
// desktop's application menu: a folder of its own under the user's data
// folder, instead of whatever folder the menu happened to start it in.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zemra {

// $XDG_DATA_HOME/zemra6, or ~/.local/share/zemra6 when XDG_DATA_HOME is unset,
// empty or not absolute; nullopt when neither it nor HOME gives a folder.
std::optional<std::filesystem::path> UserDataDir();

struct SaveFolder {
  std::filesystem::path dir;    // empty: the working directory
  std::optional<std::string> warning;  // for the player, when the user folder cannot be used
};

// Creates the user data folder when needed. When it cannot be made, the save
// stays in the working directory and the warning, in the current language, says so.
SaveFolder PrepareUserDataDir();

}  // namespace zemra
