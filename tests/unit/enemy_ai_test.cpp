// The enemy's choice as a table of small fighters: desires, which swords it
// may spend, when a drive pays, and the draw made only after both tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/battle_flags.h"
#include "battle/enemy_ai.h"
#include "engine/random.h"
#include "support/battle_fixture.h"

namespace zemra {
namespace {

using testing::BattleFixture;
using testing::Equip;
using testing::Hand;

class EnemyAiTest : public BattleFixture {};

TEST_F(EnemyAiTest, DesiresGrowWithDepthAndBossesOverrideThem) {
  struct Case {
    const char* enemy;
    const char* sword;
    int depth;
    int desire;
  };
  const Case cases[] = {
      {"敵", "剣", 0, 0},           {"敵", "ハルバード", 3, 9},         {"敵", "兵法剣", 7, 7},
      {"敵", "薬草剣", 4, 8},       {"ラーダ", "薬草剣", 4, 50},        {"ジフ", "剣", 0, 100},
      {"ジフ", "ロングソード", 2, 4}, {"草薙", "バイヨネット", 9, 0},     {"草薙", "常夜の剣", 0, 100},
      {"不可知の王", "疑問剣", 1, 100}, {"敵", "エリクサーソード", 9, 0}, {"シャンヌイ", "シャンヌイ", 0, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DesireFor(c.enemy, c.sword, c.depth), c.desire) << c.enemy << " " << c.sword << " " << c.depth;
  }
}

struct ChoiceCase {
  const char* what;
  std::vector<const char*> swords;
  Hand cards;
  int depth;
  bool barrier;
  std::vector<int> rolls;
  int chosen;  // slot, -1 for none
  std::size_t rolls_left;
  const char* box;  // "" for none
};

TEST_F(EnemyAiTest, TheEnemyStartsASwordOnlyWhenItPaysAndItWantsTo) {
  const Hand kAllNines{99, 99, 99, 99, 99};
  const ChoiceCase cases[] = {
      {"depth 0: an effective スナップ has no desire", {"クロス", "剣"}, {0, 99, 0, 0, 0}, 0, false, {99}, -1, 0, ""},
      {"ジフ always starts its 剣 when it pays", {"ジフ", "剣"}, {0, 95, 0, 0, 0}, 0, false, {0}, 1, 0, ""},
      {"ジフ's スナップ that does not pay draws nothing", {"ジフ", "剣"}, {0, 10, 0, 0, 0}, 0, false, {}, -1, 0, ""},
      {"草薙 never starts バイヨネット", {"草薙", "バイヨネット"}, {0, 0, 0, 0, 0}, 9, false, {99}, -1, 0, ""},
      {"a potential of exactly 100: no スナップ, no リドロー, but チェンジ",
       {"クロス", "剣", "リドローブレード", "くさり鎌"}, {83, 0, 0, 0, 0}, 1, false, {98}, 3, 0, ""},
      {"the sword carrying all the life is spared", {"クロス"}, {0, 99, 0, 0, 0}, 9, false, {}, -1, 0, ""},
      {"the barrier stops shots and a second barrier", {"クロス", "常夜の剣", "ピストル"}, {0, 0, 0, 0, 0}, 9, true, {}, -1,
       0, ""},
      {"結界 is started even without desire", {"クロス", "常夜の剣", "ピストル"}, {0, 0, 0, 0, 0}, 0, false, {99}, 1, 0, ""},
      {"two eligible swords are tried in slot order", {"クロス", "剣", "ロングソード"}, {0, 99, 0, 0, 0}, 5, false,
       {0, 90}, 2, 0, ""},
      {"a sword without a drive draws nothing", {"クロス", "刀", "剣"}, {0, 99, 0, 0, 0}, 5, false, {95, 7}, 2, 1, ""},
      {"a potential outside 0..199 is reported and not acted on", {"クロス", "剣"}, {194, 99, 0, 0, 0}, 9, false, {}, -1,
       0, "error in HitUp in EffectiveDriveEnemySword: Hity = 200"},
      {"a heal pays only below the life left after the sword", {"クロス", "クロス", "薬草剣"}, kAllNines, 4, false, {},
       -1, 0, ""},
  };
  for (const ChoiceCase& c : cases) {
    Equip(Enemy(), "敵", {}, c.cards);
    for (const char* name : c.swords) AddSword(Enemy(), CreateSword(name));
    RecalcFighter(Enemy());
    FullHeal(Enemy());
    Enemy().Cards = c.cards;
    Equip(Player(), "あなた", {"クロス"}, kAllNines);
    PlayerData().Depth = c.depth;
    CurrentBattle().BarrierUp = c.barrier;
    ClearQueuedRolls();
    QueueRolls(c.rolls);
    int slot = -1;
    const bool chosen = EnemyChooseSword(slot);
    EXPECT_EQ(chosen, c.chosen >= 0) << c.what;
    if (chosen) {
      EXPECT_EQ(slot, c.chosen) << c.what;
    }
    EXPECT_EQ(QueuedRollCount(), c.rolls_left) << c.what;
    EXPECT_EQ(host.TakeBoxes(), *c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{}) << c.what;
  }
}

TEST_F(EnemyAiTest, DrivesPayOffByTheirOwnRule) {
  struct Case {
    const char* what;
    std::vector<const char*> swords;
    Hand cards;
    std::int32_t hp;  // 0: full
    int slot;
    bool pays;
  };
  const Case cases[] = {
      {"ブースト doubles the next card up to 99", {"クロス", "ハルバード"}, {50, 0, 0, 0, 0}, 0, 1, true},
      {"ブースト from a critical never pays", {"クロス", "ハルバード"}, {84, 0, 0, 0, 0}, 0, 1, false},
      {"フラット looks at the mean of the hand", {"クロス", "刀", "刀", "刀", "ブロードソード"}, {0, 99, 99, 99, 99}, 0, 4,
       true},
      {"フラット with a low mean", {"クロス", "ブロードソード"}, {0, 10, 10, 10, 10}, 0, 1, false},
      {"a hit turns into a critical", {"クロス", "ロングソード"}, {90, 99, 0, 0, 0}, 0, 1, true},
      {"a high hit is kept", {"ダブルクロス", "ハルバード", "ハルバード", "ハルバード", "ハルバード", "ハルバード",
                              "ロングソード", "剣"},
       {90, 99, 0, 0, 0}, 0, 6, false},
      {"服劇薬 with three points missing after the break", {"ダブルクロス", "ダブルクロス", "ダブルクロス", "劇薬草剣"},
       {0, 0, 0, 0, 0}, 3, 3, true},
      {"服劇薬 with two points missing", {"ダブルクロス", "ダブルクロス", "ダブルクロス", "劇薬草剣"}, {0, 0, 0, 0, 0}, 4, 3,
       false},
      {"大服薬 below half of what is left", {"ダブルクロス", "ダブルクロス", "エリクサーソード"}, {0, 0, 0, 0, 0}, 1, 2, true},
      {"大服薬 at half", {"ダブルクロス", "ダブルクロス", "エリクサーソード"}, {0, 0, 0, 0, 0}, 2, 2, false},
      {"エンドレスジルバ at 1 HP with an elixir", {"シャンヌイ", "エリクサーソード", "クロス"}, {0, 0, 0, 0, 0}, 1, 0, false},
      {"エンドレスジルバ at 1 HP without one", {"シャンヌイ", "クロス"}, {0, 0, 0, 0, 0}, 1, 0, true},
      {"サクション needs a missing point", {"クロス", "吸血剣", "クロス"}, {0, 0, 0, 0, 0}, 0, 1, false},
      {"サクション with one missing", {"クロス", "吸血剣", "クロス"}, {0, 0, 0, 0, 0}, 1, 1, true},
      {"マリライズ always pays", {"クロス", "マリリリリン"}, {0, 0, 0, 0, 0}, 0, 1, true},
      {"a field drive never does", {"クロス", "宿泊剣"}, {0, 0, 0, 0, 0}, 0, 1, false},
  };
  for (const Case& c : cases) {
    Equip(Enemy(), "敵", {}, c.cards);
    for (const char* name : c.swords) AddSword(Enemy(), CreateSword(name));
    RecalcFighter(Enemy());
    Enemy().HP = c.hp == 0 ? Enemy().MaxHP : c.hp;
    Enemy().Cards = c.cards;
    Equip(Player(), "あなた", {"クロス"}, {0, 0, 0, 0, 0});
    EXPECT_EQ(EffectiveDriveEnemySword(Enemy(), c.slot), c.pays) << c.what;
  }
  EXPECT_EQ(host.TakeBoxes(), std::vector<std::string>{});
}

TEST_F(EnemyAiTest, NearerCardsWeighMoreAndInfiniteSwordsAreAlwaysSpared) {
  TFighter f;
  f.Cards = {1, 10, 100, 1000, 10000};
  EXPECT_EQ(CardWeight(f), 5 + 40 + 300 + 2000 + 10000);
  Equip(Enemy(), "敵", {"シャンヌイ"}, {0, 0, 0, 0, 0});
  EXPECT_TRUE(CanSpareSword(Enemy(), 0));
  Equip(Enemy(), "敵", {"ダブルクロス", "刀"}, {0, 0, 0, 0, 0});
  EXPECT_FALSE(CanSpareSword(Enemy(), 0));
  EXPECT_TRUE(CanSpareSword(Enemy(), 1));
}

}  // namespace
}  // namespace zemra
