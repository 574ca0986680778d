// Inputs as values: their one-line form, and the one entry point that takes
// them only when what they press is on the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/sword.h"
#include "game/game.h"
#include "game/input.h"
#include "game/title.h"
#include "record/screen_digest.h"
#include "runtime/console.h"
#include "runtime/screen_routes.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

TEST(InputLine, EveryKindReadsBackExactly) {
  const Input inputs[] = {
      Input::TitleClick(),
      Input::NameGiven("霧葉 斬子"),
      Input::NameGiven(""),
      Input::NameGiven("a\\b\r\nc\\n"),
      Input::Answer(true),
      Input::Answer(false),
      Input::Command(4, "徘徊"),
      Input::Command(0),
      Input::Command(2, "two words"),
      Input::SwordClick(7),
      Input::SwordHover(0),
      Input::Leave(),
      Input::ClockStep(0),
      Input::ClockStep(4294967295u),
      Input::Rolls({}),
      Input::Rolls({3, 0, 2147483647}),
      Input::Chapter(9),
  };
  for (const Input& input : inputs) {
    const std::string line = FormatInput(input);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    EXPECT_EQ(ParseInput(line), input) << line;
  }
  EXPECT_EQ(FormatInput(Input::Command(4, "徘徊")), "command 4 徘徊");
  EXPECT_EQ(FormatInput(Input::NameGiven("a\\b\nc")), "name a\\\\b\\nc");
}

TEST(InputLine, LinesNoInputCouldHaveWrittenAreRefused) {
  for (const char* line : {"", "tick 5", "title now", "answer maybe", "command 5 徘徊", "command -1", "command x",
                           "command 4 ", "click 8", "hover", "click 1 2", "step -1", "step 4294967296", "step 1.5",
                           "rolls 1  2", "rolls 1 x", "rolls -1", "chapter 10", "name a\\x", "name a\\", "leave 1"}) {
    EXPECT_FALSE(ParseInput(line).has_value()) << line;
  }
}

class ApplyInputTest : public testing::GameFixture {
 protected:
  // The main page in the field with a player who can walk it.
  void ShowField() {
    TFighter& f = PlayerData().Fighter;
    f.BaseName = "あなた";
    for (const char* name : {"クロス", "刀"}) AddSword(f, CreateSword(name));
    RecalcFighter(f);
    FullHeal(f);
    TheHost().SetVisible(Control::PageTitle, false);
    TheHost().SetVisible(Control::PageMain, true);
    ExecuteCommand(EnterField);
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (int j = 0; j < Console().command_count; ++j) captions.push_back(Console().commands[static_cast<std::size_t>(j)].caption);
    return captions;
  }
};

TEST_F(ApplyInputTest, HiddenAndStalePressesChangeNothing) {
  struct Case {
    const char* what;
    Input input;
    std::string refusal;
  };
  ShowField();
  // The sword menu's four commands leave their tags on buttons the field hides.
  ASSERT_EQ(ApplyInput(Input::Command(3, "剣")), "");
  ASSERT_EQ(ApplyInput(Input::Command(4, "exit")), "");
  const std::vector<std::string> field{"徘徊", "剣"};
  ASSERT_EQ(Captions(), field);
  const Case cases[] = {
      {"a hidden button that stood for 捨てる", Input::Command(1), "no command 1"},
      {"a hidden button pressed by its old caption", Input::Command(1, "捨てる"), "no command 捨てる"},
      {"a shown button pressed by another caption", Input::Command(4, "剣"), "no command 剣"},
      {"the title on the main page", Input::TitleClick(), "the title page is not shown"},
      {"a name on the main page", Input::NameGiven("銘"), "the name page is not shown"},
      {"a label the row does not have", Input::SwordClick(8), "no sword label 8"},
      {"a chapter past the last", Input::Chapter(10), "no chapter 10"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ApplyInput(c.input), c.refusal) << c.what;
    EXPECT_EQ(Captions(), field) << c.what;
  }
  // The window's handler itself ignores a button that stands for no command.
  BtnMainCommandClick(1);
  EXPECT_EQ(Captions(), field);
}

TEST_F(ApplyInputTest, CommandsWaitUntilTheSwordInformationMakesWayForTheConsole) {
  ShowField();
  ASSERT_EQ(ApplyInput(Input::Command(3, "剣")), "");
  ASSERT_EQ(ApplyInput(Input::SwordHover(0)), "");
  EXPECT_EQ(ApplyInput(Input::Command(4, "exit")), "no console is shown");
  ASSERT_EQ(ApplyInput(Input::Leave()), "");
  EXPECT_EQ(ApplyInput(Input::Command(4, "exit")), "");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"徘徊", "剣"}));
}

TEST_F(ApplyInputTest, MouseMovesThatShowNothingNewAreKnownBeforehand) {
  ShowField();
  ASSERT_EQ(ApplyInput(Input::Command(3, "剣")), "");  // the row shows two swords and takes clicks
  struct Step {
    const char* what;
    Input input;
    bool changes_nothing;
  };
  const Step steps[] = {
      {"onto a sword", Input::SwordHover(1), false},
      {"onto the same sword again", Input::SwordHover(1), true},
      {"onto another sword", Input::SwordHover(0), false},
      {"onto an empty label while a sword shows", Input::SwordHover(7), false},
      {"onto an empty label with nothing shown", Input::SwordHover(6), true},
      {"onto a panel with nothing shown", Input::Leave(), true},
      {"onto a sword once more", Input::SwordHover(1), false},
      {"onto a panel while a sword shows", Input::Leave(), false},
      {"a label the row does not have", Input::SwordHover(8), false},
      {"a press", Input::Command(4, "exit"), false},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(InputChangesNothing(step.input), step.changes_nothing) << step.what;
    const std::string before = ScreenDigest();
    ApplyInput(step.input);
    if (step.changes_nothing) {
      EXPECT_EQ(ScreenDigest(), before) << step.what;
    }
  }
  // The field hides the row: a move onto a label is refused there, not taken as nothing.
  EXPECT_FALSE(InputChangesNothing(Input::SwordHover(1)));
  EXPECT_NE(ApplyInput(Input::SwordHover(1)), "");
}

TEST_F(ApplyInputTest, AnAnswerGivenAheadAnswersTheNextBox) {
  ASSERT_EQ(ApplyInput(Input::TitleClick()), "");
  ASSERT_EQ(ApplyInput(Input::Answer(false)), "");
  ASSERT_EQ(ApplyInput(Input::NameGiven("銘")), "");
  EXPECT_TRUE(host.Visible(Control::PageInputName));
  ASSERT_EQ(ApplyInput(Input::NameGiven("銘")), "");  // no answer left: yes
  EXPECT_TRUE(host.Visible(Control::PageMain));
  EXPECT_EQ(PlayerData().PlayerName, "銘");
}

TEST_F(ApplyInputTest, ASecondStartBehavesAsTheFirst) {
  const auto first_frames = [] {
    for (int i = 0; i < 3; ++i) ApplyInput(Input::ClockStep(51));
    return Title().frame;
  };
  ASSERT_EQ(ApplyInput(Input::TitleClick()), "");
  PlayerData().Depth = 5;
  // Started again without a stop: the old scheduler goes first, so the new one works.
  StartGame(host, 1);
  EXPECT_EQ(PlayerData().Depth, 0);
  EXPECT_TRUE(Scheduler().IsActive());
  EXPECT_EQ(first_frames(), 3);
  StopGame();
  StartGame(host, 1);
  EXPECT_TRUE(host.Visible(Control::PageTitle));
  EXPECT_EQ(first_frames(), 3);
}

}  // namespace
}  // namespace zemra
