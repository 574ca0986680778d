// zemra6-text: the game without a window, one action a line on standard input
// and one JSON object a line on standard output.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "engine/program_locations.h"
#include "options/program_options.h"
#include "runtime/console.h"
#include "text/text_session.h"

int main(int argc, char** argv) {
  const zemra::ProgramOptions options = zemra::ParseProgramOptions(argc, argv);
  if (const auto status = zemra::FinishBeforeStart(zemra::Program::kText, options, std::cout, std::cerr)) return *status;
  const std::uint64_t seed = options.seed.value_or(
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  // As the window started from the menu: save and report in the user's data folder.
  zemra::ProgramLocations where = zemra::ResolveProgramLocations(zemra::RunningProgramDir(), options.desktop);
  zemra::TextSession session(seed, std::move(where.locations), options.new_run);
  if (where.warning) zemra::ShowWarningMessage(*where.warning);
  std::cout << session.StateJson() << '\n' << std::flush;
  for (std::string line; !session.Finished() && std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::cout << session.Perform(line) << '\n' << std::flush;
  }
  return 0;
}
