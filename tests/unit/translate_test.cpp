// The translation lookup: patterns, the catalogue as built from po/en.po, and
// the language a program takes from its locale.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>
#include <algorithm>

#include "engine/sjis.h"
#include "engine/translate.h"
#include "platform/locale_language.h"

#include "support/in_language.h"

namespace zemra {
namespace {

using testing::InLanguage;

TEST(TranslateTest, PatternsTakeTheirArgumentsByNumber) {
  struct Case {
    std::string_view pattern;
    std::string expected;
  };
  const Case cases[] = {
      {"%1は%2点のダメージを受けた。", "斬子は12点のダメージを受けた。"},
      {"%2 hit %1", "12 hit 斬子"},
      {"100%% %1", "100% 斬子"},
      {"%3 and %9 stay", "%3 and %9 stay"},  // no such argument
      {"ends in %", "ends in %"},
      {"%1%1", "斬子斬子"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(FormatText(c.pattern, {"斬子", "12"}), c.expected);
  }
}

TEST(TranslateTest, JapaneseIsTheKeyAndAnUnknownTextStaysAsItIs) {
  EXPECT_EQ(CurrentLanguage(), Language::kJapanese);
  const CatalogueView catalogue = EnglishCatalogue();
  ASSERT_GT(catalogue.size, 0U);
  const CatalogueEntry& first = catalogue.entries[0];
  EXPECT_EQ(Tr(first.key), first.key);
  const InLanguage english(Language::kEnglish);
  EXPECT_EQ(Tr(first.key), first.text);
  EXPECT_EQ(Tr("剣聖ではない名前"), "剣聖ではない名前");  // a name the player typed
  EXPECT_EQ(Tr(""), "");
}

// Every entry is found by the lookup (the table is sorted as the lookup
// expects) and keeps exactly the placeholders of its key, so no argument is
// lost or invented in English.
TEST(TranslateTest, EveryEnglishEntryIsFoundAndKeepsItsPlaceholders) {
  const InLanguage english(Language::kEnglish);
  const std::regex placeholder("%[1-9]");
  const auto placeholders = [&](std::string_view text) {
    std::set<std::string> found;
    const std::string s(text);
    for (auto it = std::sregex_iterator(s.begin(), s.end(), placeholder); it != std::sregex_iterator(); ++it) {
      found.insert(it->str());
    }
    return found;
  };
  const CatalogueView catalogue = EnglishCatalogue();
  for (std::size_t i = 0; i < catalogue.size; ++i) {
    const CatalogueEntry& entry = catalogue.entries[i];
    SCOPED_TRACE(std::string(entry.key));
    EXPECT_EQ(Tr(entry.key), entry.text);
    EXPECT_EQ(placeholders(entry.text), placeholders(entry.key));
  }
}

// Every line of an English text is as wide as the console (56 columns, a
// Japanese character taking two) or no wider than the Japanese line it
// stands for, so it wraps where the Japanese would; each English text is
// in code page 932, as the console and the report need.
TEST(TranslateTest, EnglishLinesAreNoWiderThanTheConsoleOrTheirJapanese) {
  constexpr std::size_t kConsoleColumns = 56;
  const auto lines = [](std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
      found.emplace_back(text.substr(0, end));
    }
    found.emplace_back(text);
    return found;
  };
  const CatalogueView catalogue = EnglishCatalogue();
  for (std::size_t i = 0; i < catalogue.size; ++i) {
    const CatalogueEntry& entry = catalogue.entries[i];
    SCOPED_TRACE(std::string(entry.key));
    const std::vector<std::string> english = lines(entry.text);
    const std::vector<std::string> japanese = lines(entry.key);
    for (std::size_t k = 0; k < english.size(); ++k) {
      const auto width = SjisLength(english[k]);
      ASSERT_TRUE(width) << english[k];
      const std::size_t allowed = std::max(kConsoleColumns, k < japanese.size() ? SjisLength(japanese[k]).value_or(0) : 0);
      EXPECT_LE(*width, allowed) << english[k];
    }
  }
}

TEST(TranslateTest, OnlyTheTwoLanguagesHaveCodes) {
  EXPECT_EQ(ParseLanguage("ja"), Language::kJapanese);
  EXPECT_EQ(ParseLanguage("en"), Language::kEnglish);
  for (const char* code : {"", "EN", "en_US", "fr", "jp"}) EXPECT_EQ(ParseLanguage(code), std::nullopt) << code;
  EXPECT_EQ(LanguageCode(Language::kEnglish), "en");
  EXPECT_EQ(LanguageCode(Language::kJapanese), "ja");
}

TEST(TranslateTest, TheLocaleChoosesEnglishOnlyWhereItIsEnglish) {
  struct Case {
    std::map<std::string, std::string> environment;
    Language expected;
  };
  const Case cases[] = {
      {{}, Language::kJapanese},
      {{{"LANG", "C.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "en_GB.UTF-8"}}, Language::kEnglish},
      {{{"LANG", "en"}}, Language::kEnglish},
      {{{"LANG", "ja_JP.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "de_DE.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Language::kEnglish},
      {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LC_ALL", "ja_JP.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:en:ja"}}, Language::kEnglish},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja"}}, Language::kJapanese},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr"}}, Language::kEnglish},  // none of its languages: the locale
      {{{"LANG", "C"}, {"LANGUAGE", "en"}}, Language::kJapanese},          // ignored under C, as glibc does
      {{{"LANG", ""}, {"LC_ALL", ""}}, Language::kJapanese},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.environment));
    EXPECT_EQ(LanguageFromLocale([&](const char* name) -> const char* {
                const auto found = c.environment.find(name);
                return found == c.environment.end() ? nullptr : found->second.c_str();
              }),
              c.expected);
  }
}

}  // namespace
}  // namespace zemra
