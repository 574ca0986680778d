// The field screen, the game-over screen, the ending's save and the story table.
#include <gtest/gtest.h>

#include <set>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/sword.h"
#include "engine/random.h"
#include "runtime/console.h"
#include "runtime/ending.h"
#include "game/field.h"
#include "runtime/game_over.h"
#include "runtime/screen_routes.h"
#include "story/story_playback.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

using Boxes = std::vector<std::string>;

class FieldTest : public testing::GameFixture {
 protected:
  void LivePlayer() {
    TFighter& f = PlayerData().Fighter;
    f.BaseName = "あなた";
    AddSword(f, CreateSword("クロス"));
    RecalcFighter(f);
    FullHeal(f);
  }
  std::vector<std::string> Lines() const { return {Console().texts.begin(), Console().texts.begin() + Console().text_count}; }
};

TEST_F(FieldTest, DepthLineAndPictureFollowTheDepth) {
  struct Case {
    int depth;
    std::vector<std::string> lines;
    std::string picture;
  };
  const Case cases[] = {
      {0, {"花が咲いている。"}, "center.bmp"},
      {4, {"深度4。", "花が咲いている。"}, "center.bmp"},
      {9, {"深度Another。", "花が咲いている。"}, "another.bmp"},
  };
  LivePlayer();
  for (const Case& c : cases) {
    PlayerData().Depth = c.depth;
    QueueRolls({0});
    ExecuteCommand(EnterField);
    EXPECT_EQ(Lines(), c.lines) << c.depth;
    EXPECT_EQ(host.Image(), c.picture);
    EXPECT_EQ(ShownTopPanel(), Control::PanelMainImage);
    EXPECT_TRUE(host.Visible(Control::PanelMainImage));
    EXPECT_FALSE(host.Visible(Control::PanelMainSword));
  }
}

TEST_F(FieldTest, EveryFlavourLineComesUp) {
  LivePlayer();
  std::set<std::string> seen;
  for (int roll = 0; roll < 10; ++roll) {
    QueueRolls({roll});
    ExecuteCommand(EnterField);
    seen.insert(Lines().back());
  }
  EXPECT_EQ(seen.size(), 10u);
}

TEST_F(FieldTest, ADeadPlayerReachesGameOver) {
  PlayerData().Fighter.Name = "柳屋";
  host.TakeSounds();
  ExecuteCommand(EnterField);
  EXPECT_EQ(Lines(), std::vector<std::string>{"柳屋は死んでしまった。"});
  ASSERT_EQ(Console().command_count, 1);
  EXPECT_EQ(Console().commands[0].caption, "終");
  EXPECT_EQ(host.TakeSounds().front().first, "dat/weak.wav");
  BtnMainCommandClick(4);
  EXPECT_TRUE(host.Terminated());
}

TEST_F(FieldTest, EndingSavesAndWritesTheReport) {
  LivePlayer();
  ExecuteCommand(ShowEnding);
  EXPECT_EQ(host.Image(), "end.bmp");
  EXPECT_EQ(Lines(), std::vector<std::string>{"クリアです。"});
  BtnMainCommandClick(4);  // セーブ
  EXPECT_EQ(Lines(), std::vector<std::string>{"セーブしました。"});
  EXPECT_TRUE(std::filesystem::exists("save.dat"));
  EXPECT_TRUE(std::filesystem::exists("レポート.txt"));
}

TEST_F(FieldTest, AFailedSaveAtTheEndingOffersRetryAndGivingUp) {
  LivePlayer();
  std::filesystem::create_directory("save.dat");  // nothing can replace a folder
  ExecuteCommand(ShowEnding);
  host.TakeSounds();
  BtnMainCommandClick(4);  // セーブ
  EXPECT_EQ(Lines(), std::vector<std::string>{"セーブ出来ませんでした。"});
  EXPECT_EQ(host.TakeSounds().front().first, "dat/bub.wav");
  EXPECT_EQ(host.Text(CommandButton(4)), "リトライ");
  EXPECT_EQ(host.Text(CommandButton(3)), "あきらめる");
  BtnMainCommandClick(3);
  EXPECT_EQ(Lines(), std::vector<std::string>{"クリアです。"});
}

TEST_F(FieldTest, AReportThatCannotBeWrittenIsToldButTheSaveStands) {
  LivePlayer();
  std::filesystem::create_directory("レポート.txt");
  ExecuteCommand(ShowEnding);
  BtnMainCommandClick(4);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"セーブしました。", kReportFailedText}));
  EXPECT_TRUE(std::filesystem::is_regular_file("save.dat"));
}

TEST_F(FieldTest, AnUnknownStoryIsReported) {
  host.TakeBoxes();
  StartStory("エピローグ");
  EXPECT_EQ(host.TakeBoxes(), Boxes{"error in StartStory('エピローグ')"});
  EXPECT_EQ(Console().command_count, 0);
}

}  // namespace
}  // namespace zemra
