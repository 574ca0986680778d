// The battle's entry points and its ends: the encounter kind, and what a
// won Queen or deepest-level boss battle leaves in the run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/battle_flags.h"
#include "battle/battle_flow.h"
#include "engine/random.h"
#include "support/battle_fixture.h"

namespace zemra {
namespace {

using testing::BattleFixture;
using testing::Equip;
using testing::Texts;

class BattleFlowTest : public BattleFixture {
 protected:
  void SetUp() override {
    BattleFixture::SetUp();
    Equip(Player(), "あなた", {"ダブルクロス"}, {1, 2, 3, 4, 5});
  }

  // Wins the battle on the screen shown and leaves without a spoil.
  void WinAndLeave() {
    Enemy().HP = 0;
    Show(AfterAction);
    EXPECT_EQ(Lines(), Texts{Enemy().Name + "を倒した！"});
    Press("≫");
    Press("去る");
  }
};

TEST_F(BattleFlowTest, WanderingMeetsABossTheRareEnemyOrAnOrdinaryOne) {
  struct Case {
    std::vector<int> rolls;
    bool boss, rare;
  };
  const Case cases[] = {{{0}, true, false}, {{1, 0}, false, true}, {{99, 24}, false, false}};
  for (const Case& c : cases) {
    ClearQueuedRolls();
    QueueRolls(c.rolls);
    Show(Wander);
    EXPECT_EQ(CurrentBattle().BossBattle, c.boss);
    EXPECT_EQ(CurrentBattle().RareBattle, c.rare);
    EXPECT_FALSE(CurrentBattle().QueenBattle);
    EXPECT_EQ(Captions(), (Texts{"戦う", "逃げる"}));
  }
  EXPECT_EQ(PlayerData().BattleCount, 3);
}

TEST_F(BattleFlowTest, TheQueenOutranksEveryOtherEncounterFlag) {
  CurrentBattle() = BattleFlags{.QueenBattle = true, .BossBattle = true, .RareBattle = true};
  EXPECT_EQ(EncounterOfFlags(), EncounterKind::Queen);
  CurrentBattle() = BattleFlags{.BossBattle = true, .RareBattle = true};
  EXPECT_EQ(EncounterOfFlags(), EncounterKind::Boss);
  CurrentBattle() = BattleFlags{.RareBattle = true};
  EXPECT_EQ(EncounterOfFlags(), EncounterKind::Rare);
}

TEST_F(BattleFlowTest, WinningTheQueenBattleClearsTheGameAndShowsTheEnding) {
  PlayerData().Depth = 8;
  Show(StartQueenBattle);
  EXPECT_EQ(Lines(), Texts{"剣師が現れた！"});
  WinAndLeave();
  EXPECT_TRUE(PlayerData().Cleared);
  EXPECT_FALSE(PlayerData().KingDefeated);
  EXPECT_EQ(Lines(), Texts{"クリアです。"});
}

TEST_F(BattleFlowTest, OnlyABossWonAtTheDeepestLevelDefeatsTheKing) {
  PlayerData().Depth = 8;
  Show(StartBossBattle);
  WinAndLeave();
  EXPECT_FALSE(PlayerData().KingDefeated);

  PlayerData().Depth = 9;
  QueueRolls({1, 1});
  Show(Wander);
  WinAndLeave();
  EXPECT_FALSE(PlayerData().KingDefeated);

  Show(StartBossBattle);
  EXPECT_EQ(Lines(), Texts{"不可知の王が現れた！"});
  WinAndLeave();
  EXPECT_TRUE(PlayerData().KingDefeated);
  EXPECT_FALSE(PlayerData().Cleared);
  EXPECT_EQ(Captions(), (Texts{"徘徊", "剣"}));
}

TEST_F(BattleFlowTest, TheBarrierAndTheActionFlagsLastUntilTheNextBattle) {
  Show(StartBossBattle);
  CurrentBattle().BarrierUp = true;
  CurrentBattle().PlayerFleeFailed = true;
  WinAndLeave();
  EXPECT_TRUE(IsBarrierUp());
  Show(StartBossBattle);
  EXPECT_FALSE(IsBarrierUp());
  EXPECT_FALSE(CurrentBattle().PlayerFleeFailed);
}

}  // namespace
}  // namespace zemra
