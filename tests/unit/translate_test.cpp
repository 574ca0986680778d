// The translation lookup: patterns, the catalogue as built from po/en.po, and
// the language a program takes from its locale.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>
#include <algorithm>
#include <span>

#include "support/english.h"
#include "data/player_data.h"
#include "data/shown_names.h"
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
  const std::span<const CatalogueEntry> catalogue = CatalogueOf(testing::English());
  ASSERT_FALSE(catalogue.empty());
  const CatalogueEntry& first = catalogue.front();
  EXPECT_EQ(Tr(first.key), first.key);
  const InLanguage english(testing::English());
  EXPECT_EQ(Tr(first.key), first.text);
  EXPECT_EQ(Tr("剣聖ではない名前"), "剣聖ではない名前");  // a name the player typed
  EXPECT_EQ(Tr(""), "");
}

// Every entry is found by the lookup (the table is sorted as the lookup
// expects) and keeps exactly the placeholders of its key, so no argument is
// lost or invented in English.
TEST(TranslateTest, EveryEnglishEntryIsFoundAndKeepsItsPlaceholders) {
  const InLanguage english(testing::English());
  const std::regex placeholder("%[1-9]");
  const auto placeholders = [&](std::string_view text) {
    std::set<std::string> found;
    const std::string s(text);
    for (auto it = std::sregex_iterator(s.begin(), s.end(), placeholder); it != std::sregex_iterator(); ++it) {
      found.insert(it->str());
    }
    return found;
  };
  for (const CatalogueEntry& entry : CatalogueOf(testing::English())) {
    SCOPED_TRACE(std::string(entry.key));
    const std::size_t glue = entry.key.find('\x04');
    if (glue == std::string_view::npos) {
      EXPECT_EQ(Tr(entry.key), entry.text);
    } else {
      EXPECT_EQ(TrCtx(entry.key.substr(0, glue), entry.key.substr(glue + 1)), entry.text);
    }
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
  for (const CatalogueEntry& entry : CatalogueOf(testing::English())) {
    SCOPED_TRACE(std::string(entry.key));
    const std::vector<std::string> english = lines(entry.text);
    const std::vector<std::string> japanese = lines(entry.key.substr(entry.key.find('\x04') + 1));
    for (std::size_t k = 0; k < english.size(); ++k) {
      const auto width = SjisLength(english[k]);
      ASSERT_TRUE(width) << english[k];
      const std::size_t allowed = std::max(kConsoleColumns, k < japanese.size() ? SjisLength(japanese[k]).value_or(0) : 0);
      EXPECT_LE(*width, allowed) << english[k];
    }
  }
}

// The languages are Japanese and those po/LINGUAS lists, each with its code
// and its own name; no other code is one.
TEST(TranslateTest, TheLanguagesAreJapaneseAndTheCataloguesListed) {
  const std::vector<Language> languages = Languages();
  ASSERT_EQ(languages.size(), Catalogues().size() + 1);
  EXPECT_EQ(languages.front(), Language::kJapanese);
  EXPECT_EQ(LanguageCode(Language::kJapanese), "ja");
  EXPECT_EQ(LanguageName(Language::kJapanese), "日本語");
  for (const Language language : languages) {
    SCOPED_TRACE(std::string(LanguageCode(language)));
    EXPECT_EQ(ParseLanguage(LanguageCode(language)), language);
    EXPECT_FALSE(LanguageName(language).empty());
  }
  EXPECT_EQ(LanguageName(testing::English()), "English");
  for (const char* code : {"", "EN", "en_US", "fr", "jp"}) EXPECT_EQ(ParseLanguage(code), std::nullopt) << code;
}

// A text in a context is its own message: "剣" on the field's button is not
// the kind "剣"; without that context the text reads as it always does.
TEST(TranslateTest, AContextChoosesItsOwnText) {
  struct Case {
    std::string_view context;
    std::string_view japanese;
    std::string_view english;
  };
  const Case cases[] = {
      {"button", "剣", "Swords"},
      {"button", "exit", "Exit"},
      {"no such context", "剣", "剣"},  // the key itself, as with an unknown text
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.context));
    EXPECT_EQ(TrCtx(c.context, c.japanese), c.japanese);  // Japanese is the key
    EXPECT_EQ(TrCtxIn(testing::English(), c.context, c.japanese), c.english);
  }
  EXPECT_EQ(TrIn(testing::English(), "剣"), "Sword");
  EXPECT_EQ(TrIn(testing::English(), "exit"), "exit");
}

// Without a catalogue entry a counted text takes the first form for one and
// the second for any other number, as gettext does.
TEST(TranslateTest, ACountedTextWithoutEntryTakesItsFormByNumber) {
  const InLanguage english(testing::English());
  EXPECT_EQ(TrN("%1 swords", "%1 sword", 1), "%1 swords");
  EXPECT_EQ(TrN("%1 swords", "%1 sword", 0), "%1 sword");
}

// A name keeps its forms through a pattern: as it stands, "%1's" as its owner,
// and its capital when it opens a sentence; a typed name stays as typed.
TEST(TranslateTest, ANameTakesTheFormItsPlaceAsks) {
  const ShownName enemy{"the enemy", "the enemy's", true};
  const ShownName you{"you", "your", true};
  const ShownName typed{"zanko", "zanko's", false};
  const ShownName toro{"Toro's", "Toro's", true};
  struct Case {
    std::string_view pattern;
    const ShownName& name;
    std::string expected;
  };
  const Case cases[] = {
      {"%1 appeared!", enemy, "The enemy appeared!"},
      {"Defeated %1!", enemy, "Defeated the enemy!"},
      {"All of %1's cards rotted.", you, "All of your cards rotted."},
      {"%1's mind swelled up.", you, "Your mind swelled up."},
      {"How much damage did %1 take?", you, "How much damage did you take?"},
      {"Ouch. %1 fell.", enemy, "Ouch. The enemy fell."},
      {"%1 appeared!", typed, "zanko appeared!"},
      {"%1's cards", typed, "zanko's cards"},
      {"%1's cards", toro, "Toro's cards"},
      {"%1%2", enemy, "The enemy2"},
      {"%1は現れた", enemy, "The enemyは現れた"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(FormatText(c.pattern, {c.name, "2"}), c.expected);
  }
  EXPECT_EQ(FormatText("%1's", {"plain"}), "plain's");  // a plain text has no owner form
}

TEST(TranslateTest, TheLocaleChoosesEnglishOnlyWhereItIsEnglish) {
  struct Case {
    std::map<std::string, std::string> environment;
    Language expected;
  };
  const Case cases[] = {
      {{}, Language::kJapanese},
      {{{"LANG", "C.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "en_GB.UTF-8"}}, testing::English()},
      {{{"LANG", "en"}}, testing::English()},
      {{{"LANG", "ja_JP.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "de_DE.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, testing::English()},
      {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LC_ALL", "ja_JP.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:en:ja"}}, testing::English()},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja"}}, Language::kJapanese},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr"}}, testing::English()},  // none of its languages: the locale
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

// Each fighter's name as a line takes it in English: the panel's label never,
// the owner form as English makes it; in Japanese the name as it is.
TEST(TranslateTest, EveryFighterHasTheFormsALineNeeds) {
  PlayerData().PlayerName = "Iris";
  struct Case {
    std::string name;
    std::string text;
    std::string possessive;
    bool capital;
  };
  const Case cases[] = {
      {"敵", "the enemy", "the enemy's", true},
      {"あなた", "you", "your", true},
      {"不可知の王", "the Unknowable King", "the Unknowable King's", true},
      {"灯籠の", "Toro's", "Toro's", true},
      {"テネシー", "Tennessee", "Tennessee's", true},
      {"ラーダ", "Rada", "Rada's", true},
      {"Iris", "Iris", "Iris'", false},  // typed: as typed, never capitalised
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFighter fighter;
    fighter.Name = c.name;
    const ShownName japanese = FighterInSentence(fighter);
    EXPECT_EQ(japanese.text, c.name);
    EXPECT_EQ(FormatText("%1の剣", {japanese}), c.name + "の剣");
    const InLanguage english(testing::English());
    const ShownName shown = FighterInSentence(fighter);
    EXPECT_EQ(shown.text, c.text);
    EXPECT_EQ(shown.possessive, c.possessive);
    EXPECT_EQ(shown.capital, c.capital);
  }
  PlayerData().PlayerName.clear();
}

}  // namespace
}  // namespace zemra
