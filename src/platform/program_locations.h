// The front ends' one resolution of where the game reads and writes, done
// once at start from the program's own folder and the --desktop option.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/locations.h"

namespace zemra {

struct ProgramLocations {
  GameLocations locations;
  std::optional<std::string> warning;  // for the player: the save stays in the working directory
};

// With desktop, the save and report live in the user's data folder (made
// when needed); otherwise in the working directory.
ProgramLocations ResolveProgramLocations(const std::filesystem::path& program_dir, bool desktop);

// The content roots for a program in program_dir: an installed program (its
// share/zemra6 exists) looks there first, then in the working directory; a
// program in its build folder looks in the working directory, then beside itself.
std::vector<std::filesystem::path> ContentRootsFor(const std::filesystem::path& program_dir);

// The folder of the running program, from /proc/self/exe; empty when unknown.
std::filesystem::path RunningProgramDir();

}  // namespace zemra
