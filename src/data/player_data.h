// The run state: the one saved record PlayerData and the new-game roll of the
// player's swords.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/fighter.h"
#include "data/sword.h"

namespace zemra {

inline constexpr std::int32_t kMaxDepth = 9;  // the Another world

struct TPlayerData {
  TFighter Fighter;
  std::string PlayerName;  // UTF-8, at most 16 code page 932 bytes
  std::int32_t Depth = 0;  // 0 surface, 1..8, 9 the Another world
  bool Cleared = false;
  bool KingDefeated = false;
  std::array<bool, kSwordKindCount + 1> Obtained{};  // index 1..78; 0 unused
  std::int32_t BattleCount = 0;

  friend bool operator==(const TPlayerData&, const TPlayerData&) = default;
};

TPlayerData& PlayerData();
// Everything zero and empty, as at program start.
void ResetPlayerData();

// Records kind 1..78 as obtained; other values are ignored.
void MarkObtained(std::int32_t kind);

// Counts a battle start; the count stops at its largest value instead of wrapping.
void CountBattle();

// Rolls a new set of swords for the player's fighter and finishes it.
void RollPlayerStatus();

}  // namespace zemra
