// The game in English through zemra6-text --lang en: a whole scripted run and
// many random sittings show no Japanese on any screen but a name the player
// typed, and every story chapter reads in English.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "support/crafted_save.h"
#include "support/english.h"
#include "platform/temp_folder.h"
#include "support/scripted_player.h"
#include "support/text_process.h"
#include "support/text_runner.h"

namespace zemra {
namespace {

using nlohmann::json;

constexpr char kTypedName[] = "剣聖";

// Kana, the CJK ideographs and their punctuation, and the full-width forms.
bool IsJapanese(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool HasJapanese(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < text.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    if (IsJapanese(c)) return true;
    i += static_cast<std::size_t>(length);
  }
  return false;
}

// The first text of the screen with Japanese in it once the typed name is taken out; "" when none.
std::string JapaneseOnScreen(const json& value) {
  if (value.is_string()) {
    std::string text = value.get<std::string>();
    for (std::size_t at; (at = text.find(kTypedName)) != std::string::npos;) text.erase(at, sizeof kTypedName - 1);
    return HasJapanese(text) ? value.get<std::string>() : "";
  }
  if (value.is_structured()) {
    for (const auto& [key, item] : value.items()) {
      if (key == "playerName") continue;
      if (std::string found = JapaneseOnScreen(item); !found.empty()) return found;
    }
  }
  return "";
}

// The commands of the field a save continues in, in the language given.
json FieldCommands(const testing::TextRun& dir, const char* language) {
  const auto out = dir.Run({"state"}, 7, std::string("--lang ") + language);
  return out.size() == 2 ? out[0]["commands"] : json();
}

// The English run shows no Japanese, replays in English to the same end, and
// its save continues in Japanese.
TEST(English, TheScriptedWholeRunShowsNoJapaneseReplaysAndItsSaveContinuesInJapanese) {
  testing::TextRun dir;
  testing::ScriptedPlayer player(dir.Dir(), 7, true, testing::English());
  int screens = 0;
  std::string found;
  const testing::RunFigures figures = player.Play(3000, [&](const json& screen) {
    ++screens;
    if (found.empty()) found = JapaneseOnScreen(screen);
  });
  ASSERT_TRUE(figures.reached_ending) << figures.last_screen;
  EXPECT_TRUE(figures.saved_at_ending);
  EXPECT_EQ(found, "") << "after " << screens << " screens";

  std::filesystem::path recording;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Dir() / "recordings")) recording = entry.path();
  std::ifstream in(recording);
  std::string header;
  std::getline(in, header);
  EXPECT_NE(header.find(R"("lang":"en")"), std::string::npos) << header;
  // Replayed with no --lang: the recording's own language, whatever the locale says.
  const std::string command = "cd '" + dir.Dir().string() + "' && LANG=ja_JP.UTF-8 '" + ZEMRA_TEXT_PROGRAM +
                              "' --replay '" + recording.string() + "' --last > replay.out 2> replay.err";
  const int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
  std::ifstream replayed(dir.Dir() / "replay.out");
  std::string last;
  std::getline(replayed, last);
  EXPECT_EQ(json::parse(last, nullptr, false)["lines"], json::parse(figures.last_screen)["lines"]);

  EXPECT_EQ(FieldCommands(dir, "ja"), json::parse(R"(["徘徊", "剣"])"));
}

TEST(English, AJapaneseSaveContinuesInEnglish) {
  testing::TextRun dir;
  testing::ScriptedPlayer player(dir.Dir(), 7, true);
  ASSERT_TRUE(player.Play(3000).saved_at_ending);
  EXPECT_EQ(FieldCommands(dir, "en"), json({TrIn(testing::English(), "徘徊"), TrCtxIn(testing::English(), "button", "剣")}));
  EXPECT_NE(FieldCommands(dir, "en"), json::parse(R"(["徘徊", "剣"])"));
}

// A fighter's name takes the form each line asks for: the player started a
// Redraw Blade, named by its first sword that names a bearer, or "you"; in
// Japanese the lines stay as written.
TEST(English, AFightersNameTakesTheFormItsLineAsks) {
  struct Case {
    std::vector<std::string> swords;
    const char* language;
    std::vector<std::string> started;  // the lines after the sword is started
    std::string effect;                // the line of its effect
  };
  const Case cases[] = {
      {{"リドローブレード", "クロス"}, "en",
       {R"(You used "Redraw Blade".)", R"("Redraw Blade" shattered.)", "", "≪Redraw≫", "Something danced in your mind."},
       "Your cards were redrawn."},
      {{"灯籠の", "リドローブレード", "クロス"}, "en",
       {R"(Toro's used "Redraw Blade".)", R"("Redraw Blade" shattered.)", "", "≪Redraw≫", "Something danced in Toro's mind."},
       "Toro's cards were redrawn."},
      {{"不可知の王", "リドローブレード", "クロス"}, "en",
       {R"(The Unknowable King used "Redraw Blade".)", R"("Redraw Blade" shattered.)", "", "≪Redraw≫",
        "Something danced in the Unknowable King's mind."},
       "The Unknowable King's cards were redrawn."},
      {{"テネシー", "リドローブレード", "クロス"}, "en",
       {R"(Tennessee used "Redraw Blade".)", R"("Redraw Blade" shattered.)", "", "≪Redraw≫",
        "Something danced in Tennessee's mind."},
       "Tennessee's cards were redrawn."},
      {{"リドローブレード", "クロス"}, "ja",
       {"あなたは「リドローブレード」を始動させた。", "「リドローブレード」は砕け散った。", "", "≪リドロー≫", "あなたの意識で何かが踊る。"},
       "あなたのカードが引き直された。"},
      {{"灯籠の", "リドローブレード", "クロス"}, "ja",
       {"灯籠のは「リドローブレード」を始動させた。", "「リドローブレード」は砕け散った。", "", "≪リドロー≫", "灯籠のの意識で何かが踊る。"},
       "灯籠ののカードが引き直された。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.swords.front() + " " + c.language);
    testing::TextRun dir;
    testing::WriteCraftedSave(dir.Dir(), {2, c.swords, {1, 2, 3, 4, 5}});
    const bool english = std::string_view(c.language) == "en";
    const auto caption = [&](std::string_view japanese, bool button = false) {
      if (!english) return std::string(japanese);
      return button ? TrCtxIn(testing::English(), "button", japanese) : TrIn(testing::English(), japanese);
    };
    const int slot = c.swords.front() == "リドローブレード" ? 0 : 1;
    const auto out = dir.Run({"press " + caption("剣", true), "press " + caption("始動"), "click " + std::to_string(slot),
                              "press " + caption("はい"), "press ≫"},
                             3, std::string("--lang ") + c.language);
    ASSERT_EQ(out.size(), 6U);
    EXPECT_EQ(out[4]["lines"], json(c.started));
    EXPECT_EQ(out[5]["lines"], json({c.effect}));
  }
}

// Random actions from whatever each screen offers, chapters included.
std::string RandomAction(const json& s, std::mt19937& random, int sitting) {
  const std::string page = s["page"].get<std::string>();
  if (page == "title") return "title";
  if (page == "name") return sitting % 2 == 0 ? std::string("name ") + kTypedName : "name Mist";
  std::vector<std::string> actions{"tick 700", "leave"};
  for (const auto& caption : s["commands"]) actions.push_back("press " + caption.get<std::string>());
  for (int i = 0; i < 8; ++i) {
    if (s["swords"]["labels"][static_cast<std::size_t>(i)] == "") continue;
    actions.push_back("hover " + std::to_string(i));
    if (s["swords"]["clickable"].get<bool>()) actions.push_back("click " + std::to_string(i));
  }
  if (random() % 40 == 0) return "chapter " + std::to_string(random() % 10);
  if (random() % 8 == 0) return "answer no";
  return actions[random() % actions.size()];
}

TEST(English, RandomSittingsShowNoJapanese) {
  constexpr int kSittings = 300;
  constexpr int kActions = 60;
  int screens = 0;
  for (int sitting = 1; sitting <= kSittings; ++sitting) {
    const TempFolder dir;
    testing::TextProcess process(dir.Path(), sitting, "en");
    std::mt19937 random(static_cast<unsigned>(sitting));
    json screen = process.Read();
    std::string last_action = "(start)";
    for (int a = 0; a < kActions && screen.is_object() && !screen["terminated"].get<bool>(); ++a) {
      ++screens;
      if (const std::string found = JapaneseOnScreen(screen); !found.empty()) {
        FAIL() << "sitting " << sitting << " after '" << last_action << "': " << found << "\n" << screen.dump();
      }
      last_action = RandomAction(screen, random, sitting);
      screen = process.Act(last_action);
    }
  }
  std::printf("%d sittings, %d screens in English\n", kSittings, screens);
}

TEST(English, EveryChapterReadsInEnglish) {
  testing::TextRun dir;
  std::vector<std::string> actions{"title", "name Mist", "answer yes"};
  for (int chapter = 0; chapter <= 9; ++chapter) {
    actions.push_back("chapter " + std::to_string(chapter));
    for (int page = 0; page < 12; ++page) actions.push_back("press ≫");
  }
  int lines = 0;
  for (const json& screen : dir.Run(actions, 7, "--lang en")) {
    ASSERT_TRUE(screen.is_object());
    EXPECT_EQ(JapaneseOnScreen(screen), "") << screen.dump();
    lines += static_cast<int>(screen["lines"].size());
  }
  EXPECT_GT(lines, 150);
}

}  // namespace
}  // namespace zemra
