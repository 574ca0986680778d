// Splitting, scrambling and the Shift-JIS byte rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_io.h"
#include "engine/sjis.h"
#include "engine/text_utils.h"
#include "platform/temp_folder.h"

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

// The byte counts come from a table made once from iconv; every character,
// and the malformed sequences iconv refuses, must count as iconv converts them.
TEST(Sjis, CountsEveryCharacterAsIconvConvertsIt) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;  // surrogates have no UTF-8 form
    std::string utf8;
    if (c < 0x80) {
      utf8 = {static_cast<char>(c)};
    } else if (c < 0x800) {
      utf8 = {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
      utf8 = {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      utf8 = {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
              static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    const std::optional<std::string> converted = Utf8ToSjis(utf8);
    const std::optional<std::size_t> counted = SjisLength(utf8);
    ASSERT_EQ(counted.has_value(), converted.has_value()) << "U+" << std::hex << static_cast<std::uint32_t>(c);
    if (converted) {
      ASSERT_EQ(*counted, converted->size()) << "U+" << std::hex << static_cast<std::uint32_t>(c);
    }
  }
  const char* malformed[] = {"\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81",
                             "\x81", "\xF8\x88\x80\x80\x80", "a\xE3\x81\x41"};
  for (const std::string text : malformed) {
    EXPECT_EQ(SjisLength(text).has_value(), Utf8ToSjis(text).has_value()) << text;
    EXPECT_FALSE(SjisLength(text).has_value()) << text;
  }
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
  const TempFolder folder;
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
