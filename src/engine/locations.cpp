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

}  // namespace zemra
