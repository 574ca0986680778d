// The window's start: the first frame comes before the game starts, and
// what the start prepares after it still happens as written: the start-up
// warnings in one box once the title page is up, and the title music.
#include <QTest>
#include <filesystem>

#include "app/window/already_open.h"
#include "app/window/game_pump.h"
#include "app/window/main_window.h"
#include "support/modal_answerer.h"
#include "game/game.h"
#include "platform/temp_folder.h"
#include "runtime/console.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

TEST(WindowStart, TheFirstFrameIsPaintedBeforeTheGameStarts) {
  const FreshFolder folder;
  TFormMain window;
  bool started_before_paint = false;
  bool painted = false;
  class Spy : public QObject {
   public:
    explicit Spy(std::function<void()> on_paint) : on_paint_(std::move(on_paint)) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) on_paint_();
      return false;
    }
    std::function<void()> on_paint_;
  } spy([&] {
    if (!painted) started_before_paint = GameStarted();
    painted = true;
  });
  QApplication::instance()->installEventFilter(&spy);
  window.show();
  window.StartDeferred(7);
  ASSERT_TRUE(QTest::qWaitFor([] { return GameStarted(); }, 5000));
  QApplication::instance()->removeEventFilter(&spy);
  EXPECT_TRUE(painted);
  EXPECT_FALSE(started_before_paint);
  EXPECT_EQ(Wave().CurrentFile(), "dat/04b.wav");  // the title music is asked for at the start
  EXPECT_TRUE(Wave().Looping());
}

TEST(WindowStart, StartUpWarningsShareOneBoxOnceTheTitleIsUp) {
  const FreshFolder folder;
  // A folder where the story file should be: it cannot be read.
  std::filesystem::create_directories(folder.Path() / "dat" / "kiriha.dat");
  TFormMain window;
  window.show();
  const ModalAnswerer answerer(ModalAnswerer::Agree);
  window.StartDeferred(7, false, "保存先のフォルダを作れませんでした。");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.Seen().isEmpty(); }, 5000));
  EXPECT_EQ(answerer.Seen(), QStringList{QStringLiteral(
                                 "（dat/kiriha.datの読み込みに失敗しました。）\n保存先のフォルダを作れませんでした。")});
  EXPECT_TRUE(window.ControlWidget(Control::PageTitle)->isVisible());
}

TEST(WindowStart, ASecondStartOnTheSaveBringsTheFirstWindowForward) {
  const TempFolder folder;
  TFormMain window;
  const FirstWindowBeacon beacon(window, folder.Path());
  window.showMinimized();
  QTRY_VERIFY(window.isMinimized());
  ASSERT_TRUE(CallFirstWindowForward(folder.Path()));
  QTRY_VERIFY(!window.isMinimized());
  // Another save folder is another game: nobody answers for it.
  const TempFolder other;
  EXPECT_FALSE(CallFirstWindowForward(other.Path()));
}

}  // namespace
}  // namespace zemra::testing
