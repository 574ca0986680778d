// Program entry of the Qt front end: the application titled "ZEMRA6", its one
// window, and the game started from the event loop once the window shows.
#include <QApplication>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "engine/program_locations.h"
#include "engine/user_data_dir.h"
#include "game/game.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  // Started from the application menu: save and report go to the user's data folder.
  const bool desktop = QApplication::arguments().contains(QLatin1String(zemra::kDesktopOption));
  zemra::ProgramLocations where =
      zemra::ResolveProgramLocations(QApplication::applicationDirPath().toStdString(), desktop);

  zemra::TFormMain window(std::move(where.locations));
  window.show();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  window.StartDeferred(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                       std::move(where.warning));
  return QApplication::exec();
}
