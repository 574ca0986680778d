// A folder of a replay's own for whatever the replayed run saves.
#include "record/scratch_folder.h"

#include "engine/file_io.h"
#include "runtime/save_load.h"

namespace zemra {

std::string PrepareReplayFolder(const TempFolder& folder, const std::optional<std::string>& save) {
  if (folder.Path().empty()) return "no scratch folder can be made for the replay";
  if (save && !WriteTextFile(folder.Path() / kSaveFileName, *save)) {
    return "the save it carries cannot be written to the scratch folder";
  }
  return "";
}

}  // namespace zemra
