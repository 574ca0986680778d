// The church: one cursed sword per visit is turned to ash. The sword labels
// are bound while the player chooses and unbound while confirming and after.
#include <string>

#include "data/player_data.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

std::string ChosenName() {
  return "「" + DriveContext().DriveUser->Swords[static_cast<std::size_t>(SelectedSword())].Name + "」";
}

}  // namespace

void ChurchMenu() {
  ShowSelfSwords(ChurchPick, 0);
  AddMainText("頭を垂れたあなたに、神父が手をかざした。");
  AddMainText("どの剣の呪いを解きますか？");
  AddCommand("やめる", ChurchLeave);
}

void ChurchPick() {
  const TSword& sword = DriveContext().DriveUser->Swords[static_cast<std::size_t>(SelectedSword())];
  if (sword.Cursed) {
    ShowSelfSwords(nullptr, 1);
    AddMainText(ChosenName() + "の呪いを解きます。");
    AddMainText("よろしいですか？");
    AddCommand("はい", ChurchPurify);
    AddCommand("いいえ", ChurchMenu);
    return;
  }
  PlayWave(Sound::Bub);
  AddMainText(ChosenName() + "は呪われておりません。");
  AddMainText("他の剣を選んでください。");
  AddCommand("やめる", ChurchLeave);
}

void ChurchPurify() {
  PlayWave(Sound::Water);
  const std::string name = ChosenName();
  AddMainText("神父はそっと" + name + "に触れた。");
  AddMainText(name + "は灰になって地面に落ちた。");
  TFighter& user = *DriveContext().DriveUser;
  RemoveSword(user, SelectedSword());
  RecalcFighter(user);
  ShowSelfSwords(nullptr, 0);
  FinishDrive();
}

void ChurchLeave() {
  AddMainText("「神はあなたを見ませんが、あなたは神に見られております。");
  AddMainText("　どうかいつでも、心をクリアに保たれますよう」");
  ShowSelfSwords(nullptr, 0);
  FinishDrive();
}

}  // namespace zemra
