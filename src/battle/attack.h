// Attack resolution: a blow is the fighter's hit rate plus the card it plays,
// and the sum falls into one of four result classes compared in an exchange.
#pragma once

#include <string>
#include <string_view>

#include "data/fighter.h"

namespace zemra {

inline constexpr std::string_view kMiss = "ミス";
inline constexpr std::string_view kHit = "ヒット";
inline constexpr std::string_view kHighHit = "ハイヒット";
inline constexpr std::string_view kCritical = "クリティカル";

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
