// Chapters on a story file written by the test: pictures, the way back to the
// field, jump loops and bad chapter numbers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/sword.h"
#include "engine/sjis.h"
#include "engine/text_utils.h"
#include "runtime/console.h"
#include "story/chapter_playback.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kScript[] = {
    "@序", "#goto @序", "", "@一", "#image ../save.dat", "#image sub/center.bmp", "#image", "#image end.bmp",
    "第一章。", "", "#SetReturn", "帰り道。", "", "@二", "#image another.bmp", "二章だけ。", "#SetReturn", "", "#end"};

class ChapterTest : public testing::GameFixture {
 protected:
  void BeforeStart() override {
    std::filesystem::create_directory("dat");
    std::ofstream out("dat/kiriha.dat", std::ios::binary);
    for (const char* line : kScript) out << ScrambleText(Utf8ToSjis(line).value_or("")) << "\r\n";
  }
  void SetUp() override {
    GameFixture::SetUp();
    TFighter& f = PlayerData().Fighter;
    f.BaseName = "あなた";
    AddSword(f, CreateSword("クロス"));
    RecalcFighter(f);
    FullHeal(f);
    host.TakeBoxes();
    host.TakeSounds();
  }
  Lines Shown() const { return {Console().texts.begin(), Console().texts.begin() + Console().text_count}; }
  void Press() { ExecuteCommand(Console().commands[0].continuation); }
};

TEST_F(ChapterTest, PlaysItsPagesWithPicturesAndEndsInTheField) {
  ExecuteCommand(ChapterContinuation(1));
  EXPECT_TRUE(host.Visible(Control::PanelMainImage));
  EXPECT_FALSE(host.Visible(Control::PanelMainSword));
  EXPECT_EQ(ShownTopPanel(), Control::PanelMainSword);  // not remembered as the top panel
  // Names with a path in them are refused; "#image" alone is ignored.
  EXPECT_EQ(host.Image(), "end.bmp");
  EXPECT_EQ(Shown(), Lines{"第一章。"});
  EXPECT_EQ(host.TakeSounds(), (std::vector<std::pair<std::string, bool>>{{"dat/weak.wav", false}}));
  Press();
  EXPECT_EQ(Shown(), Lines{"帰り道。"});
  EXPECT_EQ(Console().commands[0].caption, "≫");
  Press();
  EXPECT_EQ(ShownTopPanel(), Control::PanelMainImage);
  EXPECT_EQ(Console().commands[0].caption, "徘徊");
  EXPECT_FALSE(host.Terminated());
  EXPECT_TRUE(host.TakeBoxes().empty());

  // Started again, by suffix this time, the chapter shows the same first page.
  ExecuteCommand([] { StartChapter(std::string_view("一")); });
  EXPECT_EQ(Shown(), Lines{"第一章。"});
}

TEST_F(ChapterTest, AJumpLoopIsReportedAndTheChapterEndsInTheField) {
  ExecuteCommand(ChapterContinuation(0));
  const auto boxes = host.TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].starts_with("error in ScriptStep: #goto @序")) << boxes[0];
  EXPECT_EQ(Console().command_count, 1);
  Press();
  EXPECT_EQ(Console().commands[0].caption, "徘徊");
  EXPECT_FALSE(host.Terminated());
}

TEST_F(ChapterTest, AChapterOutsideTheTenIsReported) {
  for (int index : {-1, 10}) EXPECT_EQ(ChapterContinuation(index), nullptr);
  StartChapter(10);
  StartChapter(std::string_view("九"));
  EXPECT_EQ(host.TakeBoxes(), (Lines{"error in StartChapter(10)", "error in StartChapter('九')"}));
  EXPECT_EQ(Console().command_count, 0);
}

}  // namespace
}  // namespace zemra
