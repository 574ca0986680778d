// The one home of the battle flags.
#include "battle/battle_flags.h"

#include "engine/module_state.h"

namespace zemra {

BattleFlags& CurrentBattle() {
  return ModuleState<BattleFlags>();
}

void ResetBattleFlags() { CurrentBattle() = BattleFlags{}; }

EncounterKind EncounterOfFlags() {
  const BattleFlags& b = CurrentBattle();
  if (b.QueenBattle) return EncounterKind::Queen;
  if (b.BossBattle) return EncounterKind::Boss;
  if (b.RareBattle) return EncounterKind::Rare;
  return EncounterKind::Ordinary;
}

bool IsBarrierUp() { return CurrentBattle().BarrierUp; }
bool IsPlayerTurn() { return CurrentBattle().PlayerTurn; }
void RaiseBarrier() { CurrentBattle().BarrierUp = true; }

}  // namespace zemra
