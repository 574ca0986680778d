// Content roots from the program's folder; the save folder from --desktop.
#include "platform/program_locations.h"

#include <system_error>
#include <utility>

#include "platform/user_data_dir.h"

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

std::vector<std::filesystem::path> ContentRootsFor(const std::filesystem::path& program_dir) {
  if (program_dir.empty()) return {std::filesystem::path{}};
  // Installed: the programs in games/, the content in share/games/zemra6/.
  const std::filesystem::path installed = (program_dir / ZEMRA_DATA_FROM_PROGRAM).lexically_normal();
  std::error_code ec;
  if (std::filesystem::is_directory(installed / "dat", ec)) return {installed, std::filesystem::path{}, program_dir};
  return {std::filesystem::path{}, program_dir};
}

std::filesystem::path RunningProgramDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path{} : exe.parent_path();
}

}  // namespace zemra
