// The menus that start, discard and reorder the player's swords, shared by
// the battle menu and the field sword menu through two continuation slots.
#pragma once

#include "shell/console.h"

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

// The refusal of a sword the dispatch does not take here; "戻る" runs back.
void RefuseSwordStart(Continuation back);

}  // namespace zemra
