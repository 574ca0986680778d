// The battle loop: encounters, turns, the player's menu, the enemy's turn,
// exchanges of blows, fleeing, victory with one spoil, and the way back.
#pragma once

namespace zemra {

// Entry points.
void Wander();            // "徘徊": rolls the encounter kind
void StartQueenBattle();  // the final battle
void StartBossBattle();   // the duel

// Decides what follows every battle action and every battle drive.
void AfterAction();
void NextTurn();
// Leaves the battle; "逃げる" and a successful flight lose a depth, smoke does not.
void Escape(bool lose_depth);

// The "はい" of the battle's start-a-sword confirmation.
void BattleSwordStartConfirmed();

}  // namespace zemra
