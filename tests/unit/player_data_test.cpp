// The run state: the new-game roll reproduced from queued draws, the obtained
// kinds, and the reset to the program-start state.
#include <gtest/gtest.h>

#include <limits>

#include <string>
#include <vector>

#include "data/player_data.h"
#include "engine/random.h"
#include "support/fake_host.h"
#include "support/sword_names.h"

namespace zemra {
namespace {

using testing::GameFixture;
using PlayerDataTest = GameFixture;

constexpr int kDeal[] = {7, 17, 27, 37, 47};

std::vector<int> WithDeal(std::vector<int> rolls) {
  rolls.insert(rolls.end(), std::begin(kDeal), std::end(kDeal));
  return rolls;
}

using testing::SwordNames;

struct RollCase {
  const char* what;
  std::vector<int> rolls;  // a, b, k, then the swords' draws; the deal follows
  std::vector<std::string> swords;
  const char* name;
  int max_hp;
  int hit;
};

// Lottery rolls out of 208: 縛鎖刀 0..99, 剣 100..199, マリリン 200..202,
// 刀 203..205, クロス 206, 紅椿 207.
const RollCase kRolls[] = {
    {"2 x 2 gives no sword", {0, 0, 0}, {}, "あなた", 0, 0},
    {"3 x 2 gives no sword", {1, 0, 0}, {}, "あなた", 0, 0},
    {"4 x 4: 柳屋 first", {2, 2, 0, 3, 150}, {"柳屋", "剣"}, "柳屋", 1, 10},
    {"4 x 4: 紅椿 by the chain", {2, 2, 1, 100, 0, 1, 0}, {"剣", "紅椿"}, "あなた", 1, 12},
    {"4 x 4: the chain falls to the lottery", {2, 2, 0, 0, 1, 1, 207, 50}, {"紅椿", "縛鎖刀"}, "あなた", 1, 17},
    {"8 x 8: every lottery sword, クロス last",
     {6, 6, 7, 0, 100, 200, 203, 206, 207, 99, 0, 0},
     {"縛鎖刀", "剣", "マリリン", "刀", "クロス", "紅椿", "縛鎖刀", "クロス"},
     "あなた",
     3,
     57},
};

TEST_F(PlayerDataTest, RollPlayerStatusFollowsTheQueuedDraws) {
  for (const RollCase& c : kRolls) {
    SCOPED_TRACE(c.what);
    QueueRolls(WithDeal(c.rolls));
    RollPlayerStatus();
    const TFighter& player = PlayerData().Fighter;
    EXPECT_EQ(SwordNames(player), c.swords);
    EXPECT_EQ(player.Name, c.name);
    EXPECT_EQ(player.BaseName, "あなた");
    EXPECT_EQ(player.MaxHP, c.max_hp);
    EXPECT_EQ(player.HP, c.max_hp);
    EXPECT_EQ(player.Hit, c.hit);
    EXPECT_EQ(player.Card, -1);
    EXPECT_EQ(player.Cards, (std::array<std::int32_t, 5>{7, 17, 27, 37, 47}));
    EXPECT_EQ(QueuedRollCount(), 0u);
  }
}

TEST_F(PlayerDataTest, ARollReplacesTheSwordsAndKeepsTheRestOfTheRun) {
  TPlayerData& run = PlayerData();
  run.PlayerName = "剣師";
  run.Depth = 4;
  run.KingDefeated = true;
  run.BattleCount = 12;
  QueueRolls(WithDeal({6, 6, 7, 0, 100, 200, 203, 206, 207, 99, 0, 0}));
  RollPlayerStatus();
  QueueRolls(WithDeal({2, 2, 0, 3, 150}));
  RollPlayerStatus();
  EXPECT_EQ(SwordNames(run.Fighter), (std::vector<std::string>{"柳屋", "剣"}));
  EXPECT_EQ(run.Fighter.Swords[2], TSword{});
  EXPECT_EQ(run.PlayerName, "剣師");
  EXPECT_EQ(run.Depth, 4);
  EXPECT_TRUE(run.KingDefeated);
  EXPECT_EQ(run.BattleCount, 12);
  // Both rolls marked their kinds: 縛鎖刀 20, 剣 28, 刀 30, マリリン 21, 紅椿 45, クロス 46, 柳屋 53.
  for (int kind : {20, 21, 28, 30, 45, 46, 53}) EXPECT_TRUE(run.Obtained[static_cast<std::size_t>(kind)]) << kind;
}

TEST_F(PlayerDataTest, MarkObtainedIgnoresValuesOutsideTheKinds) {
  for (int kind : {-1, 0, 79, 1000}) MarkObtained(kind);
  EXPECT_EQ(PlayerData(), TPlayerData{});
  MarkObtained(1);
  MarkObtained(78);
  EXPECT_TRUE(PlayerData().Obtained[1]);
  EXPECT_TRUE(PlayerData().Obtained[78]);
}

TEST_F(PlayerDataTest, TheBattleCountStopsAtItsLargestValue) {
  PlayerData().BattleCount = 41;
  CountBattle();
  EXPECT_EQ(PlayerData().BattleCount, 42);
  PlayerData().BattleCount = std::numeric_limits<std::int32_t>::max();
  CountBattle();
  EXPECT_EQ(PlayerData().BattleCount, std::numeric_limits<std::int32_t>::max());
}

TEST_F(PlayerDataTest, ResetReturnsToTheProgramStartState) {
  QueueRolls(WithDeal({2, 2, 0, 3, 150}));
  RollPlayerStatus();
  PlayerData().PlayerName = "剣師";
  PlayerData().Cleared = true;
  ResetPlayerData();
  EXPECT_EQ(PlayerData(), TPlayerData{});
  EXPECT_EQ(PlayerData().Fighter.Card, 0);
}

}  // namespace
}  // namespace zemra
