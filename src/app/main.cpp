// Program entry of the Qt front end: the application titled "ZEMRA6", its one
// window, and the game started from the event loop once the window shows.
#include <QApplication>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

#include "app/desk_controls.h"
#include "app/desk_settings.h"
#include "app/main_window.h"
#include "engine/program_locations.h"
#include "game/game.h"
#include "options/program_options.h"

int main(int argc, char* argv[]) {
  // Before the application object, so --help and a usage error need no display.
  const zemra::ProgramOptions options = zemra::ParseProgramOptions(argc, argv);
  if (const auto status = zemra::FinishBeforeStart(zemra::Program::kWindow, options, std::cout, std::cerr)) return *status;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  // Started from the application menu: save and report go to the user's data folder.
  zemra::ProgramLocations where =
      zemra::ResolveProgramLocations(QApplication::applicationDirPath().toStdString(), options.desktop);

  zemra::TFormMain window(std::move(where.locations));
  window.Desk().UseSettingsFile(zemra::DefaultDeskSettingsPath());
  window.show();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  window.StartDeferred(options.seed.value_or(static_cast<std::uint64_t>(
                           std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())),
                       options.new_run, std::move(where.warning));
  return QApplication::exec();
}
