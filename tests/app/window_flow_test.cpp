// The game running in the window: the title animation on the scheduler pump,
// the way through the name page to the main page, the sword row's mouse
// handling, modal boxes holding the scheduler, and the end of the program.
#include <array>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "app/desk/desk_controls.h"
#include "app/desk/sword_focus.h"
#include "app/window/game_pump.h"
#include "support/modal_answerer.h"
#include "app/window/picture_box.h"
#include "app/window/qt_host.h"
#include "app/window/sound_output.h"
#include "app/window/sword_row_label.h"
#include "runtime/console.h"
#include "game/game.h"
#include "game/title.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

const QString kOfferText = QStringLiteral("あなたが落としたのはこのステータスですか？");

class WindowFlowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartAndWait();
  }

  QString LabelText(Control control) const { return qobject_cast<QLabel*>(W(control))->text(); }

  void ClickTitle() { QTest::mouseClick(W(Control::PntTitle), Qt::LeftButton, {}, QPoint(250, 200)); }

  // Types the name and presses "刻む"; returns the texts of the boxes answered.
  QStringList CarveName(const QString& name, QMessageBox::StandardButton answer) {
    auto* edit = qobject_cast<QLineEdit*>(W(Control::EditInputName));
    // Key clicks carry only ASCII: the name goes in as typed text would.
    edit->setText(name);
    const ModalAnswerer answerer([answer](const QString&) { return answer; });
    QTest::mouseClick(W(Control::BtnInputName), Qt::LeftButton);
    return answerer.Seen();
  }

  void ReachMainPage() {
    ClickTitle();
    CarveName(QStringLiteral("ムラマサ"), QMessageBox::Yes);
    ASSERT_TRUE(Shown(Control::PageMain));
  }
};

TEST_F(WindowFlowTest, TitleAnimatesFromTheSchedulerAndSleepsBetweenFrames) {
  EXPECT_TRUE(Shown(Control::PageTitle));
  auto* title = dynamic_cast<PictureBox*>(W(Control::PntTitle));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Title().frame >= 3; }, 2000));
  EXPECT_EQ(title->Picture().size(), QSize(500, 400));
  // Between frames the pump waits on its timer instead of running passes.
  EXPECT_TRUE(window_->Pump().TimerActive());
  // Each frame comes from a clock step at least one interval after the last.
  std::vector<std::uint32_t> frame_clocks{GameClock()};
  int frame = Title().frame;
  const int last = frame + 5;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        if (Title().frame != frame) {
          frame = Title().frame;
          frame_clocks.push_back(GameClock());
        }
        return frame >= last;
      },
      3000));
  for (std::size_t i = 1; i < frame_clocks.size(); ++i) EXPECT_GE(frame_clocks[i] - frame_clocks[i - 1], 51u) << i;
}

TEST_F(WindowFlowTest, ClickOnTheTitleOpensTheNamePageAndStopsTheAnimation) {
  ClickTitle();
  EXPECT_TRUE(Shown(Control::PageInputName));
  EXPECT_FALSE(Shown(Control::PageTitle));
  EXPECT_EQ(QApplication::focusWidget(), W(Control::EditInputName));
  EXPECT_TRUE(LabelText(Control::LabInputName).endsWith(QStringLiteral("（16バイト以内）")));
  // Nothing is due any more: the program sleeps until the next event.
  const int frame = Title().frame;
  QTest::qWait(200);
  EXPECT_EQ(Title().frame, frame);
  EXPECT_FALSE(window_->Pump().TimerActive());
}

TEST_F(WindowFlowTest, NamePageAnswers) {
  struct Case {
    QString name;
    QMessageBox::StandardButton answer;
    QStringList boxes;
    Control page;
  };
  const QString question = QStringLiteral("≪ムラマサ≫\nこれでいいですか？");
  const Case cases[] = {
      {QString(), QMessageBox::Ok, {QStringLiteral("銘が入力されていません。")}, Control::PageInputName},
      {QStringLiteral("あいうえおかきくけ"),
       QMessageBox::Ok,
       {QStringLiteral("銘が規定文字数を超えています。")},
       Control::PageInputName},
      {QStringLiteral("ムラマサ"), QMessageBox::No, {question}, Control::PageInputName},
      {QStringLiteral("ムラマサ"), QMessageBox::Yes, {question, QStringLiteral("刻まれました。")}, Control::PageMain},
  };
  ClickTitle();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    EXPECT_EQ(CarveName(c.name, c.answer), c.boxes);
    EXPECT_TRUE(Shown(c.page));
    if (c.page == Control::PageInputName) {
      EXPECT_EQ(qobject_cast<QLineEdit*>(W(Control::EditInputName))->text(), c.name);
      // Focus comes back once the window is active again after the box.
      EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == W(Control::EditInputName); }, 1000));
    }
  }
  EXPECT_FALSE(Shown(Control::PageInputName));
  EXPECT_TRUE(LabelText(Control::LabMainText).startsWith(kOfferText));
}

TEST_F(WindowFlowTest, MainPageShowsTheOfferWithItsCommandsAndIdles) {
  ReachMainPage();
  EXPECT_TRUE(Shown(Control::PanelMainSword));
  EXPECT_TRUE(Shown(Control::PanelMainSelf));
  EXPECT_TRUE(Shown(Control::PanelMainIF));
  EXPECT_FALSE(Shown(Control::PanelMainSwordInfo));
  EXPECT_EQ(qobject_cast<QPushButton*>(W(Control::BtnMainCommand4))->text(), QStringLiteral("はい"));
  EXPECT_EQ(qobject_cast<QPushButton*>(W(Control::BtnMainCommand3))->text(), QStringLiteral("いいえ"));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Shown(CommandButton(i))) << i;
  EXPECT_FALSE(LabelText(Control::LabSelfName).isEmpty());
  EXPECT_FALSE(LabelText(Control::LabMainSword0).isEmpty());
  EXPECT_FALSE(window_->Pump().TimerActive());

  // "いいえ" rolls again: the same question comes back.
  QTest::mouseClick(W(Control::BtnMainCommand3), Qt::LeftButton);
  EXPECT_TRUE(LabelText(Control::LabMainText).startsWith(kOfferText));
}

TEST_F(WindowFlowTest, CommandKeysPressTheShownCommandsFromTheRight) {
  ReachMainPage();
  // The offer shows "はい" (rightmost, the first command) and "いいえ" beside it.
  std::array<int, kConsoleCommands> clicks{};
  for (int i = 0; i < kConsoleCommands; ++i) {
    QObject::connect(qobject_cast<QPushButton*>(W(CommandButton(i))), &QPushButton::clicked,
                     [&clicks, i] { ++clicks[static_cast<std::size_t>(i)]; });
  }
  const auto press = [this](Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : window_.get(), key);
  };
  for (Qt::Key unbound : {Qt::Key_3, Qt::Key_5, Qt::Key_6, Qt::Key_0, Qt::Key_A, Qt::Key_F10, Qt::Key_Alt}) press(unbound);
  EXPECT_EQ(clicks, (std::array<int, kConsoleCommands>{}));
  press(Qt::Key_2);
  EXPECT_EQ(clicks, (std::array<int, kConsoleCommands>{0, 0, 0, 1, 0}));
  EXPECT_TRUE(LabelText(Control::LabMainText).startsWith(kOfferText));
  press(Qt::Key_Return);
  EXPECT_EQ(clicks, (std::array<int, kConsoleCommands>{0, 0, 0, 1, 1}));
  EXPECT_FALSE(LabelText(Control::LabMainText).startsWith(kOfferText));
}

TEST_F(WindowFlowTest, OnTheNamePageDigitsAndLettersGoToTheNameAndEnterCarvesIt) {
  ClickTitle();
  auto* edit = qobject_cast<QLineEdit*>(W(Control::EditInputName));
  QTest::keyClicks(edit, QStringLiteral("12m"));
  EXPECT_EQ(edit->text(), QStringLiteral("12m"));
  EXPECT_FALSE(window_->Sound().Muted());
  for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
    const ModalAnswerer answerer([](const QString&) { return QMessageBox::No; });
    QTest::keyClick(edit, enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(answerer.Seen(), QStringList{QStringLiteral("≪12m≫\nこれでいいですか？")});
    EXPECT_TRUE(Shown(Control::PageInputName));
  }
}

TEST_F(WindowFlowTest, EnterThatCarvesTheNameLeavesTheStatusOfferToThePlayer) {
  ClickTitle();
  auto* edit = qobject_cast<QLineEdit*>(W(Control::EditInputName));
  QTest::keyClicks(edit, QStringLiteral("abc"));
  {
    const ModalAnswerer answerer(ModalAnswerer::Agree);  // はい, then the notice closed
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(answerer.Seen(), (QStringList{QStringLiteral("≪abc≫\nこれでいいですか？"), QStringLiteral("刻まれました。")}));
  }
  // The one Enter carved the name; it answers nothing on the page that follows.
  ASSERT_TRUE(Shown(Control::PageMain));
  EXPECT_TRUE(LabelText(Control::LabMainText).startsWith(kOfferText)) << LabelText(Control::LabMainText).toStdString();
  EXPECT_EQ(Console().command_count, 2);
}

// The offer's swords take no click, but a keyboard player reads them as the mouse does.
TEST_F(WindowFlowTest, TheKeysReadTheOfferedSwordsAndEnterBringsTheCommandsBack) {
  ReachMainPage();
  const auto press = [this](Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : window_.get(), key);
  };
  const SwordFocus& focus = window_->Desk().Focus();
  int swords = 0;  // a roll offers one or more
  while (swords < kSwordLabelCount && !LabelText(SwordLabel(swords)).isEmpty()) ++swords;
  ASSERT_GT(swords, 0);
  const struct {
    Qt::Key key;
    int focused;
  } steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Tab, 1 % swords}, {Qt::Key_Up, 0}};
  for (const auto& step : steps) {
    press(step.key);
    EXPECT_EQ(focus.Focused(), step.focused) << step.key;
    EXPECT_TRUE(Shown(Control::PanelMainSwordInfo)) << step.key;
    EXPECT_FALSE(LabelText(Control::LabSwordInfo).isEmpty()) << step.key;
  }
  press(Qt::Key_Return);
  EXPECT_EQ(focus.Focused(), -1);
  EXPECT_TRUE(Shown(Control::PanelMainIF));
  EXPECT_TRUE(LabelText(Control::LabMainText).startsWith(kOfferText));
}

TEST_F(WindowFlowTest, HoveringASwordShowsItsInformationAndThePanelBringsTheConsoleBack) {
  ReachMainPage();
  QWidget* label = W(Control::LabMainSword0);
  // Through the window, so the overlay and the raised labels decide who hears the mouse.
  QTest::mouseMove(window_.get(), label->mapTo(window_.get(), QPoint(100, 12)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(Control::PanelMainSwordInfo); }, 1000));
  EXPECT_FALSE(Shown(Control::PanelMainIF));
  EXPECT_FALSE(LabelText(Control::LabSwordInfo).isEmpty());
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(187, 187, 255));

  // Between the two columns of labels lies only the panel's overlay.
  QTest::mouseMove(window_.get(), QPoint(250, 60));
  EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(Control::PanelMainIF); }, 1000));
  EXPECT_FALSE(Shown(Control::PanelMainSwordInfo));
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(221, 255, 221));
}

TEST_F(WindowFlowTest, AModalBoxHoldsTheSchedulerUntilItCloses) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->Pump().PassCount() > 0; }, 2000));
  int passes_while_open = -1;
  const ModalAnswerer answerer([&](const QString&) {
    const int before = window_->Pump().PassCount();
    QTest::qWait(300);  // six frames' worth of time with the box open
    passes_while_open = window_->Pump().PassCount() - before;
    return QMessageBox::Ok;
  });
  // The deferred warning opens its box from a pass, while the title animates.
  ShowWarningMessage("error in AddMainText");
  ASSERT_TRUE(QTest::qWaitFor([&] { return passes_while_open >= 0; }, 2000));
  EXPECT_EQ(passes_while_open, 0);
  // Once closed, the handler's end re-arms the pump and the animation goes on.
  EXPECT_TRUE(window_->Pump().TimerActive());
  const int passes = window_->Pump().PassCount();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window_->Pump().PassCount() > passes; }, 1000));
}

TEST_F(WindowFlowTest, TerminateEndsTheEventLoopAfterTheCurrentHandler) {
  QTimer::singleShot(0, window_.get(), [] { TheHost().Terminate(); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(window_->Pump().Quitting());
  EXPECT_FALSE(window_->Pump().TimerActive());
  // Events after the request no longer reach the core.
  const int frame = Title().frame;
  window_->Pump().Apply(Input::TitleClick());
  EXPECT_FALSE(Shown(Control::PageInputName));
  EXPECT_EQ(Title().frame, frame);
}

TEST(SwordRowLabelClicks, ADoubleClickCountsAsASecondClick) {
  struct Step {
    QEvent::Type type;
    Qt::MouseButton button;
    QPoint at;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    int clicks;
  };
  const QPoint in(10, 10);
  const QPoint out(500, 10);
  const Case cases[] = {
      {"click", {{QEvent::MouseButtonPress, Qt::LeftButton, in}, {QEvent::MouseButtonRelease, Qt::LeftButton, in}}, 1},
      {"double click",
       {{QEvent::MouseButtonPress, Qt::LeftButton, in},
        {QEvent::MouseButtonRelease, Qt::LeftButton, in},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, in},
        {QEvent::MouseButtonRelease, Qt::LeftButton, in}},
       2},
      {"released outside",
       {{QEvent::MouseButtonPress, Qt::LeftButton, in}, {QEvent::MouseButtonRelease, Qt::LeftButton, out}},
       0},
      {"right button",
       {{QEvent::MouseButtonPress, Qt::RightButton, in}, {QEvent::MouseButtonRelease, Qt::RightButton, in}},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int clicks = 0;
    int moves = 0;
    SwordRowLabel label(
        nullptr, [&] { ++clicks; }, [&] { ++moves; });
    label.resize(235, 25);
    for (const Step& step : c.steps) {
      const Qt::MouseButtons held =
          step.type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(step.button);
      QMouseEvent event(step.type, QPointF(step.at), label.mapToGlobal(QPointF(step.at)), step.button, held,
                        Qt::NoModifier);
      QApplication::sendEvent(&label, &event);
    }
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(moves, 0);
  }
}

}  // namespace
}  // namespace zemra::testing
