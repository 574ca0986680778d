// Program entry of the Qt front end: the application titled "ZEMRA6", its one
// window, and the game started from the event loop once the window shows.
#include <QApplication>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "app/game_pump.h"
#include "app/main_window.h"
#include "engine/data_path.h"
#include "engine/user_data_dir.h"
#include "shell/console.h"
#include "shell/game.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  zemra::SetProgramDir(QApplication::applicationDirPath().toStdString());
  // Started from the application menu: save and report go to the user's data folder.
  std::optional<std::string> folder_warning;
  if (QApplication::arguments().contains(QLatin1String(zemra::kDesktopOption))) folder_warning = zemra::EnterUserDataDir();

  zemra::TFormMain window;
  window.show();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto seed = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  // Right after the start, so the warning comes once the first page is up.
  window.StartDeferred(seed, [&window, folder_warning] {
    if (folder_warning) window.Pump().Dispatch([text = *folder_warning] { zemra::ShowWarningMessage(text); });
  });
  return QApplication::exec();
}
