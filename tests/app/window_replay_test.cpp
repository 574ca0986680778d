// A sitting played in the window and recorded there replays headless through
// the text front end to the same end.
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "app/window/game_pump.h"
#include "engine/file_io.h"
#include "game/game.h"
#include "runtime/console.h"
#include "support/crafted_save.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

class WindowReplayTest : public WindowTest {
 protected:
  // Presses the shown command with that caption, as the mouse does.
  void Press(const QString& caption) {
    for (int b = 0; b < kConsoleCommands; ++b) {
      auto* button = qobject_cast<QPushButton*>(W(CommandButton(b)));
      if (button->isVisible() && button->text() == caption) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
      }
    }
    ADD_FAILURE() << "no command " << caption.toStdString();
  }
};

TEST_F(WindowReplayTest, ABattleASwordMenuAndAChapterReplayHeadlessToTheSameEnd) {
  WriteCraftedSave(folder_->Path(), {0, {"ダブルクロス", "刀", "刀"}, {83, 10, 10, 10, 10}});
  window_->RecordSittings("zemra6");
  StartAndWait();
  // The draws go in as inputs, so the recording holds them too.
  window_->Pump().Apply(Input::Rolls({1, 1, 0, 0, 1, 5, 99, 0, 1, 2, 3, 4}));
  Press(QStringLiteral("徘徊"));
  Press(QStringLiteral("戦う"));
  window_->Pump().Apply(Input::Rolls({50, 51}));
  Press(QStringLiteral("ファイト"));
  Press(QStringLiteral("≫"));
  Press(QStringLiteral("≫"));
  QTest::mouseMove(W(SwordLabel(1)));
  QTest::mouseClick(W(SwordLabel(1)), Qt::LeftButton);  // the spoil
  Press(QStringLiteral("≫"));
  Press(QStringLiteral("剣"));
  Press(QStringLiteral("並べ替え"));
  QTest::mouseClick(W(SwordLabel(0)), Qt::LeftButton);
  QTest::mouseClick(W(SwordLabel(2)), Qt::LeftButton);
  window_->Pump().Apply(Input::Chapter(1));
  for (int page = 0; page < 8 && Console().command_count > 0 && Console().commands[0].caption == "≫"; ++page) {
    Press(QStringLiteral("≫"));
  }
  window_.reset();  // ends the sitting; its recording is complete

  std::filesystem::path recording;
  for (const auto& entry : std::filesystem::directory_iterator(folder_->Path() / "recordings")) recording = entry.path();
  ASSERT_FALSE(recording.empty());
  const std::string recorded = ReadWholeFile(recording).value_or("");
  for (const char* input : {"\"rolls 50 51\"", "\"click 1\"", "\"hover 1\"", "\"command 3 剣\"", "\"chapter 1\""}) {
    EXPECT_NE(recorded.find(input), std::string::npos) << input;
  }
  const std::string save_before = *ReadWholeFile(folder_->Path() / "save.dat");

  QProcess replay;
  replay.setWorkingDirectory(QString::fromStdString(folder_->Path().string()));
  replay.start(QStringLiteral(ZEMRA_TEXT_PROGRAM),
               {QStringLiteral("--replay"), QString::fromStdString(recording.string()), QStringLiteral("--last")});
  ASSERT_TRUE(replay.waitForFinished(60000));
  EXPECT_EQ(replay.exitCode(), 0) << replay.readAllStandardError().toStdString();
  // The replay played on a scratch folder: the player's save is as it was.
  EXPECT_EQ(ReadWholeFile(folder_->Path() / "save.dat"), save_before);
}

TEST_F(WindowReplayTest, AMouseHeavySittingRecordsOnlyTheMovesThatShowSomethingNew) {
  WriteCraftedSave(folder_->Path(), {0, {"ダブルクロス", "刀", "刀", "クロス"}, {83, 10, 10, 10, 10}});
  window_->RecordSittings("zemra6");
  StartAndWait();
  Press(QStringLiteral("剣"));
  // The mouse wanders over the row: every pixel step is a move event, but
  // only entering another sword (or leaving the row) shows something new.
  constexpr int kRounds = 20;
  int entered = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (int label = 0; label < 4; ++label) {
      QWidget* widget = W(SwordLabel(label));
      for (int x = 2; x < widget->width() - 2; x += 4) QTest::mouseMove(widget, QPoint(x, widget->height() / 2));
      ++entered;
    }
    QWidget* panel = W(Control::PanelMainSelf);
    for (int x = 2; x < 40; x += 4) QTest::mouseMove(panel, QPoint(x, 2));
    ++entered;
  }
  window_.reset();

  std::filesystem::path recording;
  for (const auto& entry : std::filesystem::directory_iterator(folder_->Path() / "recordings")) recording = entry.path();
  const std::string recorded = ReadWholeFile(recording).value_or("");
  int moves = 0;
  for (const char* verb : {"\"hover ", "\"leave\""}) {
    for (std::size_t at = 0; (at = recorded.find(verb, at)) != std::string::npos; ++at) ++moves;
  }
  std::printf("mouse-heavy sitting: %d moves onto something new recorded, %ju bytes\n", moves,
              static_cast<std::uintmax_t>(recorded.size()));
  EXPECT_LE(moves, entered);
  EXPECT_GE(moves, entered / 2);

  QProcess replay;
  replay.setWorkingDirectory(QString::fromStdString(folder_->Path().string()));
  replay.start(QStringLiteral(ZEMRA_TEXT_PROGRAM), {QStringLiteral("--replay"), QString::fromStdString(recording.string())});
  ASSERT_TRUE(replay.waitForFinished(60000));
  EXPECT_EQ(replay.exitCode(), 0) << replay.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace zemra::testing
