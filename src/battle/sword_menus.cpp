// The sword menus. S is always the player's sword in the slot last clicked.
#include "battle/sword_menus.h"

#include "engine/module_state.h"

#include <string>
#include <utility>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/shown_names.h"
#include "engine/translate.h"
#include "runtime/screen_routes.h"
#include "runtime/game_over.h"
#include "runtime/screen_routes.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

TFighter& Player() { return PlayerData().Fighter; }
const TSword& Chosen() { return Player().Swords[static_cast<std::size_t>(SelectedSword())]; }

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
  if (Chosen().DriveName.empty()) {
    RefuseChosenSword(Sound::Bub, N_("「%1」には始動能力がありません。"), Back);
    return;
  }
  AskAboutChosenSword(N_("「%1」を始動させます。"), StartConfirmed, SwordStartMenu);
}

void FieldSwordStartConfirmed() {
  StartChosenSword([](TFighter& player, int slot) { return StartFieldDriveFromMenu(player, slot); }, FieldSwordMenu);
}

void SwordDiscardPick() {
  if (Chosen().Cursed) {
    RefuseChosenSword(Sound::Duty, N_("「%1」は呪われています。"), Back);
    return;
  }
  AskAboutChosenSword(N_("「%1」を捨てます。"), SwordDiscardConfirmed, SwordDiscardMenu);
}

void SwordDiscardConfirmed() {
  PlayWave(Sound::Turn);
  AddMainText(Tf("「%1」を捨てました。", {ShownSwordName(Chosen())}));
  RemoveSword(Player(), SelectedSword());
  RecalcFighter(Player());
  ShowSelfSwords(nullptr, 0);
  AddCommand("≫", Back);
}

void SwordSortMenu() {
  ShowSelfSwords(SwordSortPick, 0);
  AddMainText(Tr("剣を選択してください。"));
  AddMainText(Tr("一つ上の剣と位置が交換されます。"));
  AddCommand(Tr("戻る"), FieldSwordMenu);
}

void SwordSortPick() {
  const int slot = SelectedSword();
  if (slot > 0) {
    PlayWave(Sound::Suka);
    auto& swords = Player().Swords;
    std::swap(swords[static_cast<std::size_t>(slot)], swords[static_cast<std::size_t>(slot - 1)]);
    RecalcFighter(Player());
  } else {
    PlayWave(Sound::Bub);
  }
  SwordSortMenu();
}

}  // namespace

SwordMenuState& SwordMenus() {
  return ModuleState<SwordMenuState>();
}

void ResetSwordMenus() { SwordMenus() = SwordMenuState{}; }

void SetSwordMenuSlots(Continuation back, Continuation start_confirmed) {
  SwordMenus() = SwordMenuState{back, start_confirmed};
}

void SwordStartMenu() {
  ShowSelfSwords(SwordStartPick, 0);
  AddMainText(Tr("どの剣を始動させますか？"));
  AddCommand(Tr("戻る"), Back);
}

void SwordDiscardMenu() {
  ShowSelfSwords(SwordDiscardPick, 0);
  AddMainText(Tr("どの剣を捨てますか？"));
  AddCommand(Tr("戻る"), Back);
}

void FieldSwordMenu() {
  if (IsDead(Player())) {
    GameOver();
    return;
  }
  ShowSelfSwords(nullptr, 0);
  AddMainText(Tr("どうしますか？"));
  SetSwordMenuSlots(FieldSwordMenu, FieldSwordStartConfirmed);
  AddCommand(TrCtx("button", "exit"), EnterField);  // written in English in both languages, capitalised in English
  AddCommand(Tr("始動"), SwordStartMenu);
  AddCommand(Tr("並べ替え"), SwordSortMenu);
  AddCommand(Tr("捨てる"), SwordDiscardMenu);
}

void RefuseChosenSword(Sound sound, std::string_view reason, Continuation back) {
  PlayWave(sound);
  AddMainText(Tf(reason, {ShownSwordName(Chosen())}));
  AddMainText(Tr("他の剣を選んでください。"));
  AddCommand(Tr("戻る"), back);
}

void AskAboutChosenSword(std::string_view action, Continuation yes, Continuation no) {
  ShowSelfSwords(nullptr, 1);
  AddMainText(Tf(action, {ShownSwordName(Chosen())}));
  AddMainText(Tr("よろしいですか？"));
  AddCommand(Tr("はい"), yes);
  AddCommand(Tr("いいえ"), no);
}

void StartChosenSword(bool (*dispatch)(TFighter& player, int slot), Continuation back) {
  const int slot = SelectedSword();
  if (dispatch(Player(), slot)) {
    ShowSelfSwords(nullptr, 0);
    return;
  }
  RefuseChosenSword(Sound::Bub, N_("「%1」は今は始動できません。"), back);
  ShowSelfSwords(SwordStartPick, 0);
}

}  // namespace zemra
