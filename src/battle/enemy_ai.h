// The enemy's mind: on its turn it starts a sword only when it wants to and
// the drive would pay off now; otherwise it fights.
#pragma once

#include <string_view>

#include "data/fighter.h"

namespace zemra {

// True with slot set when the enemy starts the sword in that slot this turn.
bool EnemyChooseSword(int& slot);

// Exposed for tests: the rules behind the choice.
int DesireFor(std::string_view enemy_name, std::string_view sword_name, int depth);
bool CanSpareSword(const TFighter& enemy, int slot);
bool EffectiveDriveEnemySword(const TFighter& enemy, int slot);
bool HitUp(const TFighter& enemy, long long value);
long long CardWeight(const TFighter& fighter);

}  // namespace zemra
