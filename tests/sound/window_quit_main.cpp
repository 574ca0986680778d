// The window program's start and quit, as zemra6 does it, for the damaged-sound
// test: the window comes up (its sounds loading, the title music asked for),
// stays a moment, and is closed. Prints "CLOSED" once the window and its sound
// output are destroyed, so a quit that hangs is seen by its absence.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "app/window/main_window.h"
#include "platform/program_locations.h"
#include "game/game.h"

int main(int argc, char* argv[]) {
  constexpr int kShownMs = 1500;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  {
    zemra::TFormMain window(
        zemra::ResolveProgramLocations(QApplication::applicationDirPath().toStdString(), false).locations);
    window.show();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    window.StartDeferred(static_cast<std::uint64_t>(now.count()));
    QTimer::singleShot(kShownMs, &window, &QWidget::close);
    QApplication::exec();
  }
  std::printf("CLOSED\n");
  return 0;
}
