// Writes a run in the field at depth 3 with three known swords into the given folder.
#include <filesystem>

#include "support/crafted_save.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  zemra::testing::WriteCraftedSave(argv[1], {3, {"ダブルクロス", "刀", "刀"}, {1, 2, 3, 4, 5}});
  return std::filesystem::exists(std::filesystem::path(argv[1]) / "save.dat") ? 0 : 1;
}
