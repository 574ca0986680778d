// A battle in the window: the enemy panel replaces the picture, both fighters'
// cards show, the card in play appears after a blow, and the spoil choice
// switches the sword row to the enemy's colours.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "engine/random.h"
#include "runtime/console.h"
#include "support/crafted_save.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

class WindowBattleTest : public WindowTest {
 protected:
  QString Text(Control control) const {
    if (auto* label = qobject_cast<QLabel*>(W(control))) return label->text();
    return qobject_cast<QPushButton*>(W(control))->text();
  }
  // The first command stands on the rightmost button.
  void PressCommand(int index) { QTest::mouseClick(W(CommandButton(kConsoleCommands - 1 - index)), Qt::LeftButton); }
};

TEST_F(WindowBattleTest, TheBattlePageShowsBothFightersAndTheSpoilRow) {
  WriteCraftedSave(folder_->Path(), {0, {"ダブルクロス", "刀", "刀"}, {83, 10, 10, 10, 10}});
  StartAndWait();
  ASSERT_TRUE(Shown(Control::PanelMainImage));
  QueueRolls({1, 1, 0, 0, 1, 5, 99, 0, 1, 2, 3, 4});
  PressCommand(0);  // 徘徊
  EXPECT_TRUE(Shown(Control::PanelMainEnemy));
  EXPECT_FALSE(Shown(Control::PanelMainImage));
  EXPECT_EQ(Text(Control::LabEnemyName), QStringLiteral("敵"));
  EXPECT_EQ(Text(Control::LabEnemyReliability), QStringLiteral("6"));
  EXPECT_EQ(Text(Control::LabEnemyCard4), QStringLiteral("4"));
  EXPECT_FALSE(Shown(Control::LabEnemyCardCurrent));
  EXPECT_EQ(Text(Control::BtnMainCommand4), QStringLiteral("戦う"));
  EXPECT_EQ(Text(Control::BtnMainCommand3), QStringLiteral("逃げる"));

  PressCommand(0);  // 戦う
  QueueRolls({50, 51});
  PressCommand(0);  // ファイト
  EXPECT_TRUE(Text(Control::LabMainText).startsWith(QStringLiteral("敵 => 6 => ミス")));
  EXPECT_TRUE(Shown(Control::LabSelfCardCurrent));
  EXPECT_TRUE(Shown(Control::ShapeSelfCardCurrent));
  EXPECT_EQ(Text(Control::LabSelfCardCurrent), QStringLiteral("83"));
  EXPECT_EQ(Text(Control::LabEnemyHP), QStringLiteral("☆"));

  PressCommand(0);  // ≫: victory
  PressCommand(0);  // ≫: the spoil choice
  EXPECT_TRUE(Shown(Control::PanelMainSword));
  EXPECT_EQ(Text(SwordLabel(0)), QStringLiteral("ヒント剣 (5)"));
  QTest::mouseClick(W(SwordLabel(1)), Qt::LeftButton);
  EXPECT_EQ(Text(Control::LabMainText), QStringLiteral("「クロス」を手に入れた。\n"));
  EXPECT_EQ(Text(SwordLabel(3)), QStringLiteral("クロス (1)"));
}

}  // namespace
}  // namespace zemra::testing
