// Fuzzes the text front end's action stream: each input is the standard
// input of one run, played line by line from a fresh game, as zemra6-text
// does. Any crash, hang or sanitizer report is a fault.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "game/game.h"
#include "platform/temp_folder.h"
#include "text/text_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr int kMaxActions = 300;  // keeps one input quick
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // A save folder of its own for each input, so a save made by one input never
  // changes the start of the next and every crash reproduces from its input alone.
  const zemra::TempFolder folder;
  if (folder.Path().empty()) return 0;
  // The content from the working folder, the save and report in the input's own folder.
  zemra::TextSession session(1, zemra::GameLocations{{std::filesystem::path{}}, folder.Path()});
  (void)session.StateJson();
  for (int count = 0; count < kMaxActions && !input.empty() && !session.Finished(); ++count) {
    const std::size_t end = input.find('\n');
    std::string line(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    (void)session.Perform(line);
  }
  return 0;
}
