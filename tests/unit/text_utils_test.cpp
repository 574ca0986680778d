// Splitting, scrambling and the Shift-JIS byte rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/file_io.h"
#include "engine/sjis.h"
#include "engine/text_utils.h"
#include "support/temp_folder.h"

namespace zemra {
namespace {

using Strings = std::vector<std::string>;

TEST(SplitString, SplitsAtEverySeparator) {
  struct Case {
    std::string text;
    std::string separator;
    Strings expected;
  };
  const Case cases[] = {
      {"a//b", "//", {"a", "b"}},
      {"a b", " ", {"a", "b"}},
      {" rest", " ", {"", "rest"}},
      {"whole", " ", {"whole"}},
      {"", " ", {""}},
      {"end ", " ", {"end", ""}},
      {"#image center.bmp", " ", {"#image", "center.bmp"}},
      // A separator never matches inside a full-width character.
      {"剣と剣", "と", {"剣", "剣"}},
  };
  for (const Case& c : cases) {
    Strings list{"stale"};
    SplitString(c.text, c.separator, list);
    EXPECT_EQ(list, c.expected) << c.text;
  }
}

TEST(SplitString, EmptySeparatorLeavesTheListUntouched) {
  Strings list{"kept"};
  SplitString("a b", "", list);
  EXPECT_EQ(list, Strings{"kept"});
}

TEST(ScrambleText, IsItsOwnInverseAndKeepsControlBytes) {
  const std::string samples[] = {"", "@序", "#SetReturn", std::string("\r\n\t\x1f ~\x7f\x80\xff", 9)};
  for (const std::string& text : samples) {
    const std::string scrambled = ScrambleText(text);
    EXPECT_EQ(ScrambleText(scrambled), text);
    ASSERT_EQ(scrambled.size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto b = static_cast<unsigned char>(text[i]);
      if (b < 32) EXPECT_EQ(scrambled[i], text[i]);
      else EXPECT_GE(static_cast<unsigned char>(scrambled[i]), 32);
    }
  }
  EXPECT_NE(ScrambleText("abc"), "abc");
  EXPECT_GE(kScrambleMask, 1);
  EXPECT_LE(kScrambleMask, 15);
}

TEST(Sjis, CountsFullWidthAsTwoBytes) {
  struct Case {
    std::string text;
    std::size_t bytes;
  };
  const Case cases[] = {{"", 0}, {"abc", 3}, {"剣", 2}, {"ｱ", 1}, {"剣-1", 4}, {"あいうえおかきく", 16}};
  for (const Case& c : cases) EXPECT_EQ(SjisLength(c.text), c.bytes) << c.text;
}

TEST(Sjis, RefusesCharactersTheCodePageCannotHold) {
  EXPECT_FALSE(SjisLength("剣😀").has_value());
  EXPECT_FALSE(Utf8ToSjis("\xff").has_value());
  EXPECT_FALSE(SjisToUtf8("\x82").has_value());  // a lead byte without its trail
}

TEST(Sjis, RoundTripsThroughTheCodePage) {
  const std::string text = "銘が規定文字数を超えています。★☆／１２";
  const auto bytes = Utf8ToSjis(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(SjisToUtf8(*bytes), text);
}

TEST(Sjis, CutNeverSplitsACharacter) {
  struct Case {
    std::string text;
    std::size_t capacity;
    std::string expected;
  };
  const Case cases[] = {
      {"あいうえおかきくけ", 16, "あいうえおかきく"},
      {"aあいうえおかきく", 16, "aあいうえおかき"},  // 17 bytes: the last full-width character goes whole
      {"short", 16, "short"},
      {"剣", 1, ""},
      {"abc😀def", 16, "abc"},
  };
  for (const Case& c : cases) EXPECT_EQ(CutSjis(c.text, c.capacity), c.expected) << c.text;
  EXPECT_EQ(HeadStr("霧葉記憶絵巻・終", 0), "");
}

TEST(WriteTextFile, WritesExactlyTheBytes) {
  const testing::TempFolder folder;
  const auto path = folder.Path() / "written.txt";
  ASSERT_TRUE(WriteTextFile(path, ""));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  ASSERT_TRUE(WriteTextFile(path, "a\r\nb"));
  EXPECT_EQ(ReadWholeFile(path), "a\r\nb");
  std::filesystem::remove(path);
  EXPECT_FALSE(WriteTextFile("/nonexistent-folder/x.txt", "x"));
}

}  // namespace
}  // namespace zemra
