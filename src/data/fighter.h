// The fighter record shared by the player and the enemy, its card hand, and the
// weighted sword lottery from which starting and enemy swords are drawn.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/sword.h"

namespace zemra {

inline constexpr int kMaxSwords = 8;
inline constexpr int kHandSize = 5;
inline constexpr std::int32_t kMaxHit = 100;
inline constexpr std::int32_t kNoCard = -1;
inline constexpr int kCardRange = 100;  // cards are 0..99

struct TFighter {
  std::string Name;      // derived by RecalcFighter
  std::string BaseName;  // the name when no sword is inscribed
  std::int32_t HP = 0;
  std::int32_t MaxHP = 0;
  std::int32_t Hit = 0;
  std::array<TSword, kMaxSwords> Swords{};  // slots 0..SwordCount-1 in use, packed
  std::int32_t SwordCount = 0;
  std::int32_t Card = 0;  // the card in play; kNoCard when none
  std::array<std::int32_t, kHandSize> Cards{};

  friend bool operator==(const TFighter&, const TFighter&) = default;
};

bool IsDead(const TFighter& fighter);
// Appends the sword; the caller recomputes. A ninth sword is reported and dropped.
void AddSword(TFighter& fighter, const TSword& sword);
void RemoveSword(TFighter& fighter, int index);
bool HasSword(const TFighter& fighter, std::string_view name);
// Name, MaxHP and Hit from the swords; HP is clipped, never raised.
void RecalcFighter(TFighter& fighter);
void FullHeal(TFighter& fighter);
void DealCards(TFighter& fighter);
void NextCard(TFighter& fighter);

// One row of a lottery table.
struct LotteryEntry {
  std::string_view name;
  std::int32_t weight;
};

// The sword lottery: one weighted list at a time, drawn in insertion order.
struct SwordLotteryState {
  std::vector<std::pair<std::string, std::int32_t>> entries;
};

SwordLotteryState& SwordLottery();
void ResetSwordLottery();

void ClearSwordLottery();
void AddSwordLottery(std::string_view name, std::int32_t weight);
TSword DrawSwordLottery();

}  // namespace zemra
