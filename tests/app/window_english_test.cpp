// The window in English: its own texts, and every text an English run shows
// placed where the window shows it, at 1x: captions and sword labels whole on
// their controls, console and information within their panels.
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextLayout>
#include <cstdio>
#include <set>

#include "support/english.h"
#include "app/desk/desk_controls.h"
#include "app/window/qt_convert.h"
#include "data/sword.h"
#include "engine/translate.h"
#include "support/scripted_player.h"
#include "window_test_support.h"

namespace zemra::testing {
namespace {

class WindowEnglishTest : public WindowTest {
 protected:
  void SetUp() override {
    SetLanguage(testing::English());  // as the program does before it builds the window
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    SetLanguage(Language::kJapanese);
  }

  // The height the text takes in the label, broken into lines as the window breaks them.
  static int WrappedHeight(const QLabel* label, const QString& text) {
    const int step = label->font().pixelSize();
    int height = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
      QTextLayout layout(paragraph, label->font());
      QTextOption option;
      option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
      layout.setTextOption(option);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        height += step;
      }
      layout.endLayout();
    }
    return height;
  }
};

TEST_F(WindowEnglishTest, TheWindowsOwnTextsAreInEnglish) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Valmina Quel"));
  StartAndWait();
  const std::unique_ptr<QMenu> menu = window_->Desk().BuildContextMenu();
  QStringList captions;
  for (QAction* action : menu->actions()) captions << action->text();
  EXPECT_EQ(captions, (QStringList{QtTr("音を消す"), QtTr("音量"), QtTr("表示倍率"), QStringLiteral("言語 / Language"),
                                   QtTr("キー操作"), QtTr("新しい旅を始める")}));
  EXPECT_NE(captions[0], QStringLiteral("音を消す"));
  // One choice a language the game speaks, each in its own name.
  QStringList languages;
  for (QAction* action : menu->actions()[3]->menu()->actions()) languages << action->text();
  EXPECT_EQ(languages, (QStringList{QStringLiteral("日本語"), QStringLiteral("English")}));
}

// The commands a run seldom shows fit their 88-pixel buttons as the others do.
TEST_F(WindowEnglishTest, EveryCommandCaptionFitsItsButton) {
  const auto* button = qobject_cast<QPushButton*>(W(CommandButton(0)));
  ASSERT_TRUE(button);
  struct Case {
    const char* context;  // nullptr: no context
    const char* japanese;
    const char* english;
  };
  const Case cases[] = {
      {nullptr, "打落す", "Parry"}, {nullptr, "始動", "Use"},    {nullptr, "剣始動", "Use"},
      {nullptr, "やめる", "Leave"}, {"button", "剣", "Swords"}, {"button", "exit", "Exit"},
      {nullptr, "あきらめる", nullptr}, {nullptr, "並べ替え", nullptr}, {nullptr, "リトライ", nullptr},
  };
  for (const Case& c : cases) {
    const std::string caption = c.context == nullptr ? Tr(c.japanese) : TrCtx(c.context, c.japanese);
    SCOPED_TRACE(caption);
    if (c.english != nullptr) {
      EXPECT_EQ(caption, c.english);
    }
    EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(ToQt(caption)), button->width() - 8);
  }
}

TEST_F(WindowEnglishTest, EveryTextOfAnEnglishRunFitsWhereItIsShown) {
  const auto* button = qobject_cast<QPushButton*>(W(CommandButton(0)));
  const auto* label = qobject_cast<QLabel*>(W(SwordLabel(0)));
  const auto* console = qobject_cast<QLabel*>(W(Control::LabMainText));
  const auto* info = qobject_cast<QLabel*>(W(Control::LabSwordInfo));
  ASSERT_TRUE(button && label && console && info);
  // A caption keeps clear of the button's frame; a label of its border.
  const int caption_room = button->width() - 8;
  const int label_room = label->width() - 4;
  std::set<std::string> too_wide;
  const auto check = [&](const nlohmann::json& screen) {
    if (screen["page"] != "main") return;
    for (const auto& caption : screen["buttons"]) {
      if (caption.is_string() && QFontMetrics(button->font()).horizontalAdvance(ToQt(caption.get<std::string>())) > caption_room) {
        too_wide.insert("caption " + caption.get<std::string>());
      }
    }
    for (const auto& name : screen["swords"]["labels"]) {
      if (QFontMetrics(label->font()).horizontalAdvance(ToQt(name.get<std::string>())) > label_room) {
        too_wide.insert("label " + name.get<std::string>());
      }
    }
    QStringList lines;
    for (const auto& line : screen["lines"]) lines << ToQt(line.get<std::string>());
    if (WrappedHeight(console, lines.join(QLatin1Char('\n'))) > console->height()) {
      too_wide.insert("console " + lines.join(QStringLiteral(" / ")).toStdString());
    }
    if (screen["info"].is_string() && WrappedHeight(info, ToQt(screen["info"].get<std::string>())) > info->height()) {
      too_wide.insert("information " + screen["info"].get<std::string>());
    }
  };
  // Every sword's information, whether or not the run meets it.
  for (int kind = 1; kind <= kSwordKindCount; ++kind) {
    const std::string text = SwordInfoText(CreateSword(SwordKindNames[static_cast<std::size_t>(kind)]));
    if (WrappedHeight(info, ToQt(text)) > info->height()) too_wide.insert("information " + text);
  }
  ScriptedPlayer player(folder_->Path(), 7, true, testing::English());
  const RunFigures figures = player.Play(3000, check);
  EXPECT_TRUE(figures.reached_ending);
  std::printf("an English run of %d actions, measured\n", figures.actions);
  EXPECT_EQ(too_wide, std::set<std::string>());
}

}  // namespace
}  // namespace zemra::testing
