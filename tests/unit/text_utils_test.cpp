// Splitting, scrambling and the Shift-JIS byte rules.
#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <random>
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

// glibc's own converter, which the game's tables were made from: with a
// replacement a byte it cannot convert becomes that text, else the call fails.
std::optional<std::string> Iconv(const char* to, const char* from, std::string_view in, std::string_view replacement = {}) {
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  bool failed = false;
  while (src_left > 0 && !failed) {
    std::array<char, 256> buf{};
    char* dst = buf.data();
    std::size_t dst_left = buf.size();
    const std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buf.data(), buf.size() - dst_left);
    if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    if (replacement.empty()) {
      failed = true;
    } else {
      out.append(replacement);
      ++src;
      --src_left;
    }
  }
  iconv_close(cd);
  if (failed) return std::nullopt;
  return out;
}

std::string Utf8Of(char32_t c) {
  if (c < 0x80) return {static_cast<char>(c)};
  if (c < 0x800) return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
  if (c < 0x10000) {
    return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
  }
  return {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
          static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
}

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

// The conversions and byte counts come from tables made once from iconv;
// every character, every byte pair and the malformed sequences iconv refuses
// must convert and count as iconv converts them.
TEST(Sjis, EncodesAndCountsEveryCharacterAsIconvDoes) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;  // surrogates have no UTF-8 form
    const std::string utf8 = Utf8Of(c);
    const std::optional<std::string> expected = Iconv("CP932", "UTF-8", utf8);
    ASSERT_EQ(Utf8ToSjis(utf8), expected) << "U+" << std::hex << static_cast<std::uint32_t>(c);
    const std::optional<std::size_t> counted = SjisLength(utf8);
    ASSERT_EQ(counted.has_value(), expected.has_value()) << "U+" << std::hex << static_cast<std::uint32_t>(c);
    if (expected) {
      ASSERT_EQ(*counted, expected->size()) << "U+" << std::hex << static_cast<std::uint32_t>(c);
    }
  }
  const char* malformed[] = {"\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81",
                             "\x81", "\xF8\x88\x80\x80\x80", "a\xE3\x81\x41"};
  for (const std::string text : malformed) {
    EXPECT_EQ(Utf8ToSjis(text), Iconv("CP932", "UTF-8", text)) << text;
    EXPECT_FALSE(SjisLength(text).has_value()) << text;
  }
  EXPECT_EQ(Utf8ToSjis("¥‾銘\xF3\xA0\x80\x81"), Iconv("CP932", "UTF-8", "¥‾銘\xF3\xA0\x80\x81"));
}

TEST(Sjis, DecodesEveryByteAndBytePairAsIconvDoes) {
  for (int first = 0; first < 256; ++first) {
    const std::string one{static_cast<char>(first)};
    ASSERT_EQ(SjisToUtf8(one), Iconv("UTF-8", "CP932", one)) << std::hex << first;
    for (int second = 0; second < 256; ++second) {
      const std::string two{static_cast<char>(first), static_cast<char>(second)};
      ASSERT_EQ(SjisToUtf8(two), Iconv("UTF-8", "CP932", two)) << std::hex << first << " " << second;
    }
  }
  // Damaged texts, read leniently: each byte that decodes to nothing becomes U+FFFD.
  std::mt19937 pick(932);
  const unsigned char alphabet[] = {0x00, 0x41, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0x82, 0x87, 0x9F, 0xA0, 0xB1,
                                    0xDF, 0xE0, 0xEA, 0xED, 0xEF, 0xF0, 0xFA, 0xFC, 0xFD, 0xFF, 0x40, 0xA1};
  for (int round = 0; round < 20000; ++round) {
    std::string bytes;
    for (std::size_t n = 1 + pick() % 8; n > 0; --n) bytes += static_cast<char>(alphabet[pick() % sizeof alphabet]);
    ASSERT_EQ(SjisToUtf8Lenient(bytes), Iconv("UTF-8", "CP932", bytes, "\uFFFD").value_or(""));
    ASSERT_EQ(SjisToUtf8(bytes), Iconv("UTF-8", "CP932", bytes));
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
