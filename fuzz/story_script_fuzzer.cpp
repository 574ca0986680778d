// Fuzzes the story script loader and its interpreter: any bytes as a story
// file, scrambled or not, played page by page from the start and from a
// chapter label, with the game's own commands registered.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "data/sword.h"
#include "engine/script.h"

namespace {

constexpr int kPagesPlayed = 64;

std::filesystem::path ScratchFile() {
  return std::filesystem::temp_directory_path() / ("zemra-story-fuzz-" + std::to_string(::getpid()) + ".dat");
}

void Play(const std::filesystem::path& file, bool descramble, std::string_view label) {
  zemra::TVorbScript script([] {}, [] {});
  if (!script.LoadFile(file, descramble)) return;
  script.SetPageSize(5);
  std::size_t shown = 0;
  script.SetPageHandler([&shown](const zemra::TVorbScript::Page& page) { shown += page.size(); });
  script.SetErrorHandler([](std::string_view) {});
  script.RegisterCommandWithArgs("#image", [](const zemra::TVorbScript::Words&) {});
  script.RegisterCommand("#SetReturn", [] {});
  if (!label.empty()) script.GotoLabel(label);
  for (int page = 0; page < kPagesPlayed && !script.Finished(); ++page) script.Step();
  (void)script.NextLine();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path file = ScratchFile();
  if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, out);
    std::fclose(out);
  }
  const bool descramble = size > 0 && (data[0] & 1) != 0;
  Play(file, descramble, "");
  Play(file, descramble, "@" + std::string(zemra::ChapterNames[size % zemra::ChapterNames.size()]));
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  return 0;
}
