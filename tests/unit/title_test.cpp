// The title page's animation and the name page's checks.
#include <gtest/gtest.h>

#include "data/player_data.h"
#include "game/title.h"
#include "support/fake_host.h"
#include "support/english.h"
#include "support/in_language.h"

namespace zemra {
namespace {

using TitleTest = testing::GameFixture;
using Boxes = std::vector<std::string>;

std::string Unheld(const std::string& character) {
  return "「" + character + "」は銘に刻めない文字です。\r\n銘は16バイトまで（英数字なら16字、日本語なら8字）です。";
}

TEST_F(TitleTest, TheTitleFadesInOverTwoHundredFiftySixFramesThenHolds) {
  EXPECT_EQ(Wave().CurrentFile(), "dat/04b.wav");
  EXPECT_TRUE(Wave().Looping());
  Tick(51 * 10);
  EXPECT_EQ(Title().frame, 10);
  Tick(51 * 300);
  EXPECT_EQ(Title().frame, 256);
  // The underline has grown 256 pixels leftwards from x 499.
  EXPECT_EQ(TitleBitmap().PixelAt(499 - 255, 350), PixelRgb(0, 128, 64));
  EXPECT_EQ(TitleBitmap().PixelAt(499 - 256, 350), kPixelBlack);
}

TEST_F(TitleTest, AClickOpensTheNamePageAndStopsTheAnimationAtOnce) {
  Tick(51 * 3);
  PntTitleClick();
  EXPECT_TRUE(host.Visible(Control::PageInputName));
  EXPECT_FALSE(host.Visible(Control::PageTitle));
  const int frame = Title().frame;
  Tick(51 * 5);
  EXPECT_EQ(Title().frame, frame);
  EXPECT_EQ(Wave().CurrentFile(), "dat/04b.wav");  // the music keeps playing
}

TEST_F(TitleTest, TheNamePageRefusesBadNamesAndStays) {
  struct Case {
    std::string name;
    std::string box;
  };
  const Case cases[] = {
      {"", "銘が入力されていません。"},
      {"あいうえおかきくけ", "銘が規定文字数を超えています。"},
      {"abcdefghijklmnopq", "銘が規定文字数を超えています。"},
      // A character the save cannot hold is named, with the limit, as the player typed it.
      {"剣😀", Unheld("😀")},
      {"Café", Unheld("é")},
      {"Cafe\u0301", Unheld("e\u0301")},
      {"Zoe\u0308y", Unheld("e\u0308")},
      {"\u0301a", Unheld("\u0301")},
      {"剣\xff", "銘に刻めない文字が含まれています。"},  // not even UTF-8: nothing to name
  };
  PntTitleClick();
  for (const Case& c : cases) {
    host.TakeBoxes();
    ApplyInput(Input::NameGiven(c.name));
    EXPECT_EQ(host.TakeBoxes(), Boxes{c.box}) << c.name;
    EXPECT_TRUE(host.Visible(Control::PageInputName)) << c.name;
  }
  EXPECT_EQ(PlayerData().PlayerName, "");
}

TEST_F(TitleTest, AnEnglishSittingNamesTheCharacterAndTheLimitInEnglish) {
  const testing::InLanguage english(testing::English());
  PntTitleClick();
  host.TakeBoxes();
  ApplyInput(Input::NameGiven("Zoë"));
  EXPECT_EQ(host.TakeBoxes(), Boxes{"\"ë\" cannot be inscribed.\r\n"
                                    "A name holds 16 bytes: 16 plain letters and digits,\r\nor 8 Japanese characters."});
}

TEST_F(TitleTest, AnsweringNoKeepsTheNamePage) {
  PntTitleClick();
  ApplyInput(Input::Answer(false));
  host.TakeBoxes();
  ApplyInput(Input::NameGiven("あいうえおかきく"));
  EXPECT_EQ(host.TakeBoxes(), Boxes{"≪あいうえおかきく≫\r\nこれでいいですか？"});
  EXPECT_TRUE(host.Visible(Control::PageInputName));
  EXPECT_EQ(PlayerData().PlayerName, "");
}

TEST_F(TitleTest, AnAcceptedNameStartsTheRunOnTheMainPage) {
  PntTitleClick();
  host.TakeSounds();
  host.TakeBoxes();
  ApplyInput(Input::NameGiven("あいうえおかきく"));  // 16 bytes: the limit itself
  EXPECT_EQ(host.TakeBoxes(), (Boxes{"≪あいうえおかきく≫\r\nこれでいいですか？", "刻まれました。"}));
  EXPECT_EQ(PlayerData().PlayerName, "あいうえおかきく");
  EXPECT_TRUE(host.Visible(Control::PageMain));
  EXPECT_FALSE(host.Visible(Control::PageInputName));
  const auto sounds = host.TakeSounds();
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.front(), std::make_pair(std::string("dat/water.wav"), false));
}

TEST_F(TitleTest, TheNameIsKeptAsTheSaveFileWillGiveItBack) {
  PntTitleClick();
  host.TakeBoxes();
  ApplyInput(Input::NameGiven("¥100〜"));
  EXPECT_EQ(host.TakeBoxes(), (Boxes{"≪\\100～≫\r\nこれでいいですか？", "刻まれました。"}));
  EXPECT_EQ(PlayerData().PlayerName, "\\100～");
}

TEST(TVorbBitmap, SetSizeFillsWhiteAndBuildsOneRowEntryPerRow) {
  TVorbBitmap bitmap;
  bitmap.SetSize(3, 3);
  EXPECT_EQ(bitmap.RowCount(), 3u);
  EXPECT_EQ(bitmap.PixelAt(2, 2), kPixelWhite);
  TVorbBitmap empty;
  empty.SetSizeAndFill(0, 0, kPixelBlack);
  empty.Fill(kPixelBlack);
  EXPECT_EQ(empty.RowCount(), 0u);
}

}  // namespace
}  // namespace zemra
