// Wiring, not play state: set once at start, never reset.
#include "battle/drive_starters.h"

#include "engine/app_message.h"

namespace zemra {
namespace {

DriveStarters& Starters() {
  static DriveStarters starters;
  return starters;
}

}  // namespace

void SetDriveStarters(const DriveStarters& starters) { Starters() = starters; }

bool StartFieldDriveFromMenu(TFighter& player, int slot) {
  if (Starters().field == nullptr) {
    ShowAppMessage("error in StartFieldDrive");
    return false;
  }
  return Starters().field(player, slot);
}

bool StartBattleDriveFromBattle(TFighter& user, TFighter& opponent, int slot) {
  if (Starters().battle == nullptr) {
    ShowAppMessage("error in StartBattleDrive");
    return false;
  }
  return Starters().battle(user, opponent, slot);
}

}  // namespace zemra
