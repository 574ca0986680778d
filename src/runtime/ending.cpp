// Ending and its save; a report that cannot be written does not undo the save.
#include "runtime/ending.h"

#include "runtime/console.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/report.h"
#include "runtime/save_load.h"

namespace zemra {

void ShowEnding() {
  ShowImage("end.bmp");
  ShowTopPanel(Control::PanelMainImage);
  AddMainText("クリアです。");
  AddCommand("セーブ", SaveAtEnding);
  AddCommand("終", TerminateGame);
}

void SaveAtEnding() {
  if (SaveGame()) {
    PlayWave(Sound::Popon);
    AddMainText("セーブしました。");
    AddCommand("終", TerminateGame);
    if (!WriteReport()) AddMainText(kReportFailedText);
  } else {
    PlayWave(Sound::Bub);
    AddMainText("セーブ出来ませんでした。");
    AddCommand("リトライ", SaveAtEnding);
    AddCommand("あきらめる", ShowEnding);
  }
}

}  // namespace zemra
