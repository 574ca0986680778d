// The sword menus. S is always the player's sword in the slot last clicked.
#include "battle/sword_menus.h"

#include <string>
#include <utility>

#include "data/fighter.h"
#include "data/player_data.h"
#include "drive/drive_dispatch.h"
#include "shell/field.h"
#include "shell/game.h"
#include "shell/status_panels.h"

namespace zemra {
namespace {

TFighter& Player() { return PlayerData().Fighter; }
const TSword& Chosen() { return Player().Swords[static_cast<std::size_t>(SelectedSword())]; }
std::string Quoted(const std::string& name) { return "「" + name + "」"; }

void SwordStartPick();
void SwordDiscardPick();
void SwordDiscardConfirmed();
void FieldSwordStartConfirmed();
void SwordSortMenu();
void SwordSortPick();

// Both slots are set by the screen that opens the menus; the field stands in
// should a menu ever be reached without them.
void Back() {
  const Continuation back = SwordMenus().SwordMenuBack;
  (back != nullptr ? back : EnterField)();
}
void StartConfirmed() {
  const Continuation confirmed = SwordMenus().SwordStartConfirmed;
  (confirmed != nullptr ? confirmed : EnterField)();
}

void SwordStartPick() {
  const TSword& sword = Chosen();
  if (sword.DriveName.empty()) {
    PlayWave("bub.wav");
    AddMainText(Quoted(sword.Name) + "には始動能力がありません。");
    AddMainText("他の剣を選んでください。");
    AddCommand("戻る", Back);
    return;
  }
  ShowSelfSwords(nullptr, 1);
  AddMainText(Quoted(sword.Name) + "を始動させます。");
  AddMainText("よろしいですか？");
  AddCommand("はい", StartConfirmed);
  AddCommand("いいえ", SwordStartMenu);
}

void FieldSwordStartConfirmed() {
  const int slot = SelectedSword();
  if (StartFieldDrive(Player(), slot)) {
    AnnounceSwordStart(Player(), slot);
    ShowSelfSwords(nullptr, 0);
    return;
  }
  RefuseSwordStart(FieldSwordMenu);
}

void SwordDiscardPick() {
  const TSword& sword = Chosen();
  if (sword.Cursed) {
    PlayWave("duty.wav");
    AddMainText(Quoted(sword.Name) + "は呪われています。");
    AddMainText("他の剣を選んでください。");
    AddCommand("戻る", Back);
    return;
  }
  ShowSelfSwords(nullptr, 1);
  AddMainText(Quoted(sword.Name) + "を捨てます。");
  AddMainText("よろしいですか？");
  AddCommand("はい", SwordDiscardConfirmed);
  AddCommand("いいえ", SwordDiscardMenu);
}

void SwordDiscardConfirmed() {
  PlayWave("turn.wav");
  AddMainText(Quoted(Chosen().Name) + "を捨てました。");
  RemoveSword(Player(), SelectedSword());
  RecalcFighter(Player());
  ShowSelfSwords(nullptr, 0);
  AddCommand("≫", Back);
}

void SwordSortMenu() {
  ShowSelfSwords(SwordSortPick, 0);
  AddMainText("剣を選択してください。");
  AddMainText("一つ上の剣と位置が交換されます。");
  AddCommand("戻る", FieldSwordMenu);
}

void SwordSortPick() {
  const int slot = SelectedSword();
  if (slot > 0) {
    PlayWave("suka.wav");
    auto& swords = Player().Swords;
    std::swap(swords[static_cast<std::size_t>(slot)], swords[static_cast<std::size_t>(slot - 1)]);
    RecalcFighter(Player());
  } else {
    PlayWave("bub.wav");
  }
  SwordSortMenu();
}

}  // namespace

SwordMenuState& SwordMenus() {
  static SwordMenuState state;
  return state;
}

void ResetSwordMenus() { SwordMenus() = SwordMenuState{}; }

void SetSwordMenuSlots(Continuation back, Continuation start_confirmed) {
  SwordMenus() = SwordMenuState{back, start_confirmed};
}

void SwordStartMenu() {
  ShowSelfSwords(SwordStartPick, 0);
  AddMainText("どの剣を始動させますか？");
  AddCommand("戻る", Back);
}

void SwordDiscardMenu() {
  ShowSelfSwords(SwordDiscardPick, 0);
  AddMainText("どの剣を捨てますか？");
  AddCommand("戻る", Back);
}

void FieldSwordMenu() {
  if (IsDead(Player())) {
    GameOver();
    return;
  }
  ShowSelfSwords(nullptr, 0);
  AddMainText("どうしますか？");
  SetSwordMenuSlots(FieldSwordMenu, FieldSwordStartConfirmed);
  AddCommand("exit", EnterField);
  AddCommand("始動", SwordStartMenu);
  AddCommand("並べ替え", SwordSortMenu);
  AddCommand("捨てる", SwordDiscardMenu);
}

void RefuseSwordStart(Continuation back) {
  PlayWave("bub.wav");
  AddMainText(Quoted(Chosen().Name) + "は今は始動できません。");
  AddMainText("他の剣を選んでください。");
  AddCommand("戻る", back);
  ShowSelfSwords(SwordStartPick, 0);
}

}  // namespace zemra
