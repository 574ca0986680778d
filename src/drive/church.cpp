// The church: one cursed sword per visit is turned to ash. The sword labels
// are bound while the player chooses and unbound while confirming and after.
#include <string>

#include "data/player_data.h"
#include "data/shown_names.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "engine/translate.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

std::string ChosenName() {
  return ShownSwordName(DriveContext().DriveUser->Swords[static_cast<std::size_t>(SelectedSword())]);
}

}  // namespace

void ChurchMenu() {
  ShowSelfSwords(ChurchPick, 0);
  AddMainText(Tr("頭を垂れたあなたに、神父が手をかざした。"));
  AddMainText(Tr("どの剣の呪いを解きますか？"));
  AddCommand(Tr("やめる"), ChurchLeave);
}

void ChurchPick() {
  const TSword& sword = DriveContext().DriveUser->Swords[static_cast<std::size_t>(SelectedSword())];
  if (sword.Cursed) {
    ShowSelfSwords(nullptr, 1);
    AddMainText(Tf("「%1」の呪いを解きます。", {ChosenName()}));
    AddMainText(Tr("よろしいですか？"));
    AddCommand(Tr("はい"), ChurchPurify);
    AddCommand(Tr("いいえ"), ChurchMenu);
    return;
  }
  PlayWave(Sound::Bub);
  AddMainText(Tf("「%1」は呪われておりません。", {ChosenName()}));
  AddMainText(Tr("他の剣を選んでください。"));
  AddCommand(Tr("やめる"), ChurchLeave);
}

void ChurchPurify() {
  PlayWave(Sound::Water);
  const std::string name = ChosenName();
  AddMainText(Tf("神父はそっと「%1」に触れた。", {name}));
  AddMainText(Tf("「%1」は灰になって地面に落ちた。", {name}));
  TFighter& user = *DriveContext().DriveUser;
  RemoveSword(user, SelectedSword());
  RecalcFighter(user);
  ShowSelfSwords(nullptr, 0);
  FinishDrive();
}

void ChurchLeave() {
  AddMainText(Tr("「神はあなたを見ませんが、あなたは神に見られております。"));
  AddMainText(Tr("　どうかいつでも、心をクリアに保たれますよう」"));
  ShowSelfSwords(nullptr, 0);
  FinishDrive();
}

}  // namespace zemra
