// mkdtemp makes the folder and its unique name in one step.
#include "platform/temp_folder.h"

#include <unistd.h>

#include <string>
#include <system_error>

namespace zemra {

TempFolder::TempFolder() {
  std::error_code error;
  std::string pattern = (std::filesystem::temp_directory_path(error) / "zemra6-XXXXXX").string();
  if (!error && ::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace zemra
