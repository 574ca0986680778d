// zemra6-text: the game without a window, one action a line on standard input
// and one JSON object a line on standard output.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "engine/data_path.h"
#include "engine/user_data_dir.h"
#include "shell/console.h"
#include "shell/game.h"
#include "text/text_session.h"

int main(int argc, char** argv) {
  std::uint64_t seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  bool desktop = false;
  bool new_run = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], zemra::kDesktopOption) == 0) {
      desktop = true;
    } else if (std::strcmp(argv[i], zemra::kNewRunOption) == 0) {
      new_run = true;
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      seed = std::strtoull(argv[++i], nullptr, 10);
    } else {
      std::cerr << "usage: zemra6-text [--seed N] [--desktop] [--new-run]\n";
      return 2;
    }
  }
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) zemra::SetProgramDir(exe.parent_path());

  // As the window started from the menu: save and report in the user's data folder.
  const std::optional<std::string> folder_warning = desktop ? zemra::EnterUserDataDir() : std::nullopt;

  zemra::TextSession session(seed, new_run);
  if (folder_warning) zemra::ShowWarningMessage(*folder_warning);
  std::cout << session.StateJson() << '\n' << std::flush;
  for (std::string line; !session.Finished() && std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::cout << session.Perform(line) << '\n' << std::flush;
  }
  return 0;
}
