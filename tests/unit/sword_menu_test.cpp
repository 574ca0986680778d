// The field sword menu: its commands, reordering, discarding, and a common
// drive started in the field that returns to the menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/sword_menus.h"
#include "engine/random.h"
#include "game/game.h"
#include "runtime/status_panels.h"
#include "support/battle_fixture.h"
#include "support/sword_names.h"

namespace zemra {
namespace {

using testing::BattleFixture;
using testing::Equip;
using testing::SwordNames;
using testing::Texts;

class FieldSwordMenuTest : public BattleFixture {
 protected:
  void SetUp() override {
    BattleFixture::SetUp();
    Equip(Player(), "あなた", {"ダブルクロス", "剣", "灯籠の", "剣-1", "朧の"}, {10, 20, 30, 40, 50});
    Show(FieldSwordMenu);
  }
};

TEST_F(FieldSwordMenuTest, OffersItsFourCommands) {
  EXPECT_EQ(Lines(), Texts{"どうしますか？"});
  EXPECT_EQ(Captions(), (Texts{"exit", "始動", "並べ替え", "捨てる"}));
}

TEST_F(FieldSwordMenuTest, SortingMovesASwordUpAndCanRenameThePlayer) {
  Press("並べ替え");
  EXPECT_EQ(Lines(), (Texts{"剣を選択してください。", "一つ上の剣と位置が交換されます。"}));
  LabMainSwordClick(0);
  EXPECT_EQ(Sounds(), Texts{"bub.wav"});
  EXPECT_EQ(Player().Name, "灯籠の");
  LabMainSwordClick(4);
  LabMainSwordClick(3);
  EXPECT_EQ(Sounds(), (Texts{"suka.wav", "suka.wav"}));
  EXPECT_EQ(SwordNames(Player()), (std::vector<std::string>{"ダブルクロス", "剣", "朧の", "灯籠の", "剣-1"}));
  EXPECT_EQ(Player().Name, "朧の");
  EXPECT_EQ(Captions(), Texts{"戻る"});
  Press("戻る");
  EXPECT_EQ(Lines(), Texts{"どうしますか？"});
}

TEST_F(FieldSwordMenuTest, ACursedSwordStaysAndDiscardingTheLastLifeEndsTheGame) {
  Press("捨てる");
  LabMainSwordClick(3);
  EXPECT_EQ(Lines(), (Texts{"「剣-1」は呪われています。", "他の剣を選んでください。"}));
  LabMainSwordClick(0);
  EXPECT_EQ(Lines(), (Texts{"「ダブルクロス」を捨てます。", "よろしいですか？"}));
  Press("はい");
  EXPECT_EQ(Lines(), Texts{"「ダブルクロス」を捨てました。"});
  EXPECT_EQ(Player().HP, 0);
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"灯籠のは死んでしまった。"});
  EXPECT_EQ(Captions(), Texts{"終"});
}

TEST_F(FieldSwordMenuTest, ACommonDriveWorksInTheFieldAndLeadsBackToTheMenu) {
  Press("始動");
  LabMainSwordClick(1);
  Press("はい");
  EXPECT_EQ(Lines().back(), "灯籠のの意識が風を切った。");
  QueueRolls({9});
  Press("≫");
  EXPECT_EQ(Player().Cards, (testing::Hand{20, 30, 40, 50, 9}));
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"どうしますか？"});
}

}  // namespace
}  // namespace zemra
