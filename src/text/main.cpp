// zemra6-text: the game without a window, one action a line on standard input
// and one JSON object a line on standard output; or a recording replayed.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "options/program_options.h"
#include "platform/locale_language.h"
#include "platform/program_locations.h"
#include "platform/save_folder_lock.h"
#include "record/recording_writer.h"
#include "runtime/console.h"
#include "text/text_replay.h"
#include "text/text_session.h"

int main(int argc, char** argv) {
  const zemra::ProgramOptions options = zemra::ParseProgramOptions(argc, argv);
  if (const auto status = zemra::FinishBeforeStart(zemra::Program::kText, options, std::cout, std::cerr)) return *status;
  zemra::SetLanguage(zemra::StartLanguage(options.language));
  if (options.replay) {
    // The player's own folders are never looked at: only the content is found as for a sitting.
    const zemra::ProgramLocations content = zemra::ResolveProgramLocations(zemra::RunningProgramDir(), false);
    return zemra::RunTextReplay(*options.replay, options.last_only, content.locations.content_roots, std::cout,
                                std::cerr);
  }
  const std::uint64_t seed = options.seed.value_or(
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  // As the window started from the menu: save and report in the user's data folder.
  zemra::ProgramLocations where = zemra::ResolveProgramLocations(zemra::RunningProgramDir(), options.desktop);
  // One sitting per save folder, or the one that saves last silently wins.
  const auto lock = zemra::SaveFolderLock::Take(where.locations.save_dir);
  if (!lock) {
    std::cerr << "zemra6-text: the game is already open on this save folder; close the other sitting first\n";
    return zemra::kSaveFolderBusyStatus;
  }
  std::optional<zemra::RecordingHeader> header;
  if (!options.no_record) {
    std::string program = zemra::VersionText(zemra::Program::kText);
    program.pop_back();
    header = zemra::SittingHeader(std::move(program), seed, options.new_run, where.locations);
  }
  zemra::TextSession session(seed, where.locations, options.new_run);
  std::unique_ptr<zemra::RecordingWriter> recording;
  if (header) recording = zemra::StartSittingRecording(where.locations.save_dir, *header);
  session.SetInputLog(recording.get());
  if (where.warning) zemra::ShowWarningMessage(*where.warning);
  std::cout << session.StateJson() << '\n' << std::flush;
  for (std::string line; !session.Finished() && std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::cout << session.Perform(line) << '\n' << std::flush;
  }
  return 0;
}
