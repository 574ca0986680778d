// Content roots from the program's folder; the save folder from --desktop.
#include "engine/program_locations.h"

#include <system_error>
#include <utility>

#include "engine/user_data_dir.h"

namespace zemra {

ProgramLocations ResolveProgramLocations(const std::filesystem::path& program_dir, bool desktop) {
  ProgramLocations result;
  result.locations.content_roots = ContentRootsFor(program_dir);
  if (desktop) {
    SaveFolder folder = PrepareUserDataDir();
    result.locations.save_dir = std::move(folder.dir);
    result.warning = std::move(folder.warning);
  }
  return result;
}

std::filesystem::path RunningProgramDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path{} : exe.parent_path();
}

}  // namespace zemra
