// The battle's module state: the encounter kind and the action flags of the
// turn loop. The flags keep their values after a battle; the next battle's
// start resets them.
#pragma once

#include "data/enemy.h"

namespace zemra {

struct BattleFlags {
  // Encounter kind; at most one is set by the entry points, none means an
  // ordinary enemy.
  bool QueenBattle = false;
  bool BossBattle = false;
  bool RareBattle = false;
  bool PlayerTurn = false;  // the player holds the initiative
  bool PlayerFights = false;
  bool EnemyFights = false;
  bool PlayerFleeFailed = false;
  bool BarrierUp = false;  // 結界 holds for the rest of the battle
  int ChosenSpoil = 0;     // slot 0..7 of the enemy sword taken after victory
};

BattleFlags& CurrentBattle();
void ResetBattleFlags();

// The enemy the encounter flags ask for; the Queen outranks a boss, a boss the rare enemy.
EncounterKind EncounterOfFlags();

bool IsBarrierUp();
bool IsPlayerTurn();
void RaiseBarrier();

}  // namespace zemra
