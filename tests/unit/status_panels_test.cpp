// The fighter panels and the sword row: life marks, the card in play, the
// two colour schemes, hover, freezing and clicks.
#include <gtest/gtest.h>

#include "data/enemy.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "data/sword.h"
#include "runtime/status_panels.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

class StatusPanelsTest : public testing::GameFixture {
 protected:
  static void GiveSwords(TFighter& fighter, std::initializer_list<const char*> names) {
    fighter.SwordCount = 0;
    for (const char* name : names) AddSword(fighter, CreateSword(name));
    RecalcFighter(fighter);
    FullHeal(fighter);
  }
};

int g_clicks = 0;
void CountClick() { ++g_clicks; }
void ShowPlayerSwordsClickable() { ShowSelfSwords(CountClick, 0); }
void ShowEnemySwordsFrozen() { ShowEnemySwords(nullptr, 1); }

TEST_F(StatusPanelsTest, LifeIsStarsUpToFiveThenANumber) {
  struct Case {
    int hp;
    int max_hp;
    std::string shown;
  };
  const Case cases[] = {{2, 4, "★★☆☆"}, {0, 5, "☆☆☆☆☆"}, {0, 6, "0／6"}, {12, 15, "12／15"}, {-2, 8, "-2／8"}, {0, 0, ""}};
  TFighter fighter;
  for (const Case& c : cases) {
    fighter.HP = c.hp;
    fighter.MaxHP = c.max_hp;
    DrawFighterPanel(Control::LabSelfName, fighter);
    EXPECT_EQ(host.Text(Control::LabSelfHP), c.shown) << c.hp << "/" << c.max_hp;
  }
}

TEST_F(StatusPanelsTest, TheCardInPlayIsHiddenOnlyForMinusOne) {
  TFighter fighter;
  fighter.Name = "敵";
  fighter.Hit = 42;
  fighter.Cards = {1, 2, 3, 4, 99};
  for (int card : {-1, 0, 57}) {
    fighter.Card = card;
    DrawFighterPanel(Control::LabEnemyName, fighter);
    EXPECT_EQ(host.Visible(Control::LabEnemyCardCurrent), card != -1);
    EXPECT_EQ(host.Visible(Control::ShapeEnemyCardCurrent), card != -1);
  }
  EXPECT_EQ(host.Text(Control::LabEnemyCardCurrent), "57");
  EXPECT_EQ(host.Text(Control::LabEnemyName), "敵");
  EXPECT_EQ(host.Text(Control::LabEnemyReliability), "42");
  EXPECT_EQ(host.Text(Control::LabEnemyReliabilityMax), "％");
  EXPECT_EQ(host.Text(Control::LabEnemyCard4), "99");
}

TEST_F(StatusPanelsTest, HoverShowsTheSwordAndAnEmptyLabelClearsIt) {
  GiveSwords(PlayerData().Fighter, {"クロス", "剣", "刀"});
  ExecuteCommand(ShowPlayerSwordsClickable);
  EXPECT_EQ(host.Text(SwordLabel(0)), "クロス (1)");
  EXPECT_EQ(host.Text(SwordLabel(3)), "");
  LabMainSwordMouseMove(0);
  EXPECT_TRUE(host.Visible(Control::PanelMainSwordInfo));
  EXPECT_FALSE(host.Visible(Control::PanelMainIF));
  EXPECT_EQ(host.Text(Control::LabSwordInfo), "「クロス」 ☆ 命中＋1\r\n十字架型の、スタンダードな生命剣。\r\n能力：スナップ");
  EXPECT_EQ(host.Colour(SwordLabel(0)), (Rgb{187, 187, 255}));
  LabMainSwordMouseMove(5);
  EXPECT_EQ(host.Colour(SwordLabel(0)), (Rgb{221, 255, 221}));
  EXPECT_TRUE(host.Visible(Control::PanelMainIF));
  EXPECT_FALSE(host.Visible(Control::PanelMainSwordInfo));
  LabMainSwordMouseMove(2);
  OverlayMouseMove();
  EXPECT_TRUE(host.Visible(Control::PanelMainIF));
}

TEST_F(StatusPanelsTest, ClicksReachTheBoundScreenOnlyOnSwordsInUse) {
  GiveSwords(PlayerData().Fighter, {"クロス", "剣", "刀"});
  ExecuteCommand(ShowPlayerSwordsClickable);
  g_clicks = 0;
  LabMainSwordClick(3);
  EXPECT_EQ(g_clicks, 0);
  LabMainSwordClick(2);
  EXPECT_EQ(g_clicks, 1);
  EXPECT_EQ(SelectedSword(), 2);
  ShowSelfSwords(nullptr, 0);
  LabMainSwordClick(0);
  EXPECT_EQ(g_clicks, 1);
}

TEST_F(StatusPanelsTest, FrozenEnemyRowKeepsTheChosenSword) {
  GiveSwords(Enemy(), {"ジフ", "マリリン", "剣"});
  SetSelectedSword(1);
  ExecuteCommand(ShowEnemySwordsFrozen);
  EXPECT_EQ(host.Colour(Control::PanelMainSword), (Rgb{255, 204, 204}));
  EXPECT_EQ(host.Colour(SwordLabel(1)), (Rgb{255, 187, 187}));
  EXPECT_EQ(host.Colour(SwordLabel(0)), (Rgb{255, 221, 221}));
  LabMainSwordMouseMove(0);
  OverlayMouseMove();
  EXPECT_EQ(host.Colour(SwordLabel(0)), (Rgb{255, 221, 221}));
  EXPECT_EQ(host.Colour(SwordLabel(1)), (Rgb{255, 187, 187}));
  EXPECT_FALSE(host.Visible(Control::PanelMainSwordInfo));
  EXPECT_EQ(ShownTopPanel(), Control::PanelMainSword);
}

}  // namespace
}  // namespace zemra
