// Where the game's content lives: "dat/" in the working directory, or beside
// the program when it is started from elsewhere, or the installed data folder.
#pragma once

#include <filesystem>
#include <string_view>

namespace zemra {

// Remembers the folder that holds the program (from argv[0] or /proc/self/exe).
void SetProgramDir(const std::filesystem::path& dir);

// The file to open for a content name such as "dat/water.wav": the name itself
// when it exists relative to the working directory, else the same name beside
// the program, else the same name in the installed data folder (share/zemra6
// beside the program's bin folder), else the name unchanged (opening it will
// fail quietly).
std::filesystem::path ResolveDataPath(std::string_view name);

}  // namespace zemra
