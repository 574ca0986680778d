// Fighter rules: derived name, life and hit; the eight-slot limit; obtained
// kinds only for the player's own record; cards; the weighted lottery.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/enemy.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "engine/random.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

using testing::GameFixture;

class FighterTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    host.TakeBoxes();
    fighter.BaseName = "敵";
  }

  void Give(std::initializer_list<const char*> names) {
    for (const char* name : names) AddSword(fighter, CreateSword(name));
    RecalcFighter(fighter);
  }

  TFighter fighter;
};

TEST_F(FighterTest, AFighterWithoutSwordsIsNamedByItsBaseAndDead) {
  RecalcFighter(fighter);
  FullHeal(fighter);
  EXPECT_EQ(fighter.Name, "敵");
  EXPECT_EQ(fighter.MaxHP, 0);
  EXPECT_EQ(fighter.Hit, 0);
  EXPECT_EQ(fighter.HP, 0);
  EXPECT_TRUE(IsDead(fighter));
}

TEST_F(FighterTest, LifeSwordsRaiseMaxHPOnlyAndTheirLossClipsHP) {
  Give({"クロス"});
  FullHeal(fighter);
  Give({"クロス"});
  EXPECT_EQ(fighter.MaxHP, 2);
  EXPECT_EQ(fighter.HP, 1);
  FullHeal(fighter);
  RemoveSword(fighter, 0);
  RemoveSword(fighter, 0);
  RecalcFighter(fighter);
  EXPECT_EQ(fighter.MaxHP, 0);
  EXPECT_EQ(fighter.HP, 0);
  EXPECT_TRUE(IsDead(fighter));
}

TEST_F(FighterTest, HitIsCappedAtAHundred) {
  Give({"マリリリリン", "マリリリリン", "マリリリリン"});
  EXPECT_EQ(fighter.Hit, 100);
}

TEST_F(FighterTest, TheFirstInscribedSwordInSlotOrderNamesTheFighter) {
  Give({"剣", "刀", "クロス", "ラーダ", "剣", "ジフ"});
  EXPECT_EQ(fighter.Name, "ラーダ");
  RemoveSword(fighter, 3);
  RecalcFighter(fighter);
  EXPECT_EQ(fighter.Name, "ジフ");
  EXPECT_EQ(fighter.SwordCount, 5);
  EXPECT_EQ(fighter.Swords[3].Name, "剣");
  EXPECT_EQ(fighter.Swords[4].Name, "ジフ");
  EXPECT_EQ(fighter.Swords[5], TSword{});
}

TEST_F(FighterTest, TheEighthSwordFitsAndTheNinthIsRefused) {
  for (int i = 0; i < 8; ++i) AddSword(fighter, CreateSword("剣"));
  EXPECT_TRUE(host.TakeBoxes().empty());
  const TFighter full = fighter;
  AddSword(fighter, CreateSword("刀"));
  EXPECT_EQ(host.TakeBoxes(), std::vector<std::string>{"error in AddSword"});
  EXPECT_EQ(fighter, full);
}

TEST_F(FighterTest, OnlyThePlayersOwnRecordMarksKindsObtained) {
  TFighter copy_of_player = PlayerData().Fighter;
  AddSword(Enemy(), CreateSword("刀"));
  AddSword(copy_of_player, CreateSword("鉈"));
  AddSword(PlayerData().Fighter, CreateSword("剣"));
  const auto& obtained = PlayerData().Obtained;
  EXPECT_FALSE(obtained[30]);
  EXPECT_FALSE(obtained[36]);
  EXPECT_TRUE(obtained[28]);
}

TEST_F(FighterTest, HasSwordComparesTheNamesOfSwordsInUse) {
  Give({"剣", "刀"});
  RemoveSword(fighter, 1);
  EXPECT_TRUE(HasSword(fighter, "剣"));
  EXPECT_FALSE(HasSword(fighter, "刀"));
  EXPECT_FALSE(HasSword(fighter, "剣-1"));
}

TEST_F(FighterTest, NextCardPlaysTheDealtCardsInOrder) {
  QueueRolls({11, 22, 33, 44, 55});
  DealCards(fighter);
  EXPECT_EQ(fighter.Cards, (std::array<std::int32_t, 5>{11, 22, 33, 44, 55}));
  QueueRolls({66, 77, 88, 99, 0});
  std::vector<int> played;
  for (int i = 0; i < 5; ++i) {
    NextCard(fighter);
    played.push_back(fighter.Card);
  }
  EXPECT_EQ(played, (std::vector<int>{11, 22, 33, 44, 55}));
  EXPECT_EQ(fighter.Cards, (std::array<std::int32_t, 5>{66, 77, 88, 99, 0}));
  EXPECT_EQ(QueuedRollCount(), 0u);
}

TEST_F(FighterTest, TheLotteryWalksItsEntriesInInsertionOrder) {
  struct Case {
    int roll;
    const char* drawn;
  };
  // 剣 1, 刀 3, 鉈 2, 剣 again 1: the total is 7.
  const Case kCases[] = {{0, "剣"}, {1, "刀"}, {3, "刀"}, {4, "鉈"}, {5, "鉈"}, {6, "剣"}};
  ClearSwordLottery();
  AddSwordLottery("剣", 1);
  AddSwordLottery("刀", 3);
  AddSwordLottery("鉈", 2);
  AddSwordLottery("剣", 1);
  for (const Case& c : kCases) {
    QueueRolls({c.roll});
    const TSword sword = DrawSwordLottery();
    EXPECT_EQ(sword.Name, c.drawn) << "roll " << c.roll;
    EXPECT_EQ(QueuedRollCount(), 0u);
  }
}

TEST_F(FighterTest, ClearingTheLotteryStartsANewList) {
  AddSwordLottery("刀", 5);
  ClearSwordLottery();
  AddSwordLottery("鉈", 1);
  QueueRolls({0});
  EXPECT_EQ(DrawSwordLottery().Name, "鉈");
}

}  // namespace
}  // namespace zemra
