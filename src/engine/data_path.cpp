// Content lookup with a fallback to the program's own folder.
#include "engine/data_path.h"

#include <system_error>

namespace zemra {
namespace {

std::filesystem::path& ProgramDir() {
  static std::filesystem::path dir;
  return dir;
}

}  // namespace

void SetProgramDir(const std::filesystem::path& dir) { ProgramDir() = dir; }

std::filesystem::path ResolveDataPath(std::string_view name) {
  const std::filesystem::path relative{std::string(name)};
  std::error_code ec;
  if (std::filesystem::exists(relative, ec)) return relative;
  if (!ProgramDir().empty()) {
    const std::filesystem::path beside = ProgramDir() / relative;
    if (std::filesystem::exists(beside, ec)) return beside;
    // Installed: the programs in bin/, the content in share/zemra6/.
    const std::filesystem::path installed = ProgramDir() / ZEMRA_DATA_FROM_PROGRAM / relative;
    if (std::filesystem::exists(installed, ec)) return installed;
  }
  return relative;
}

}  // namespace zemra
