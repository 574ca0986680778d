// Content lookup over an ordered list of folders.
#include "engine/locations.h"

#include <system_error>

namespace zemra {

std::filesystem::path GameLocations::Content(std::string_view name) const {
  const std::filesystem::path relative{std::string(name)};
  std::error_code ec;
  for (const std::filesystem::path& root : content_roots) {
    std::filesystem::path candidate = root / relative;
    if (std::filesystem::exists(candidate, ec)) return candidate;
  }
  return content_roots.empty() ? relative : content_roots.front() / relative;
}

std::vector<std::filesystem::path> ContentRootsFor(const std::filesystem::path& program_dir) {
  if (program_dir.empty()) return {std::filesystem::path{}};
  // Installed: the programs in bin/, the content in share/zemra6/.
  const std::filesystem::path installed = (program_dir / ZEMRA_DATA_FROM_PROGRAM).lexically_normal();
  std::error_code ec;
  if (std::filesystem::is_directory(installed / "dat", ec)) return {installed, std::filesystem::path{}, program_dir};
  return {std::filesystem::path{}, program_dir};
}

}  // namespace zemra
