// Writes a run in the field into the given folder: at depth 3 with three
// known swords, or at the depth and with the swords the arguments name.
// usage: zemra_craft_save FOLDER [DEPTH SWORD...]
#include <charconv>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/crafted_save.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  zemra::testing::CraftedRun run{3, {"ダブルクロス", "刀", "刀"}, {1, 2, 3, 4, 5}};
  if (argc > 2) {
    const std::string_view depth(argv[2]);
    if (std::from_chars(depth.data(), depth.data() + depth.size(), run.depth).ec != std::errc() || argc < 4) return 2;
    run.swords.assign(argv + 3, argv + argc);
  }
  zemra::testing::WriteCraftedSave(argv[1], run);
  return std::filesystem::exists(std::filesystem::path(argv[1]) / "save.dat") ? 0 : 1;
}
