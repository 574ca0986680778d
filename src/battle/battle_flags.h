// The battle's module state: the encounter kind read by CreateEnemy and the
// action flags of the turn loop. Only the data lives here.
#pragma once

namespace zemra {

struct BattleFlags {
  // Encounter kind; at most one is set, none means an ordinary enemy.
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

}  // namespace zemra
