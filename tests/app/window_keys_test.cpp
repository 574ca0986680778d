// The window played from the keyboard: the title page, the sword row's focus
// in the sword menus, Escape and the digit keys under a hover, the key list,
// mute, and no command button keeping a focus that Space could press.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/desk/desk_controls.h"
#include "support/modal_answerer.h"
#include "app/window/sound_output.h"
#include "app/desk/sword_focus.h"
#include "app/window/sword_row_label.h"
#include "engine/random.h"
#include "runtime/console.h"
#include "game/game.h"
#include "support/crafted_save.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

const QColor kHighlight(187, 187, 255);

class WindowKeysTest : public WindowTest {
 protected:
  void StartInTheField() {
    WriteCraftedSave(folder_->Path(), {0, {"ダブルクロス", "刀", "刀"}, {83, 10, 10, 10, 10}});
    StartAndWait();
    ASSERT_TRUE(Shown(Control::PanelMainImage));
  }
  QString Text(Control control) const { return qobject_cast<QLabel*>(W(control))->text(); }
  // A key as the player presses it: to the focused control, else the window.
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : window_.get(), static_cast<Qt::Key>(key), modifiers);
  }
  void PressAll(std::initializer_list<int> keys) {
    for (int key : keys) Press(key);
  }
  int Focused() { return window_->Desk().Focus().Focused(); }
};

TEST_F(WindowKeysTest, EnterOrSpaceOnTheTitleOpensTheNamePage) {
  StartAndWait();
  for (int key : {Qt::Key_A, Qt::Key_1, Qt::Key_Down}) Press(key);
  EXPECT_TRUE(Shown(Control::PageTitle));
  Press(Qt::Key_Space);
  EXPECT_TRUE(Shown(Control::PageInputName));
  EXPECT_EQ(QApplication::focusWidget(), W(Control::EditInputName));
}

TEST_F(WindowKeysTest, TheSwordFocusShowsAndClicksSwordsInTheSwordMenus) {
  struct Case {
    const char* menu;
    int menu_key;  // from the sword menu: 始動 2, 並べ替え 3, 捨てる 4
    QString after_click;
  };
  const Case cases[] = {
      {"start", Qt::Key_2, QStringLiteral("「刀」")},
      {"discard", Qt::Key_4, QStringLiteral("「刀」を捨てます。")},
      {"sort", Qt::Key_3, QStringLiteral("剣を選択してください。")},
  };
  StartInTheField();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu);
    PressAll({Qt::Key_2, c.menu_key});  // 剣, then the menu
    ASSERT_EQ(Focused(), -1);
    Press(Qt::Key_Down);
    EXPECT_EQ(Focused(), 0);
    Press(Qt::Key_Down);
    EXPECT_EQ(Focused(), 1);
    // Shown exactly as the mouse hover shows it.
    EXPECT_TRUE(Shown(Control::PanelMainSwordInfo));
    EXPECT_FALSE(Shown(Control::PanelMainIF));
    EXPECT_EQ(W(SwordLabel(1))->palette().color(QPalette::Window), kHighlight);
    EXPECT_FALSE(Text(Control::LabSwordInfo).isEmpty());
    EXPECT_TRUE(dynamic_cast<SwordRowLabel*>(W(SwordLabel(1)))->KeyFocus());

    Press(Qt::Key_Return);
    EXPECT_TRUE(Shown(Control::PanelMainIF));
    EXPECT_TRUE(Text(Control::LabMainText).startsWith(c.after_click)) << Text(Control::LabMainText).toStdString();
    // Back to the field for the next menu: 戻る/いいえ, then exit.
    while (!Shown(Control::PanelMainImage)) Press(Qt::Key_1);
  }
  // The sort swapped the first two swords.
  EXPECT_TRUE(Text(SwordLabel(0)).startsWith(QStringLiteral("刀")));
}

TEST_F(WindowKeysTest, AFrozenRowTakesNoFocus) {
  StartInTheField();
  PressAll({Qt::Key_2, Qt::Key_4, Qt::Key_Down, Qt::Key_Return});  // 捨てる the first sword: the row freezes
  ASSERT_TRUE(Text(Control::LabMainText).startsWith(QStringLiteral("「ダブルクロス」を捨てます。")));
  EXPECT_EQ(Focused(), -1);
  for (int key : {Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space}) Press(key);
  EXPECT_EQ(Focused(), -1);
  EXPECT_TRUE(Shown(Control::PanelMainIF));
  EXPECT_EQ(W(SwordLabel(0))->palette().color(QPalette::Window), kHighlight);  // chosen, as the mouse leaves it
}

TEST_F(WindowKeysTest, EscapeAndTheFirstDigitUnderAHoverBringTheConsoleBack) {
  StartInTheField();
  PressAll({Qt::Key_2, Qt::Key_2});  // the start menu: one command, 戻る
  const QString menu = Text(Control::LabMainText);
  Press(Qt::Key_Tab);
  ASSERT_TRUE(Shown(Control::PanelMainSwordInfo));
  Press(Qt::Key_Escape);
  EXPECT_EQ(Focused(), -1);
  EXPECT_TRUE(Shown(Control::PanelMainIF));

  // The mouse's hover covers the commands: the first digit brings them back and presses nothing.
  QTest::mouseMove(window_.get(), W(SwordLabel(0))->mapTo(window_.get(), QPoint(100, 12)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Shown(Control::PanelMainSwordInfo); }, 1000));
  Press(Qt::Key_1);
  EXPECT_TRUE(Shown(Control::PanelMainIF));
  EXPECT_EQ(Text(Control::LabMainText), menu);
  Press(Qt::Key_1);
  EXPECT_NE(Text(Control::LabMainText), menu);
}

TEST_F(WindowKeysTest, ACommandButtonKeepsNoFocusForSpaceToPress) {
  StartInTheField();
  int pressed = 0;
  for (int i = 0; i < kConsoleCommands; ++i) {
    QObject::connect(qobject_cast<QPushButton*>(W(CommandButton(i))), &QPushButton::clicked, [&pressed] { ++pressed; });
  }
  QTest::mouseClick(W(CommandButton(kConsoleCommands - 2)), Qt::LeftButton);  // 剣
  ASSERT_EQ(pressed, 1);
  EXPECT_EQ(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr);
  Press(Qt::Key_Space);
  EXPECT_EQ(pressed, 1);
}

TEST_F(WindowKeysTest, F1ListsTheKeysAndMTogglesTheSound) {
  StartInTheField();
  {
    const ModalAnswerer answerer(ModalAnswerer::Agree);
    Press(Qt::Key_F1);
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_TRUE(answerer.Seen()[0].startsWith(QStringLiteral("キー操作")));
    EXPECT_TRUE(answerer.Seen()[0].contains(QStringLiteral("Ctrl+0")));
  }
  EXPECT_TRUE(Shown(Control::PanelMainImage));
  Press(Qt::Key_M);
  EXPECT_TRUE(window_->Sound().Muted());
  EXPECT_TRUE(window_->Desk().Settings().muted);
  Press(Qt::Key_M);
  EXPECT_FALSE(window_->Sound().Muted());
}

TEST_F(WindowKeysTest, OneBattleFromTheFieldToTheSpoilWithKeysOnly) {
  StartInTheField();
  QueueRolls({1, 1, 0, 0, 1, 5, 99, 0, 1, 2, 3, 4, 50, 51});
  const std::initializer_list<int> keys = {
      Qt::Key_1,       // 徘徊: an enemy
      Qt::Key_Return,  // 戦う
      Qt::Key_Return,  // ファイト: the enemy falls
      Qt::Key_Return,  // ≫ victory
      Qt::Key_Return,  // ≫ the spoil choice
      Qt::Key_Down,    // the enemy's first sword
      Qt::Key_Down,    // its second
      Qt::Key_Space,   // take it
  };
  PressAll(keys);
  EXPECT_EQ(Text(Control::LabMainText), QStringLiteral("「クロス」を手に入れた。\n"));
  EXPECT_EQ(Text(SwordLabel(3)), QStringLiteral("クロス (1)"));
  RecordProperty("keys", static_cast<int>(keys.size()));
}

}  // namespace
}  // namespace zemra::testing
