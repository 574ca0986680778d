// The window as built, before the game starts: frame, centring, where the
// pages, panels and controls stand and how they look, and the keys that
// never reach the controls.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <optional>

#include "app/window/panel_widgets.h"
#include "app/window/qt_host.h"
#include "game/title.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

using WindowLayoutTest = WindowTest;

TEST_F(WindowLayoutTest, FixedClientWithCaptionAndMinimiseOnly) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("ヴァルミナ・クェル"));
  EXPECT_EQ(window_->size(), QSize(500, 400));
  EXPECT_EQ(window_->minimumSize(), QSize(500, 400));
  EXPECT_EQ(window_->maximumSize(), QSize(500, 400));
  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(WindowCentring, CentresTheOuterFrameEvenOnASmallerScreen) {
  struct Case {
    QRect screen;
    QSize frame;
    QPoint expected;
  };
  const Case cases[] = {
      {QRect(0, 0, 1920, 1080), QSize(500, 400), QPoint(710, 340)},
      {QRect(0, 0, 1920, 1080), QSize(508, 431), QPoint(706, 324)},
      {QRect(0, 0, 400, 300), QSize(500, 400), QPoint(-50, -50)},
      {QRect(1920, 0, 1280, 1024), QSize(500, 400), QPoint(2310, 312)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TFormMain::CentredTopLeft(c.screen, c.frame), c.expected) << c.screen.width() << "x" << c.screen.height();
  }
}

TEST_F(WindowLayoutTest, OpensCentredOnThePrimaryScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window_->frameGeometry().topLeft(), TFormMain::CentredTopLeft(screen, window_->frameGeometry().size()));
}

TEST_F(WindowLayoutTest, PagesCoverTheClientAndOnlyTheTitleShows) {
  struct Case {
    Control page;
    QColor background;
    bool shown;
  };
  const Case cases[] = {
      {Control::PageTitle, QColor(68, 68, 68), true},
      {Control::PageInputName, QColor(0x87, 0xCE, 0xEB), false},
      {Control::PageMain, QColor(192, 192, 192), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.page));
    QWidget* page = W(c.page);
    EXPECT_EQ(page->parentWidget(), window_.get());
    EXPECT_EQ(page->geometry(), QRect(0, 0, 500, 400));
    EXPECT_EQ(page->palette().color(QPalette::Window), c.background);
    EXPECT_EQ(Shown(c.page), c.shown);
  }
}

TEST_F(WindowLayoutTest, PanelsStandInTheirBandsWithTheirColours) {
  struct Case {
    Control panel;
    QRect rect;
    QColor background;
    bool visible;
  };
  const Case cases[] = {
      {Control::PanelMainSword, QRect(0, 0, 500, 125), QColor(204, 255, 204), true},
      {Control::PanelMainImage, QRect(0, 0, 500, 125), QColor(221, 255, 221), false},
      {Control::PanelMainEnemy, QRect(0, 0, 500, 125), QColor(221, 170, 170), false},
      {Control::PanelMainSelf, QRect(0, 125, 500, 125), QColor(170, 221, 170), true},
      {Control::PanelMainIF, QRect(0, 250, 500, 150), QColor(204, 255, 204), true},
      {Control::PanelMainSwordInfo, QRect(0, 250, 500, 150), QColor(204, 204, 255), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.panel));
    auto* panel = dynamic_cast<BevelPanel*>(W(c.panel));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), W(Control::PageMain));
    EXPECT_EQ(panel->geometry(), c.rect);
    EXPECT_EQ(panel->Background(), c.background);
    EXPECT_EQ(panel->isVisibleTo(W(Control::PageMain)), c.visible);
  }
}

TEST_F(WindowLayoutTest, ControlsStandWhereTheirPanelsExpectThem) {
  struct Case {
    Control control;
    Control parent;
    QRect rect;
    int px;
    bool italic;
    std::optional<QColor> background;  // none: transparent
    std::optional<QColor> text;
  };
  const Case cases[] = {
      {Control::LabMainSword0, Control::PanelMainSword, QRect(10, 5, 235, 25), 16, false, QColor(221, 255, 221),
       QColor(34, 68, 34)},
      {Control::LabMainSword7, Control::PanelMainSword, QRect(255, 95, 235, 25), 16, false, QColor(221, 255, 221),
       QColor(34, 68, 34)},
      {Control::LabSelfName, Control::PanelMainSelf, QRect(8, 8, 345, 25), 16, false, std::nullopt, std::nullopt},
      {Control::LabEnemyHP, Control::PanelMainEnemy, QRect(8, 32, 113, 25), 16, false, std::nullopt, std::nullopt},
      {Control::LabSelfReliability, Control::PanelMainSelf, QRect(8, 80, 73, 41), 37, true, std::nullopt, std::nullopt},
      {Control::LabEnemyReliabilityMax, Control::PanelMainEnemy, QRect(82, 96, 49, 25), 16, true, std::nullopt,
       std::nullopt},
      {Control::LabSelfCardCurrent, Control::PanelMainSelf, QRect(136, 55, 57, 39), 37, true, std::nullopt,
       QColor(34, 34, 68)},
      {Control::LabSelfCard0, Control::PanelMainSelf, QRect(208, 58, 48, 33), 32, true, std::nullopt,
       QColor(34, 34, 68)},
      {Control::LabEnemyCard4, Control::PanelMainEnemy, QRect(432, 58, 48, 33), 32, true, std::nullopt,
       QColor(34, 34, 68)},
      {Control::LabMainText, Control::PanelMainIF, QRect(10, 10, 480, 90), 16, false, QColor(221, 255, 221),
       QColor(34, 68, 34)},
      {Control::LabSwordInfo, Control::PanelMainSwordInfo, QRect(10, 10, 480, 130), 16, false, QColor(221, 221, 255),
       QColor(34, 34, 68)},
      {Control::LabInputName, Control::PageInputName, QRect(0, 44, 500, 100), 16, false, std::nullopt,
       QColor(68, 51, 51)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.control));
    auto* label = qobject_cast<QLabel*>(W(c.control));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), W(c.parent));
    EXPECT_EQ(label->geometry(), c.rect);
    EXPECT_EQ(label->font().pixelSize(), c.px);
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().italic(), c.italic);
    EXPECT_EQ(label->autoFillBackground(), c.background.has_value());
    if (c.background) {
      EXPECT_EQ(label->palette().color(QPalette::Window), *c.background);
    }
    if (c.text) {
      EXPECT_EQ(label->palette().color(QPalette::WindowText), *c.text);
    }
  }
  EXPECT_TRUE(qobject_cast<QLabel*>(W(Control::LabMainText))->wordWrap());
  EXPECT_TRUE(qobject_cast<QLabel*>(W(Control::LabSwordInfo))->wordWrap());
  EXPECT_TRUE(qobject_cast<QLabel*>(W(Control::LabInputName))->alignment().testFlag(Qt::AlignHCenter));
}

TEST_F(WindowLayoutTest, ButtonsAndTheNameField) {
  for (int i = 0; i < 5; ++i) {
    QWidget* button = W(CommandButton(i));
    EXPECT_EQ(button->parentWidget(), W(Control::PanelMainIF));
    EXPECT_EQ(button->geometry(), QRect(10 + 98 * i, 110, 88, 30));
    EXPECT_EQ(button->font().pixelSize(), 16);
  }
  auto* carve = qobject_cast<QPushButton*>(W(Control::BtnInputName));
  ASSERT_NE(carve, nullptr);
  EXPECT_EQ(carve->text(), QStringLiteral("刻む"));
  EXPECT_EQ(carve->geometry(), QRect(200, 281, 100, 50));
  auto* edit = qobject_cast<QLineEdit*>(W(Control::EditInputName));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->geometry(), QRect(100, 188, 300, 24));
  EXPECT_EQ(edit->maxLength(), 16);
  EXPECT_EQ(W(Control::ImgInputName)->geometry(), QRect(0, 0, 500, 400));
  EXPECT_EQ(W(Control::PntTitle)->geometry(), QRect(0, 0, 500, 400));
  EXPECT_EQ(W(Control::ImgMainImage)->geometry(), QRect(0, 0, 500, 125));
}

TEST_F(WindowLayoutTest, CardFramesAndTheirNumbers) {
  QWidget* frame = W(Control::ShapeSelfCardCurrent);
  EXPECT_EQ(frame->geometry(), QRect(136, 35, 65, 80));
  const QImage picture = frame->grab().toImage();
  EXPECT_EQ(QColor(picture.pixel(0, 0)), QColor(68, 68, 136));
  EXPECT_EQ(QColor(picture.pixel(2, 40)), QColor(68, 68, 136));
  EXPECT_EQ(QColor(picture.pixel(32, 40)), QColor(0x87, 0xCE, 0xEB));
  EXPECT_EQ(QColor(picture.pixel(64, 79)), QColor(68, 68, 136));
  // The number is drawn over its frame, not hidden behind it.
  QWidget* number = W(Control::LabSelfCardCurrent);
  EXPECT_GT(number->parentWidget()->children().indexOf(number), number->parentWidget()->children().indexOf(frame));
}

TEST_F(WindowLayoutTest, PanelsHaveARaisedOuterAndALoweredInnerBevel) {
  const QImage picture = W(Control::PanelMainSelf)->grab().toImage();
  const QColor light(255, 255, 255);
  const QColor shadow(128, 128, 128);
  EXPECT_EQ(QColor(picture.pixel(0, 60)), light);
  EXPECT_EQ(QColor(picture.pixel(1, 60)), shadow);
  EXPECT_EQ(QColor(picture.pixel(499, 60)), shadow);
  EXPECT_EQ(QColor(picture.pixel(498, 60)), light);
  EXPECT_EQ(QColor(picture.pixel(250, 124)), shadow);
  EXPECT_EQ(QColor(picture.pixel(250, 123)), light);
  EXPECT_EQ(QColor(picture.pixel(4, 4)), QColor(170, 221, 170));
}

// Lowest row holding text: pixels much darker than any of the label backgrounds.
int LowestTextRow(QWidget* label) {
  const QImage picture = label->grab().toImage();
  for (int y = picture.height() - 1; y >= 0; --y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c(picture.pixel(x, y));
      if (c.red() + c.green() + c.blue() < 450) return y;
    }
  return -1;
}

TEST_F(WindowLayoutTest, TextBlocksFitTheirLinesAtTheFontsPixelSize) {
  struct Case {
    Control label;
    std::string text;
    int height;
  };
  const Case cases[] = {
      {Control::LabInputName, NameLeadText(), 100},  // six lines
      {Control::LabMainText, "一\r\n二\r\n三\r\n四\r\n五\r\n", 90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.label));
    QWidget* label = W(c.label);
    window_->Host().SetText(c.label, c.text);
    // Grown taller, the label shows no text below its own height: nothing was cut off.
    label->resize(label->width(), c.height + 40);
    const int lowest = LowestTextRow(label);
    EXPECT_GT(lowest, c.height - 16);
    EXPECT_LT(lowest, c.height);
  }
}

TEST_F(WindowLayoutTest, LongConsoleLinesWrapBetweenJapaneseCharacters) {
  QWidget* label = W(Control::LabMainText);
  window_->Host().SetText(Control::LabMainText, "あ\r\n");
  const int one_line = LowestTextRow(label);
  std::string long_line;  // forty full-width characters, wider than the 480-pixel label
  for (int i = 0; i < 40; ++i) long_line += "あ";
  window_->Host().SetText(Control::LabMainText, long_line + "\r\n");
  EXPECT_GE(LowestTextRow(label), one_line + 16);
}

// Records the key events that reach a control.
class KeyRecorder : public QObject {
 public:
  QList<int> keys;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
      keys << static_cast<QKeyEvent*>(event)->key();
    return false;
  }
};

TEST_F(WindowLayoutTest, AltAndF10NeverReachTheControls) {
  struct Case {
    Qt::Key key;
    bool reaches;
  };
  const Case cases[] = {
      {Qt::Key_Alt, false}, {Qt::Key_AltGr, false}, {Qt::Key_F10, false}, {Qt::Key_A, true}, {Qt::Key_F9, true},
  };
  const Control targets[] = {Control::BtnInputName, Control::EditInputName, Control::BtnMainCommand0};
  for (Control target : targets) {
    QWidget* control = W(target);
    KeyRecorder recorder;
    control->installEventFilter(&recorder);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.key);
      recorder.keys.clear();
      for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, c.key, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
      }
      EXPECT_EQ(recorder.keys.size(), c.reaches ? 2 : 0);
    }
    control->removeEventFilter(&recorder);
  }
}

}  // namespace
}  // namespace zemra::testing
