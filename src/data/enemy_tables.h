// The per-depth enemy tables, index 0..9 by depth: the ordinary-enemy
// lottery, the boss sword sets and the lists of the 斬子 encounter.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/fighter.h"

namespace zemra {

inline constexpr std::size_t kDepthCount = 10;

// A chance for rare entries to join the lottery: uniform [0, odds) = 0 adds
// each name with weight 1. Unused rows have odds 0.
struct RareRoll {
  std::int32_t odds;
  std::array<std::string_view, 3> names;
};

struct OrdinaryDepth {
  std::array<LotteryEntry, 13> entries;  // ends at the first empty name
  std::array<RareRoll, 2> rare_rolls;
};

// Lists end at the first empty name.
struct ZankoDepth {
  std::array<std::array<std::string_view, 4>, 4> chances;
  std::array<std::string_view, 2> rare;
  std::array<std::string_view, 3> very_rare;
};

// Entries every ordinary lottery starts with, before クロス and the depth's own.
extern const std::array<LotteryEntry, 8> CommonEnemyLottery;
extern const std::array<OrdinaryDepth, kDepthCount> OrdinaryEnemyTable;
// Eight swords per depth, the boss's signature sword first.
extern const std::array<std::array<std::string_view, 8>, kDepthCount> BossSwordSets;
extern const std::array<ZankoDepth, kDepthCount> ZankoSwordTable;
// What the 斬子 extra draws give when neither the rare nor the very rare comes up.
extern const std::array<std::string_view, 7> ZankoCommonExtras;

// Number of names before the first empty one.
template <std::size_t N>
constexpr std::size_t ListLength(const std::array<std::string_view, N>& list) {
  std::size_t n = 0;
  while (n < N && !list[n].empty()) ++n;
  return n;
}

}  // namespace zemra
