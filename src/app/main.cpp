// Program entry of the Qt front end: the application titled "ZEMRA6", its one
// window, and the game started from the event loop once the window shows.
#include <QApplication>
#include <chrono>
#include <cstdint>

#include "app/main_window.h"
#include "engine/data_path.h"
#include "shell/game.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  zemra::SetProgramDir(QApplication::applicationDirPath().toStdString());

  zemra::TFormMain window;
  window.show();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  window.StartDeferred(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  return QApplication::exec();
}
