// The menus that start, discard and reorder the player's swords, shared by
// the battle menu and the field sword menu through two continuation slots.
#pragma once

#include <string_view>

#include "data/fighter.h"
#include "runtime/console.h"
#include "runtime/sounds.h"

namespace zemra {

struct SwordMenuState {
  Continuation SwordMenuBack = nullptr;        // where "戻る" and a finished discard lead
  Continuation SwordStartConfirmed = nullptr;  // what "はい" of the start confirmation runs
};

SwordMenuState& SwordMenus();
void ResetSwordMenus();

// Set together by the battle menu and the field sword menu.
void SetSwordMenuSlots(Continuation back, Continuation start_confirmed);

void SwordStartMenu();
void SwordDiscardMenu();
void FieldSwordMenu();

// Pages about the player's sword in the slot last clicked: each text is a
// message with the sword's shown name as %1, e.g. "「%1」を捨てます。".
// A refusal: the sound, the reason, "他の剣を選んでください。" and "戻る".
void RefuseChosenSword(Sound sound, std::string_view reason, Continuation back);
// A confirmation with the chosen label frozen: "はい" or "いいえ".
void AskAboutChosenSword(std::string_view action, Continuation yes, Continuation no);
// Starts the chosen sword through the dispatch, or refuses it and lets the
// player pick another; "戻る" runs back.
void StartChosenSword(bool (*dispatch)(TFighter& player, int slot), Continuation back);

}  // namespace zemra
