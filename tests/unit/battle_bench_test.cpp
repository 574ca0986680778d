// The battle benchmark's games stay the same games: the outcome checksums of
// its seeds were taken on the core before any tuning and must never move.
#include <gtest/gtest.h>

#include "measure/battle_bench.h"

namespace zemra {
namespace {

TEST(BattleBench, EverySeedPlaysTheBattlesItAlwaysPlayed) {
  constexpr std::array<std::uint64_t, kBattleBenchSeeds.size()> kPinned{
      0xb1b628f8b797a50f, 0x2132fc8e05f98bb6, 0x8e8b67406705839e, 0xf63f451257cc119f};
  for (std::size_t i = 0; i < kBattleBenchSeeds.size(); ++i) {
    const BattleTally tally = PlayBenchBattles(kBattleBenchSeeds[i], kBattleBenchBattles);
    EXPECT_EQ(tally.battles, kBattleBenchBattles);
    EXPECT_EQ(tally.unfinished, 0) << "seed " << kBattleBenchSeeds[i];
    EXPECT_EQ(tally.checksum, kPinned[i]) << "seed " << kBattleBenchSeeds[i];
  }
}

}  // namespace
}  // namespace zemra
