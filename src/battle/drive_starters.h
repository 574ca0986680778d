// The drive dispatch sits above the battle; the battle and the sword menus
// reach it through these entry points, which the game module names at start.
#pragma once

#include "data/fighter.h"

namespace zemra {

// True when the slot's drive is taken here: its command is then offered and
// the start is announced (the sword breaks unless infinite).
using FieldDriveStarter = bool (*)(TFighter& player, int slot);
using BattleDriveStarter = bool (*)(TFighter& user, TFighter& opponent, int slot);

struct DriveStarters {
  FieldDriveStarter field = nullptr;
  BattleDriveStarter battle = nullptr;
};

void SetDriveStarters(const DriveStarters& starters);
bool StartFieldDriveFromMenu(TFighter& player, int slot);
bool StartBattleDriveFromBattle(TFighter& user, TFighter& opponent, int slot);

}  // namespace zemra
