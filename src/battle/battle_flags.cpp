// The one home of the battle flags.
#include "battle/battle_flags.h"

namespace zemra {

BattleFlags& CurrentBattle() {
  static BattleFlags flags;
  return flags;
}

void ResetBattleFlags() { CurrentBattle() = BattleFlags{}; }

}  // namespace zemra
