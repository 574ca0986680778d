// Ending and its save; a report that cannot be written does not undo the save.
#include "runtime/ending.h"

#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/report.h"
#include "runtime/save_load.h"

namespace zemra {

void ShowEnding() {
  ShowImage("end.bmp");
  ShowTopPanel(Control::PanelMainImage);
  AddMainText(Tr("クリアです。"));
  AddCommand(Tr("セーブ"), SaveAtEnding);
  AddCommand(Tr("終"), TerminateGame);
}

void SaveAtEnding() {
  if (SaveGame()) {
    PlayWave(Sound::Popon);
    AddMainText(Tr("セーブしました。"));
    AddCommand(Tr("終"), TerminateGame);
    if (!WriteReport()) AddMainText(Tr(kReportFailedText));
  } else {
    PlayWave(Sound::Bub);
    AddMainText(Tr("セーブ出来ませんでした。"));
    AddCommand(Tr("リトライ"), SaveAtEnding);
    AddCommand(Tr("あきらめる"), ShowEnding);
  }
}

}  // namespace zemra
