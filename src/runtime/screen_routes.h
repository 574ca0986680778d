// Entry points of the layers above that lower screens lead to. The game
// module names them once at start; battle, story and drives reach the field,
// and the battle and sword menus reach the drive dispatch, through these
// instead of including what stands above them.
#pragma once

#include "data/fighter.h"
#include "runtime/console.h"

namespace zemra {

// True when the slot's drive is taken: its command is then offered and the
// start is announced (the sword breaks unless infinite).
using FieldDriveStarter = bool (*)(TFighter& player, int slot);
using BattleDriveStarter = bool (*)(TFighter& user, TFighter& opponent, int slot);

struct ScreenRoutes {
  Continuation field = nullptr;
  FieldDriveStarter field_drive = nullptr;
  BattleDriveStarter battle_drive = nullptr;
};

void SetScreenRoutes(const ScreenRoutes& routes);

// The field, hub of a run: a continuation for every screen that returns there.
void EnterField();
// The drive dispatch in the field (sword menu) and in battle.
bool StartFieldDriveFromMenu(TFighter& player, int slot);
bool StartBattleDriveFromBattle(TFighter& user, TFighter& opponent, int slot);

}  // namespace zemra
