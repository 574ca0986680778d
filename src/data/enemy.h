// The enemy of the current battle and how it is built: ordinary swords from
// the depth's lottery, a boss set, the 斬子 encounter or the Queen. A boss or
// 斬子 whose signature sword the player already holds gives way to an
// ordinary enemy.
#pragma once

#include <span>
#include <string_view>

#include "data/fighter.h"

namespace zemra {

TFighter& Enemy();
void ResetEnemy();

enum class EncounterKind { Ordinary, Boss, Rare, Queen };

// Rebuilds Enemy for the encounter kind and the depth.
void CreateEnemy(EncounterKind kind);

// Gives Enemy the named swords in order, or ordinary swords when the player
// holds the first of them.
void AddSwordsToBoss(std::span<const std::string_view> names);

bool PlayerHasSword(std::string_view name);

}  // namespace zemra
