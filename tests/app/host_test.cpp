// The Host as the core uses it, on a window whose game has not started:
// texts, colours, pictures, bitmaps, text drawn into a bitmap, message boxes.
#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <thread>

#include "app/window/game_pump.h"
#include "support/modal_answerer.h"
#include "app/window/panel_widgets.h"
#include "app/window/picture_box.h"
#include "app/window/qt_host.h"
#include "game/game.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

using HostTest = WindowTest;

TEST_F(HostTest, TextTurnsCrLfIntoLineBreaksForEveryKindOfControl) {
  QtHost& host = window_->Host();
  host.SetText(Control::LabMainText, "一行目\r\n二行目\r\n");
  host.SetText(Control::BtnMainCommand2, "≫");
  host.SetText(Control::EditInputName, "銘");
  EXPECT_EQ(qobject_cast<QLabel*>(W(Control::LabMainText))->text(), QStringLiteral("一行目\n二行目\n"));
  EXPECT_EQ(qobject_cast<QPushButton*>(W(Control::BtnMainCommand2))->text(), QStringLiteral("≫"));
  EXPECT_EQ(qobject_cast<QLineEdit*>(W(Control::EditInputName))->text(), QStringLiteral("銘"));
}

TEST_F(HostTest, ColoursGoToPanelsAndLabels) {
  QtHost& host = window_->Host();
  host.SetColor(Control::PanelMainSword, Rgb{255, 204, 204});
  host.SetColor(Control::LabMainSword3, Rgb{255, 187, 187});
  host.SetFontColor(Control::LabMainSword3, Rgb{68, 34, 34});
  EXPECT_EQ(dynamic_cast<BevelPanel*>(W(Control::PanelMainSword))->Background(), QColor(255, 204, 204));
  const QPalette palette = W(Control::LabMainSword3)->palette();
  EXPECT_EQ(palette.color(QPalette::Window), QColor(255, 187, 187));
  EXPECT_EQ(palette.color(QPalette::WindowText), QColor(68, 34, 34));
  // Only the label asked for changes.
  EXPECT_EQ(W(Control::LabMainSword2)->palette().color(QPalette::Window), QColor(221, 255, 221));
}

TEST_F(HostTest, VisibilityOfPagesAndShapes) {
  QtHost& host = window_->Host();
  host.SetVisible(Control::PageMain, true);
  host.SetVisible(Control::PageTitle, false);
  host.SetVisible(Control::ShapeSelfCardCurrent, false);
  EXPECT_TRUE(Shown(Control::PageMain));
  EXPECT_FALSE(Shown(Control::PageTitle));
  EXPECT_FALSE(Shown(Control::ShapeSelfCardCurrent));
  EXPECT_TRUE(Shown(Control::LabSelfCard0));
}

TEST_F(HostTest, PictureLoadsUnscaledAndAMissingOneClearsIt) {
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(QColor(10, 200, 30));
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("dat")));
  ASSERT_TRUE(picture.save(QStringLiteral("dat/test_picture.bmp")));

  QtHost& host = window_->Host();
  auto* image = dynamic_cast<PictureBox*>(W(Control::ImgMainImage));
  EXPECT_TRUE(host.LoadPicture("dat/test_picture.bmp"));
  EXPECT_EQ(image->Picture().size(), QSize(40, 30));
  EXPECT_EQ(QColor(image->Picture().pixel(5, 5)), QColor(10, 200, 30));

  EXPECT_FALSE(host.LoadPicture("dat/no_such_picture.bmp"));
  EXPECT_TRUE(image->Picture().isNull());
}

TEST_F(HostTest, TheGamesOwnPicturesLoad) {
  for (const char* file : {"dat/center.bmp", "dat/another.bmp", "dat/end.bmp"}) {
    EXPECT_TRUE(window_->Host().LoadPicture(file)) << file;
  }
}

TEST_F(HostTest, BitmapIsCopiedOntoThePaintBoxAndTheNameBackground) {
  TVorbBitmap bitmap;
  bitmap.SetSizeAndFill(500, 400, PixelRgb(1, 2, 3));
  bitmap.Row(7)[9] = PixelRgb(250, 100, 50);
  for (Control target : {Control::PntTitle, Control::ImgInputName}) {
    window_->Host().DrawBitmap(target, bitmap);
    const QImage& shown = dynamic_cast<PictureBox*>(W(target))->Picture();
    ASSERT_EQ(shown.size(), QSize(500, 400));
    EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(shown.pixel(9, 7)), QColor(250, 100, 50));
  }
}

TEST_F(HostTest, ANewFrameOnThePaintBoxShowsEveryChangedPixelAndNoOther) {
  TVorbBitmap bitmap;
  bitmap.SetSizeAndFill(500, 400, kPixelBlack);
  auto* box = dynamic_cast<PictureBox*>(W(Control::PntTitle));
  window_->Host().DrawBitmap(Control::PntTitle, bitmap);
  // Pixels in every place of a group of four, at a strip's edges and the picture's last column.
  const QPoint changed[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 5}, {99, 7}, {100, 7}, {101, 7}, {250, 399}, {499, 399}};
  for (std::size_t i = 0; i < std::size(changed); ++i) {
    const int v = static_cast<int>(i) * 20;
    bitmap.Row(changed[i].y())[changed[i].x()] = PixelRgb(255 - v, v, 7 + v);
  }
  window_->Host().DrawBitmap(Control::PntTitle, bitmap);
  const QImage& shown = box->Picture();
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 500; ++x) {
      const TPixel p = bitmap.PixelAt(x, y);
      ASSERT_EQ(QColor(shown.pixel(x, y)), QColor(p.red, p.green, p.blue)) << x << "," << y;
    }
  }
}

// Bounding box of the pixels that differ from the fill.
QRect Drawn(const TVorbBitmap& bitmap, TPixel fill) {
  QRect box;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (!(bitmap.PixelAt(x, y) == fill)) box |= QRect(x, y, 1, 1);
  return box;
}

TEST_F(HostTest, TextIsDrawnIntoTheBitmapFromItsTopLeftWithoutBackground) {
  struct Case {
    int x;
    int y;
    int height;
    bool italic;
  };
  const Case cases[] = {{250, 325, 20, true}, {10, 10, 20, false}, {100, 50, 37, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    TVorbBitmap bitmap;
    const TPixel fill = PixelRgb(0, 0, 200);
    bitmap.SetSizeAndFill(500, 400, fill);
    window_->Host().DrawText(bitmap, c.x, c.y, "セルノア・リュクト",
                             BitmapFont{c.height, false, c.italic, PixelRgb(0, 192, 96)});
    const QRect box = Drawn(bitmap, fill);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GE(box.left(), c.x);
    EXPECT_LT(box.left(), c.x + c.height);
    EXPECT_GE(box.top(), c.y);
    EXPECT_LE(box.bottom(), c.y + c.height + 2);
    EXPECT_GT(box.width(), 4 * c.height);  // nine glyphs in a row
    // Glyph cores take the font colour exactly; nothing is painted black behind them.
    bool solid = false;
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x) {
        const TPixel p = bitmap.PixelAt(x, y);
        solid = solid || p == PixelRgb(0, 192, 96);
        EXPECT_FALSE(p == kPixelBlack);
      }
    EXPECT_TRUE(solid);
  }
}

TEST_F(HostTest, TheGameClockFollowsRealTimeThroughClockSteps) {
  StartAndWait();
  const std::uint32_t before = GameClock();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const int passes = window_->Pump().PassCount();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->Pump().PassCount() > passes; }, 2000));
  const std::uint32_t elapsed = GameClock() - before;
  EXPECT_GE(elapsed, 30u);
  EXPECT_LT(elapsed, 2000u);
}

TEST_F(HostTest, MessageBoxesAreCaptionedAndAnswered) {
  struct Case {
    QMessageBox::StandardButton answer;
    bool yes;
  };
  StartAndWait();
  for (const Case c : {Case{QMessageBox::Yes, true}, Case{QMessageBox::No, false}}) {
    bool modal_seen = false;
    QString caption;
    const ModalAnswerer answerer([&](const QString&) {
      modal_seen = window_->Pump().InModal();
      caption = QApplication::activeModalWidget()->windowTitle();
      return c.answer;
    });
    // The box's answer travels back to the game as an answer input.
    EXPECT_EQ(AskYesNo("≪銘≫\r\nこれでいいですか？"), c.yes);
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen().front(), QStringLiteral("≪銘≫\nこれでいいですか？"));
    EXPECT_EQ(caption, QStringLiteral("ZEMRA6"));
    EXPECT_TRUE(modal_seen);
    EXPECT_FALSE(window_->Pump().InModal());
  }
  const ModalAnswerer answerer(ModalAnswerer::Agree);
  window_->Host().ShowMessage("刻まれました。");
  EXPECT_EQ(answerer.Seen(), QStringList{QStringLiteral("刻まれました。")});
}

TEST_F(HostTest, MessageBoxButtonsSpeakJapanese) {
  QStringList captions;
  const auto read_captions = [&captions](const QString&) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    for (QAbstractButton* button : box->buttons()) captions << button->text();
    return QMessageBox::Yes;
  };
  {
    const ModalAnswerer answerer(read_captions);
    window_->Host().ShowQuestion("これでいいですか？");
  }
  captions.sort();
  EXPECT_EQ(captions, (QStringList{QStringLiteral("いいえ"), QStringLiteral("はい")}));
  captions.clear();
  {
    const ModalAnswerer answerer(read_captions);
    window_->Host().ShowMessage("刻まれました。");
  }
  EXPECT_EQ(captions, QStringList{QStringLiteral("OK")});
}

}  // namespace
}  // namespace zemra::testing
