// A second start on a save folder that a window already plays: the first
// window listens on a local socket named after its save folder, and the
// second asks it to come forward before it says the game is open and ends.
#pragma once

#include <QLocalServer>
#include <filesystem>

#include "engine/translate.h"

class QWidget;

namespace zemra {

// Said to the player by the second start, which then ends.
inline constexpr char kAlreadyOpenText[] =
    N_("ゲームはすでに開いています。\n同じセーブで遊べるウィンドウは一つだけです。");

// Listens for later starts on the same save folder for as long as it lives,
// and raises the window when one calls.
class FirstWindowBeacon {
 public:
  FirstWindowBeacon(QWidget& window, const std::filesystem::path& save_dir);

 private:
  QLocalServer server_;
};

// Asks the window playing save_dir to come forward; false when none answered
// (a text session holds the folder, or the desktop has no room for it).
bool CallFirstWindowForward(const std::filesystem::path& save_dir);

}  // namespace zemra
