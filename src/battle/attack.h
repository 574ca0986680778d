// Attack resolution: a blow is the fighter's hit rate plus the card it plays,
// and the sum falls into one of four result classes compared in an exchange.
#pragma once

#include <string>
#include <string_view>

#include "data/fighter.h"
#include "engine/translate.h"

namespace zemra {

// The classes are compared as these texts; they are translated only on the console.
inline constexpr std::string_view kMiss = N_("ミス");
inline constexpr std::string_view kHit = N_("ヒット");
inline constexpr std::string_view kHighHit = N_("ハイヒット");
inline constexpr std::string_view kCritical = N_("クリティカル");

// The bounds of the result classes, the one home of the numbers that the
// enemy's choices and the shots weigh too: a miss below 100, a critical at
// exactly 100, a hit up to 179, a high hit from 180 up to 199.
inline constexpr long long kCriticalPotential = 100;
inline constexpr long long kHighHitFrom = 180;
inline constexpr long long kPotentialLimit = 200;

enum class AttackClass { Miss, Critical, Hit, HighHit, OutOfRange };

AttackClass ClassifyPotential(long long potential);

// Hit + Card, widened so that a stray value cannot overflow.
long long AttackPotential(const TFighter& fighter);
// One of the four classes; "" with an error box for a potential outside 0..199.
std::string AttackResult(const TFighter& fighter);
// "name => potential => result" on the console.
void ShowAttackLine(const TFighter& fighter);
// Compares the player's and the enemy's results, deals the damage, clears the
// action flags and offers "≫" back to AfterAction.
void DoAttackResult(std::string_view my_result, std::string_view enemy_result, bool player_fled);

}  // namespace zemra
