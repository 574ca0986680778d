// A folder of a replay's own for whatever the replayed run saves.
#include "record/scratch_folder.h"

#include <unistd.h>

#include <system_error>

#include "engine/file_io.h"
#include "runtime/save_load.h"

namespace zemra {

ScratchFolder::ScratchFolder() {
  std::error_code error;
  std::string pattern = (std::filesystem::temp_directory_path(error) / "zemra6-replay-XXXXXX").string();
  if (!error && ::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string PrepareReplayFolder(const ScratchFolder& folder, const std::optional<std::string>& save) {
  if (folder.Path().empty()) return "no scratch folder can be made for the replay";
  if (save && !WriteTextFile(folder.Path() / kSaveFileName, *save)) {
    return "the save it carries cannot be written to the scratch folder";
  }
  return "";
}

}  // namespace zemra
