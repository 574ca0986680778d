// The shipped story file: made from its source, readable, and every chapter
// plays from its label to a page that leads back to the field.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/sword.h"
#include "engine/file_io.h"
#include "engine/script.h"
#include "engine/sjis.h"
#include "engine/text_utils.h"

namespace zemra {
namespace {

const std::filesystem::path kSourceDir = ZEMRA_SOURCE_DIR;
constexpr std::size_t kConsoleLineBytes = 56;  // what the 480-pixel console shows unwrapped

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = bytes.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(bytes.substr(start, at - start));
  }
  EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
  return lines;
}

// Each language's story: the shipped file and the source it is made from.
struct StoryFiles {
  const char* shipped;
  const char* source;
};

class StoryFile : public ::testing::TestWithParam<StoryFiles> {};

INSTANTIATE_TEST_SUITE_P(EveryLanguage, StoryFile,
                         ::testing::Values(StoryFiles{"dat/kiriha.dat", "tools/story/kiriha.txt"},
                                           StoryFiles{"dat/kiriha_en.dat", "tools/story/kiriha_en.txt"}),
                         [](const ::testing::TestParamInfo<StoryFiles>& files) {
                           return files.index == 0 ? "Japanese" : "English";
                         });

TEST_P(StoryFile, IsItsSourceInCodePage932ScrambledLineByLine) {
  const auto shipped = ReadWholeFile(kSourceDir / GetParam().shipped);
  const auto source = ReadWholeFile(kSourceDir / GetParam().source);
  ASSERT_TRUE(shipped && source);
  std::string expected;
  for (std::size_t start = 0; start < source->size();) {
    const std::size_t end = source->find('\n', start);
    const auto line = Utf8ToSjis(source->substr(start, end - start));
    ASSERT_TRUE(line) << source->substr(start, end - start);
    expected += ScrambleText(*line) + "\r\n";
    start = end + 1;
  }
  EXPECT_TRUE(*shipped == expected) << "run tools/make_story.py";

  const std::vector<std::string> lines = SplitCrLf(*shipped);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(ScrambleText(lines.back()), "#end");
  for (const std::string& scrambled : lines) {
    const std::string line = ScrambleText(scrambled);
    EXPECT_TRUE(SjisToUtf8(line).has_value()) << line;
    EXPECT_LE(line.size(), kConsoleLineBytes) << *SjisToUtf8(line);
    EXPECT_EQ(line.find("//"), std::string::npos) << *SjisToUtf8(line);
  }
}

TEST_P(StoryFile, EveryChapterPlaysToAPageThatLeadsBackToTheField) {
  int terminations = 0;
  TVorbScript script([] {}, [&terminations] { ++terminations; });
  ASSERT_TRUE(script.LoadFile(kSourceDir / GetParam().shipped, true));
  script.SetPageSize(5);
  std::vector<std::string> page;
  bool returns = false;
  std::set<std::string> own_pictures;
  std::string picture_error;
  script.SetPageHandler([&page](const std::vector<std::string>& lines) { page = lines; });
  script.RegisterCommandWithArgs("#image", [&](const std::vector<std::string>& words) {
    if (words.size() < 2 || !std::filesystem::is_regular_file(kSourceDir / "dat" / words[1])) {
      picture_error = words.size() < 2 ? "#image without a name" : words[1];
    } else {
      own_pictures.insert(words[1]);
    }
  });
  script.RegisterCommand("#SetReturn", [&returns] { returns = true; });
  script.SetErrorHandler([](std::string_view text) { ADD_FAILURE() << text; });

  std::set<std::string> all_pictures;
  for (std::string_view chapter : ChapterNames) {
    SCOPED_TRACE(std::string(chapter));
    const std::string label = "@" + std::string(chapter);
    const TScriptUnit& unit = *script.CurrentUnit();
    ASSERT_NE(std::find(unit.Lines.begin(), unit.Lines.end(), label), unit.Lines.end());
    script.GotoLabel(label);
    returns = false;
    own_pictures.clear();
    int pages = 0;
    while (!returns && terminations == 0 && pages < 50) {
      script.Step();
      ++pages;
      EXPECT_LE(page.size(), 5u);
      EXPECT_FALSE(page.empty() || page.front().empty()) << "page " << pages << " shows no text";
    }
    EXPECT_TRUE(returns);
    EXPECT_EQ(terminations, 0);
    EXPECT_EQ(picture_error, "");
    EXPECT_FALSE(own_pictures.empty());
    for (const std::string& p : own_pictures) {
      if (p.starts_with("memory")) {
        EXPECT_TRUE(all_pictures.insert(p).second) << p << " is another chapter's";
      }
    }
    // Replaying the chapter starts over at its first page.
    std::vector<std::string> first_page;
    script.GotoLabel(label);
    script.Step();
    first_page = page;
    script.GotoLabel(label);
    script.Step();
    EXPECT_EQ(page, first_page);
  }
  EXPECT_EQ(all_pictures.size(), ChapterNames.size());
}

}  // namespace
}  // namespace zemra
