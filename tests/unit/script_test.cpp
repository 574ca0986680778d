// The script interpreter's rules, each shown by a small script: pages, labels,
// jumps, comments, commands, the dropped last line and finishing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/file_io.h"
#include "engine/script.h"
#include "engine/sjis.h"
#include "engine/text_utils.h"
#include "platform/temp_folder.h"

namespace zemra {
namespace {

using Page = std::vector<std::string>;
using Pages = std::vector<Page>;

// One script on disk and an interpreter set up as the game sets up its own.
class ScriptRun {
 public:
  ScriptRun() : script_([this] { ++beeps; }, [this] { ++terminations; }) {
    script_.SetPageSize(5);
    script_.SetPageHandler([this](const Page& page) { pages.push_back(page); });
    script_.RegisterCommandWithArgs("#image", [this](const std::vector<std::string>& words) {
      log.push_back(words.size() > 1 ? "image " + words[1] : "image");
    });
    script_.RegisterCommand("#SetReturn", [this] { log.push_back("return"); });
    script_.SetErrorHandler([this](std::string_view text) { errors.emplace_back(text); });
  }

  std::filesystem::path File() const { return folder_.Path() / "script.dat"; }

  // The text (UTF-8, lines ended by "\n") stored as code page 932 with CR LF.
  bool Load(const std::string& text, bool scramble = false) {
    std::string bytes;
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = text.find('\n', start);
      const std::string line = Utf8ToSjis(text.substr(start, end - start)).value_or("?");
      bytes += (scramble ? ScrambleText(line) : line) + "\r\n";
      start = end == std::string::npos ? text.size() : end + 1;
    }
    return LoadBytes(bytes, scramble);
  }
  bool LoadBytes(const std::string& bytes, bool descramble = false) {
    EXPECT_TRUE(WriteTextFile(File(), bytes));
    return script_.LoadFile(File(), descramble);
  }
  Pages Steps(int n) {
    for (int i = 0; i < n; ++i) script_.Step();
    return pages;
  }

  TVorbScript& Script() { return script_; }
  Pages pages;
  std::vector<std::string> log;
  std::vector<std::string> errors;
  int beeps = 0;
  int terminations = 0;

 private:
  TempFolder folder_;

 private:
  TVorbScript script_;
};

TEST(Script, DeliversPagesByTheRules) {
  struct Case {
    const char* rule;
    std::string text;
    int steps;
    Pages pages;
    int terminations;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"a comment-only line splits the page", "一\n// 注\n二\n#end\n", 2, {{"一"}, {"二", ""}}, 1, {}},
      {"a comment is cut from a text line", "剣だ // 注記\n#end\n", 1, {{"剣だ ", ""}}, 1, {}},
      {"six lines make a page of five and one", "1\n2\n3\n4\n5\n6\n\nx\n", 2, {{"1", "2", "3", "4", "5"}, {"6"}}, 0, {}},
      {"three lines then #end close with an empty line", "a\nb\nc\n#end\ndropped\n", 2, {{"a", "b", "c", ""}, {}}, 1, {}},
      {"blank lines and labels before text are skipped", "\n@x\n\n本文\n\nx\n", 1, {{"本文"}}, 0, {}},
      {"an unknown #word is text", "#endless\n#imagery x\n\nx\n", 1, {{"#endless", "#imagery x"}}, 0, {}},
      {"commands in capitals run before the page is seen",
       "#IMAGE a.bmp\n#setreturn\n本文\n#Image\n\nx\n", 1, {{"本文"}}, 0, {"image a.bmp", "return", "image"}},
      {"command words are split on the full-width space", "#image\u3000b.jpg\t\n本文\n\nx\n", 1, {{"本文"}}, 0, {"image b.jpg"}},
      {"#GOTO jumps to its label", "#GOTO @先\nskipped\n@先\n着いた\n\nx\n", 1, {{"着いた"}}, 0, {}},
      {"#goto without a label word is skipped", "#goto\n次\n\nx\n", 1, {{"次"}}, 0, {}},
      {"#goto to a missing label reads on", "#goto @無\n次\n\nx\n", 1, {{"次"}}, 0, {}},
      {"a label after text ends the page", "a\n@next\nb\n\nx\n", 2, {{"a"}, {"b"}}, 0, {}},
      {"the file's last line is never delivered", "a\nlast text\n", 2, {{"a", ""}, {}}, 1, {}},
      {"an empty file finishes at once", "", 1, {{""}}, 1, {}},
      {"a bare #end finishes with an empty page", "#end\n#end\n", 1, {{""}}, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    ScriptRun run;
    ASSERT_TRUE(run.Load(c.text));
    EXPECT_EQ(run.Steps(c.steps), c.pages);
    EXPECT_EQ(run.terminations, c.terminations);
    EXPECT_EQ(run.log, c.log);
    EXPECT_TRUE(run.errors.empty());
  }
}

TEST(Script, LabelsAreTheirFirstWordAndCompareExactly) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("a\n\n \u3000@章 残りの語\nb\n\n@Big\nc\n\nx\n"));
  EXPECT_TRUE(run.Script().GotoLabel("@章"));
  EXPECT_EQ(run.Script().CurrentUnit()->Lines[2], "@章");
  EXPECT_FALSE(run.Script().GotoLabel("@big"));
  EXPECT_FALSE(run.Script().GotoLabel("章"));  // a label starts with "@"
  EXPECT_EQ(run.Steps(1), (Pages{{"b"}}));
}

TEST(Script, GotoNeverExaminesThePositionAndFindsTheNextEqualLabel) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("@a\none\n\n@a\ntwo\n\nx\n"));
  // Position 0 holds "@a": it is not examined, the later one is found.
  EXPECT_TRUE(run.Script().GotoLabel("@a"));
  EXPECT_EQ(run.Script().CurrentUnit()->Position, 3);
  // Wrapping round finds the first one again.
  EXPECT_TRUE(run.Script().GotoLabel("@a"));
  EXPECT_EQ(run.Script().CurrentUnit()->Position, 0);
  EXPECT_EQ(run.Steps(1), (Pages{{"one"}}));

  ScriptRun only;
  ASSERT_TRUE(only.Load("@only\ntext\n\nx\n"));
  EXPECT_FALSE(only.Script().GotoLabel("@only"));  // stored at Position: unchanged
  EXPECT_EQ(only.Steps(1), (Pages{{"text"}}));     // and read anyway
}

TEST(Script, AGotoLoopWithoutTextIsReportedInsteadOfHanging) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("@loop\n#image a.bmp\n#goto @loop\n\nx\n"));
  EXPECT_EQ(run.Steps(1), (Pages{{}}));
  ASSERT_EQ(run.errors.size(), 1u);
  EXPECT_NE(run.errors[0].find("@loop"), std::string::npos);
  EXPECT_EQ(run.terminations, 0);
  // A jump that lands on text is fine however often the script goes round.
  ScriptRun round;
  ASSERT_TRUE(round.Load("@top\n本文\n#goto @top\n\nx\n"));
  EXPECT_EQ(round.Steps(3), (Pages{{"本文"}, {"本文"}, {"本文"}}));
  EXPECT_TRUE(round.errors.empty());
}

TEST(Script, LinesEndInCrLfOrLfAndFinalLineEndStartsNoLine) {
  ScriptRun run;
  ASSERT_TRUE(run.LoadBytes("a\r\nb\nc\r\n\r\n#end\r\n"));
  EXPECT_EQ(run.Script().CurrentUnit()->Count, 6);  // five lines and the loader's copy
  EXPECT_EQ(run.Steps(1), (Pages{{"a", "b", "c"}}));
}

TEST(Script, WordsAndCommentsMatchWholeCharactersNotBytes) {
  // "ァ" (0x83 0x40) and the full-width space (0x81 0x40) both end in the byte of "@".
  const std::string cp932 = std::string("\x83\x40", 2) + "\r\n" + std::string("\x81\x40", 2) + "#end x\r\nend\r\n";
  ScriptRun run;
  ASSERT_TRUE(run.LoadBytes(cp932));
  // "ァ" (0x83 0x40) is text, not a label; the full-width space before #end makes it a command.
  EXPECT_EQ(run.Steps(1), (Pages{{"ァ", ""}}));
  EXPECT_EQ(run.terminations, 1);
}

TEST(Script, ScrambledFileIsDescrambledOnLoading) {
  ScriptRun run;
  ASSERT_TRUE(run.Load("@序\n#image pic.bmp\n霧の朝。\n\n#end\n", true));
  EXPECT_EQ(run.Steps(1), (Pages{{"霧の朝。"}}));
  EXPECT_EQ(run.log, (std::vector<std::string>{"image pic.bmp"}));
}

TEST(Script, BytesThatAreNotCodePage932AreShownReplaced) {
  ScriptRun run;
  ASSERT_TRUE(run.LoadBytes("ok\xFF\x80 end\r\n\r\n#end\r\n"));
  EXPECT_EQ(run.Steps(1), (Pages{{"ok\uFFFD\uFFFD end"}}));
}

TEST(Script, AFileOverTheLimitKeepsItsFirstLines) {
  std::string bytes;
  for (int i = 0; i < TVorbScript::kMaxFileLines + 5; ++i) bytes += "line\r\n";
  ScriptRun run;
  ASSERT_TRUE(run.LoadBytes(bytes));
  EXPECT_EQ(run.Script().CurrentUnit()->Count, TVorbScript::kMaxFileLines + 1);
  EXPECT_EQ(run.Script().DroppedLines(), 5u);
}

TEST(Script, AMissingFileBeepsAndLeavesAnEmptyScriptThatDoesNoHarm) {
  ScriptRun run;
  std::filesystem::remove(run.File());
  EXPECT_FALSE(run.Script().LoadFile(run.File(), true));
  EXPECT_EQ(run.beeps, 1);
  EXPECT_FALSE(run.Script().Loaded());
  EXPECT_FALSE(run.Script().GotoLabel("@序"));
  EXPECT_EQ(run.Steps(2), (Pages{{}, {}}));
  EXPECT_EQ(run.terminations, 0);
}

}  // namespace
}  // namespace zemra
