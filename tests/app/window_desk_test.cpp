// What the window keeps and offers beyond the game: the settings file with
// every kind of nonsense in it, the window factor, the right-click menu and a
// fresh run that keeps the old save beside it.
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/english.h"
#include "app/desk/accessibility.h"
#include "app/desk/desk_controls.h"
#include "app/desk/desk_settings.h"
#include "app/window/game_pump.h"
#include "support/modal_answerer.h"
#include "app/window/sound_output.h"
#include "platform/locale_language.h"
#include "app/window/qt_convert.h"
#include "app/desk/zoom.h"
#include "data/player_data.h"
#include "data/sword.h"
#include "game/game.h"
#include "runtime/console.h"
#include "support/crafted_save.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(DeskSettingsFile, NonsenseGivesTheDefaultsValueByValue) {
  struct Case {
    const char* name;
    const char* contents;  // nullptr: no file
    DeskSettings expected;
  };
  const Case cases[] = {
      {"missing", nullptr, {}},
      {"written", "[sound]\nmuted=true\nvolume=30\n[window]\nzoom=3\n", {true, 30, 3}},
      {"wrong types", "[sound]\nmuted=banana\nvolume=loud\n[window]\nzoom=2.5\n", {}},
      {"out of range", "[sound]\nvolume=-5\n[window]\nzoom=0\n", {}},
      {"too large", "[sound]\nvolume=110\n[window]\nzoom=99\n", {}},
      {"between steps", "[sound]\nvolume=35\nmuted=1\n", {true, 100, 1}},
      {"not ini at all", "\x01\x02garbage[[[\n==\n", {}},
      {"a language", "language=en\n[sound]\nvolume=20\n", {false, 20, 1, true, QStringLiteral("en")}},
      {"an unknown language", "language=xx\n", {}},
  };
  const QTemporaryDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".conf"));
    if (c.contents != nullptr) std::ofstream(path.toStdString()) << c.contents;
    EXPECT_EQ(LoadDeskSettings(path), c.expected);
  }
}

TEST(DeskSettingsFile, KeptBetweenStartsInTheConfigFolder) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("zemra6/zemra6.conf"));
  const DeskSettings chosen{true, 40, 2};
  EXPECT_TRUE(SaveDeskSettings(path, chosen));
  EXPECT_EQ(LoadDeskSettings(path), chosen);

  qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
  EXPECT_EQ(DefaultDeskSettingsPath(), path);
  qunsetenv("XDG_CONFIG_HOME");
}

TEST(WindowZoom, TheLargestFactorThatFits) {
  struct Case {
    QSize available;
    int expected;
  };
  const Case cases[] = {{QSize(800, 600), 1}, {QSize(1024, 840), 2}, {QSize(1920, 1200), 2}, {QSize(2560, 1440), 3}, {QSize(400, 300), 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(LargestFittingZoom(QSize(500, 400), QSize(4, 30), c.available, 3), c.expected) << c.available.width();
  }
}

using WindowDeskTest = WindowTest;

TEST_F(WindowDeskTest, EveryPlaceSizeAndFontScalesAndOneTimesIsTheBuiltLayout) {
  struct Case {
    Control control;
    QRect at1;
    int px;
  };
  const Case cases[] = {
      {Control::LabMainSword7, QRect(255, 95, 235, 25), 16},
      {Control::PanelMainIF, QRect(0, 250, 500, 150), 12},
      {Control::BtnInputName, QRect(200, 281, 100, 50), 16},
      {Control::LabSelfReliability, QRect(8, 80, 73, 41), 37},
  };
  std::vector<QRect> built;
  for (QWidget* child : window_->findChildren<QWidget*>()) built.push_back(child->geometry());
  for (int factor : {2, 3, 1}) {
    SCOPED_TRACE(factor);
    ApplyZoom(window_.get(), factor);
    EXPECT_EQ(window_->size(), QSize(500, 400) * factor);
    for (const Case& c : cases) {
      EXPECT_EQ(W(c.control)->geometry(), QRect(c.at1.topLeft() * factor, c.at1.size() * factor));
      EXPECT_EQ(W(c.control)->font().pixelSize(), c.px * factor);
    }
  }
  std::vector<QRect> back;
  for (QWidget* child : window_->findChildren<QWidget*>()) back.push_back(child->geometry());
  EXPECT_EQ(back, built);
}

TEST_F(WindowDeskTest, ZoomKeysStepWithinTheScreenAndTheFactorIsKept) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("zemra6.conf"));
  window_->Desk().UseSettingsFile(path);
  const int largest = window_->Desk().MaxZoom();
  QTest::keyClick(window_.get(), Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(window_->Desk().Settings().zoom, 2);
  EXPECT_EQ(window_->Desk().ShownZoom(), std::min(2, largest));
  EXPECT_EQ(window_->size(), QSize(500, 400) * window_->Desk().ShownZoom());
  EXPECT_EQ(LoadDeskSettings(path).zoom, 2);
  QTest::keyClick(window_.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(window_->size(), QSize(500, 400));
}

TEST_F(WindowDeskTest, AFactorChosenOnALargerScreenIsKeptOnASmallerOne) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("zemra6.conf"));
  DeskSettings chosen;
  chosen.zoom = 3;
  SaveDeskSettings(path, chosen);
  window_->Desk().UseSettingsFile(path);
  const int largest = window_->Desk().MaxZoom();
  ASSERT_LT(largest, 3) << "the test screen is large enough for 3x";
  EXPECT_EQ(window_->Desk().ShownZoom(), largest);
  EXPECT_EQ(window_->size(), QSize(500, 400) * largest);
  // Another setting changes: the file keeps the factor the player chose.
  window_->Desk().SetMuted(true);
  EXPECT_EQ(LoadDeskSettings(path).zoom, 3);
  EXPECT_TRUE(LoadDeskSettings(path).muted);
  // Keys step from the factor shown.
  QTest::keyClick(window_.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(window_->Desk().ShownZoom(), std::max(1, largest - 1));
  EXPECT_EQ(LoadDeskSettings(path).zoom, std::max(1, largest - 1));
}

TEST_F(WindowDeskTest, TheMenuOffersTheSameChoices) {
  StartAndWait();
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("zemra6.conf"));
  window_->Desk().UseSettingsFile(path);
  const std::unique_ptr<QMenu> menu = window_->Desk().BuildContextMenu();
  QStringList captions;
  for (QAction* action : menu->actions()) captions << action->text();
  EXPECT_EQ(captions, (QStringList{QStringLiteral("音を消す"), QStringLiteral("音量"), QStringLiteral("表示倍率"),
                                   QStringLiteral("言語 / Language"), QStringLiteral("キー操作"),
                                   QStringLiteral("新しい旅を始める")}));
  menu->actions()[0]->trigger();
  EXPECT_TRUE(window_->Sound().Muted());
  menu->actions()[1]->menu()->actions()[3]->trigger();  // 30％
  EXPECT_DOUBLE_EQ(window_->Sound().Volume(), 0.3);
  EXPECT_EQ(LoadDeskSettings(path), (DeskSettings{true, 30, 1}));
  {
    const ModalAnswerer answerer(ModalAnswerer::Agree);
    menu->actions()[4]->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_TRUE(answerer.Seen()[0].startsWith(QStringLiteral("キー操作")));
  }
  {
    // English is kept for the next start and said in English; this sitting stays Japanese.
    const ModalAnswerer answerer(ModalAnswerer::Agree);
    menu->actions()[3]->menu()->actions()[1]->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].toStdString(), TrIn(testing::English(), "言語は次にゲームを起動したときに切り替わります。"));
    EXPECT_EQ(CurrentLanguage(), Language::kJapanese);
    EXPECT_EQ(LoadDeskSettings(path).language, QStringLiteral("en"));
    EXPECT_EQ(StartLanguage(std::nullopt, LoadDeskSettings(path).language.toStdString()), testing::English());
    EXPECT_EQ(StartLanguage("ja", LoadDeskSettings(path).language.toStdString()), Language::kJapanese);
  }
  // A right-click anywhere opens it, and the game does nothing else.
  QTimer::singleShot(100, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  QTest::mouseClick(W(Control::PntTitle), Qt::RightButton, {}, QPoint(250, 200));
  EXPECT_TRUE(Shown(Control::PageTitle));
}

TEST_F(WindowDeskTest, AFreshRunStartsAtTheTitleAndKeepsTheOldSaveAsABackup) {
  WriteCraftedSave(folder_->Path(), {3, {"ダブルクロス", "刀"}, {1, 2, 3, 4, 5}});
  const std::filesystem::path save = folder_->Path() / "save.dat";
  const std::filesystem::path backup = folder_->Path() / "save.dat.bak";
  const std::string old_save = FileBytes(save);
  std::ofstream(backup) << "an older backup";
  window_->StartDeferred(7, true);
  ASSERT_TRUE(QTest::qWaitFor([] { return GameStarted(); }, 5000));
  EXPECT_TRUE(Shown(Control::PageTitle));
  EXPECT_FALSE(std::filesystem::exists(save));
  EXPECT_EQ(FileBytes(backup), old_save);
}

TEST_F(WindowDeskTest, WithoutASaveAFreshRunMakesNoBackup) {
  window_->StartDeferred(7, true);
  ASSERT_TRUE(QTest::qWaitFor([] { return GameStarted(); }, 5000));
  EXPECT_TRUE(Shown(Control::PageTitle));
  EXPECT_FALSE(std::filesystem::exists(folder_->Path() / "save.dat.bak"));
}

TEST_F(WindowDeskTest, TheMenusFreshRunAsksFirst) {
  WriteCraftedSave(folder_->Path(), {3, {"ダブルクロス", "刀"}, {1, 2, 3, 4, 5}});
  const std::string old_save = FileBytes(folder_->Path() / "save.dat");
  StartAndWait();
  for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    const ModalAnswerer answerer([answer](const QString&) { return answer; });
    window_->Desk().AskForNewRun();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_TRUE(answerer.Seen()[0].startsWith(QStringLiteral("新しい旅を始めますか？")));
    EXPECT_EQ(Shown(Control::PageTitle), answer == QMessageBox::Yes);
    EXPECT_EQ(std::filesystem::exists(folder_->Path() / "save.dat.bak"), answer == QMessageBox::Yes);
  }
  EXPECT_EQ(FileBytes(folder_->Path() / "save.dat.bak"), old_save);
  EXPECT_TRUE(window_->Pump().TimerActive());  // the title animates again
}

TEST_F(WindowDeskTest, AReaderHearsTheFieldPage) {
  WriteCraftedSave(folder_->Path(), {3, {"ダブルクロス", "刀"}, {1, 2, 3, 4, 5}, 2});
  StartAndWait();
  const auto name = [this](Control control) {
    return QAccessible::queryAccessibleInterface(W(control))->text(QAccessible::Name);
  };
  const auto description = [this](Control control) {
    return QAccessible::queryAccessibleInterface(W(control))->text(QAccessible::Description);
  };
  EXPECT_EQ(name(Control::LabMainText), qobject_cast<QLabel*>(W(Control::LabMainText))->text());
  EXPECT_EQ(name(Control::BtnMainCommand4), QStringLiteral("徘徊"));
  EXPECT_TRUE(name(Control::LabSelfHP).startsWith(QStringLiteral("命 2／"))) << name(Control::LabSelfHP).toStdString();
  const QString panel = name(Control::PanelMainSelf);
  EXPECT_TRUE(panel.contains(QStringLiteral("命 2／"))) << panel.toStdString();
  EXPECT_TRUE(panel.contains(QStringLiteral("命中率")));
  EXPECT_TRUE(panel.endsWith(QStringLiteral("手札 1 2 3 4 5")));
  EXPECT_EQ(name(Control::ImgMainImage), QStringLiteral("深さ3の野"));
  EXPECT_EQ(name(Control::PntTitle), QStringLiteral("タイトル画面"));

  // The keyboard's focus on a sword label is the focus a reader follows.
  QTest::keyClick(window_.get(), Qt::Key_2);  // 剣
  EXPECT_TRUE(name(SwordLabel(1)).startsWith(QStringLiteral("刀")));
  EXPECT_EQ(description(SwordLabel(1)), ToQt(SwordInfoText(CreateSword("刀"))));
  EXPECT_TRUE(description(SwordLabel(2)).isEmpty());
  QTest::keyClick(window_.get(), Qt::Key_2);  // 始動
  QTest::keyClick(window_.get(), Qt::Key_Down);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(W(SwordLabel(0)))->state().focused);
}

TEST_F(WindowDeskTest, AReaderHearsTheDepthTheFieldShowsNow) {
  WriteCraftedSave(folder_->Path(), {3, {"階段剣", "ダブルクロス", "刀"}, {1, 2, 3, 4, 5}});
  StartAndWait();
  const auto picture = [this] {
    return QAccessible::queryAccessibleInterface(W(Control::ImgMainImage))->text(QAccessible::Name);
  };
  const auto press = [this](const QString& caption) {
    for (int b = 0; b < kConsoleCommands; ++b) {
      auto* button = qobject_cast<QPushButton*>(W(CommandButton(b)));
      if (button->isVisible() && button->text() == caption) return QTest::mouseClick(button, Qt::LeftButton);
    }
    ADD_FAILURE() << "no command " << caption.toStdString() << " on "
                  << qobject_cast<QLabel*>(W(Control::LabMainText))->text().toStdString();
  };
  ASSERT_EQ(picture(), QStringLiteral("深さ3の野"));
  press(QStringLiteral("剣"));
  press(QStringLiteral("始動"));
  QTest::mouseClick(W(SwordLabel(0)), Qt::LeftButton);  // 階段剣
  press(QStringLiteral("はい"));
  press(QStringLiteral("降りる"));
  ASSERT_EQ(PlayerData().Depth, 4);
  press(QStringLiteral("≫"));
  press(QStringLiteral("exit"));
  ASSERT_TRUE(Shown(Control::PanelMainImage));
  EXPECT_EQ(picture(), QStringLiteral("深さ4の野"));
}

}  // namespace
}  // namespace zemra::testing
