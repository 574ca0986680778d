// Program entry of the Qt front end: the application titled "ZEMRA6", its one
// window, and the game started from the event loop once the window shows.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

#include "app/game_pump.h"
#include "app/main_window.h"
#include "engine/data_path.h"
#include "engine/user_data_dir.h"
#include "options/program_options.h"
#include "shell/console.h"
#include "shell/game.h"

int main(int argc, char* argv[]) {
  // Before the application object, so --help and a usage error need no display.
  const zemra::ProgramOptions options = zemra::ParseProgramOptions(argc, argv);
  if (const auto status = zemra::FinishBeforeStart(zemra::Program::kWindow, options, std::cout, std::cerr)) return *status;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  zemra::SetProgramDir(QApplication::applicationDirPath().toStdString());
  // Started from the application menu: save and report go to the user's data folder.
  std::optional<std::string> folder_warning;
  if (options.desktop) folder_warning = zemra::EnterUserDataDir();

  zemra::TFormMain window;
  window.show();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  window.StartDeferred(options.seed.value_or(
      static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())));
  if (folder_warning) {
    // Queued after the start, so the warning comes once the first page is up.
    QTimer::singleShot(0, &window, [&window, text = *folder_warning] {
      window.Pump().Dispatch([text] { zemra::ShowWarningMessage(text); });
    });
  }
  return QApplication::exec();
}
