// Program entry of the Qt front end: the application titled "ZEMRA6", its one
// window, and the game started from the event loop once the window shows.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "app/desk_controls.h"
#include "app/desk_settings.h"
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

  const bool new_run = QApplication::arguments().contains(QLatin1String(zemra::kNewRunOption));

  zemra::TFormMain window;
  window.Desk().UseSettingsFile(zemra::DefaultDeskSettingsPath());
  window.show();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  window.StartDeferred(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                       new_run);
  if (folder_warning) {
    // Queued after the start, so the warning comes once the first page is up.
    QTimer::singleShot(0, &window, [&window, text = *folder_warning] {
      window.Pump().Dispatch([text] { zemra::ShowWarningMessage(text); });
    });
  }
  return QApplication::exec();
}
