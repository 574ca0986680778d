// zemra6-text: the game without a window, one action a line on standard input
// and one JSON object a line on standard output.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "engine/data_path.h"
#include "engine/user_data_dir.h"
#include "options/program_options.h"
#include "shell/console.h"
#include "text/text_session.h"

int main(int argc, char** argv) {
  const zemra::ProgramOptions options = zemra::ParseProgramOptions(argc, argv);
  if (const auto status = zemra::FinishBeforeStart(zemra::Program::kText, options, std::cout, std::cerr)) return *status;
  const std::uint64_t seed = options.seed.value_or(
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) zemra::SetProgramDir(exe.parent_path());

  // As the window started from the menu: save and report in the user's data folder.
  const std::optional<std::string> folder_warning = options.desktop ? zemra::EnterUserDataDir() : std::nullopt;

  zemra::TextSession session(seed);
  if (folder_warning) zemra::ShowWarningMessage(*folder_warning);
  std::cout << session.StateJson() << '\n' << std::flush;
  for (std::string line; !session.Finished() && std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::cout << session.Perform(line) << '\n' << std::flush;
  }
  return 0;
}
