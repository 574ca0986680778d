// The desk's rules every front end shares: where the sword focus moves, what
// a key does on the shown screen, and what a screen reader hears.
#include <gtest/gtest.h>

#include "desk/desk_keys.h"
#include "desk/spoken_texts.h"
#include "desk/sword_focus_rule.h"
#include "support/english.h"
#include "support/fake_host.h"
#include "support/in_language.h"

namespace zemra {
namespace {

TEST(SwordFocusMoves, ArrowsStayInAColumnTabWalksTheSlotsOnlySwordsTakeTheFocus) {
  struct Case {
    int swords;
    int from;
    SwordMove move;
    int to;
  };
  const Case cases[] = {
      {8, -1, SwordMove::Down, 0},    {8, -1, SwordMove::Next, 0},    {8, -1, SwordMove::Left, 0},
      {0, -1, SwordMove::Down, -1},   {8, 0, SwordMove::Down, 1},     {8, 3, SwordMove::Down, 0},
      {8, 0, SwordMove::Up, 3},       {8, 5, SwordMove::Up, 4},       {6, 4, SwordMove::Up, 5},
      {6, 5, SwordMove::Down, 4},     {8, 2, SwordMove::Right, 6},    {8, 6, SwordMove::Left, 2},
      {8, 2, SwordMove::Left, 2},     {6, 3, SwordMove::Right, 5},    {3, 1, SwordMove::Right, 1},
      {8, 3, SwordMove::Next, 4},     {8, 7, SwordMove::Next, 0},     {3, 0, SwordMove::Previous, 2},
      {1, 0, SwordMove::Down, 0},     {3, 5, SwordMove::Down, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.swords << " swords, from " << c.from << " move " << static_cast<int>(c.move));
    SwordHolds holds{};
    for (int i = 0; i < c.swords; ++i) holds[static_cast<std::size_t>(i)] = true;
    EXPECT_EQ(NextSwordFocus(c.from, c.move, holds), c.to);
  }
}

// Keys whose answer needs no sword row: the row is not shown in this fixture,
// so the arrows are nobody's here (the front ends' tests walk the row).
class DeskKeysTest : public testing::GameFixture {};

TEST_F(DeskKeysTest, EachPageTakesItsOwnKeys) {
  DeskScreen main;
  main.page = DeskPage::Main;
  main.commands_shown = {true, true, false, true, false};
  DeskScreen covered = main;
  covered.info_shown = true;
  DeskScreen title;
  title.page = DeskPage::Title;
  DeskScreen name;
  name.page = DeskPage::Name;
  const auto key = [](DeskKey k, int digit = 0) {
    KeyPress press;
    press.key = k;
    press.digit = digit;
    return press;
  };
  KeyPress repeated = key(DeskKey::Enter);
  repeated.repeat = true;
  KeyPress typed_m = key(DeskKey::M);
  typed_m.typing = true;
  KeyPress typed_enter = key(DeskKey::Enter);
  typed_enter.typing = true;
  KeyPress with_ctrl = key(DeskKey::Digit, 1);
  with_ctrl.modified = true;
  KeyPress elsewhere = key(DeskKey::Enter);
  elsewhere.on_game = false;
  struct Case {
    const char* what;
    KeyPress press;
    DeskScreen screen;
    bool used;
    DeskAction action;
    int command;
    std::vector<Input> inputs;
  };
  const Case cases[] = {
      {"Enter on the title", key(DeskKey::Enter), title, true, DeskAction::None, -1, {Input::TitleClick()}},
      {"Space on the title", key(DeskKey::Space), title, true, DeskAction::None, -1, {Input::TitleClick()}},
      {"a held Enter on the title", repeated, title, true, DeskAction::None, -1, {}},
      {"a letter on the title", key(DeskKey::Other), title, false, DeskAction::None, -1, {}},
      {"Enter in the name field", typed_enter, name, true, DeskAction::SubmitName, -1, {}},
      {"Enter off the name field", key(DeskKey::Enter), name, false, DeskAction::None, -1, {}},
      {"M in the name field", typed_m, name, false, DeskAction::None, -1, {}},
      {"M anywhere else", key(DeskKey::M), main, true, DeskAction::ToggleMute, -1, {}},
      {"F1", key(DeskKey::F1), name, true, DeskAction::KeyHelp, -1, {}},
      {"Enter on another control", elsewhere, title, false, DeskAction::None, -1, {}},
      {"1: the rightmost shown", key(DeskKey::Digit, 1), main, true, DeskAction::PressCommand, 3, {}},
      {"2: the next shown", key(DeskKey::Digit, 2), main, true, DeskAction::PressCommand, 1, {}},
      {"3", key(DeskKey::Digit, 3), main, true, DeskAction::PressCommand, 0, {}},
      {"4: no fourth command", key(DeskKey::Digit, 4), main, false, DeskAction::None, -1, {}},
      {"Enter: the rightmost", key(DeskKey::Enter), main, true, DeskAction::PressCommand, 3, {}},
      {"a held Enter presses once", repeated, main, true, DeskAction::None, -1, {}},
      {"Ctrl+1", with_ctrl, main, false, DeskAction::None, -1, {}},
      {"a digit under the information", key(DeskKey::Digit, 1), covered, true, DeskAction::None, -1, {Input::Leave()}},
      {"Escape under the information", key(DeskKey::Escape), covered, true, DeskAction::None, -1, {Input::Leave()}},
      {"Escape with nothing to leave", key(DeskKey::Escape), main, false, DeskAction::None, -1, {}},
      {"an arrow with no row", key(DeskKey::Down), main, false, DeskAction::None, -1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DeskAnswer answer = AnswerKey(c.press, c.screen, -1);
    EXPECT_EQ(answer.used, c.used);
    EXPECT_EQ(answer.action, c.action);
    if (c.action == DeskAction::PressCommand) {
      EXPECT_EQ(answer.command, c.command);
    }
    EXPECT_EQ(answer.inputs, c.inputs);
    EXPECT_EQ(answer.focus, -1);
  }
}

TEST(SpokenTexts, LifeAndPanelsAreReadAsWords) {
  EXPECT_EQ(SpokenLife("★★★☆☆"), "命 3／5");
  EXPECT_EQ(SpokenLife("☆"), "命 0／1");
  EXPECT_EQ(SpokenLife("7／12"), "命 7／12");
  FighterTexts fighter{"霧葉", "★★☆", "83", std::nullopt, {"1", "2", "", "4", "5"}};
  EXPECT_EQ(FighterSummary(fighter), "霧葉、命 2／3、命中率 83％、手札 1 2  4 5");
  fighter.card = "3";
  EXPECT_EQ(FighterSummary(fighter), "霧葉、命 2／3、命中率 83％、場の札 3、手札 1 2  4 5");
  EXPECT_EQ(PictureAccessibleName("dat/center.bmp", 4), "深さ4の野");
  EXPECT_EQ(PictureAccessibleName("memory3.bmp", 1), "記憶の章の絵 3");
  EXPECT_EQ(PictureAccessibleName("dat/other.bmp", 1), "other.bmp");
  const testing::InLanguage english(testing::English());
  EXPECT_NE(SpokenLife("★☆"), "命 1／2");
}

}  // namespace
}  // namespace zemra
