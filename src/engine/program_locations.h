// The front ends' one resolution of where the game reads and writes, done
// once at start from the program's own folder and the --desktop option.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/locations.h"

namespace zemra {

struct ProgramLocations {
  GameLocations locations;
  std::optional<std::string> warning;  // for the player: the save stays in the working directory
};

// With desktop, the save and report live in the user's data folder (made
// when needed); otherwise in the working directory.
ProgramLocations ResolveProgramLocations(const std::filesystem::path& program_dir, bool desktop);

// The folder of the running program, from /proc/self/exe; empty when unknown.
std::filesystem::path RunningProgramDir();

}  // namespace zemra
