// Memory chapters through the text front end: the shipped story from its
// first page back to the field, and a game whose story file cannot be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/text_runner.h"

namespace zemra {
namespace {

using nlohmann::json;
using testing::TextRun;

TEST(Chapter, EachShippedChapterPlaysFromItsFirstPageBackToTheField) {
  for (int chapter = 0; chapter < 10; ++chapter) {
    SCOPED_TRACE(chapter);
    TextRun run;
    std::vector<std::string> actions{"title", "name 剣聖", "chapter " + std::to_string(chapter)};
    for (int i = 0; i < 12; ++i) actions.push_back("press ≫");
    const auto out = run.Run(actions);
    ASSERT_GT(out.size(), 4u);
    const json& first = out[3];
    EXPECT_EQ(first["top"], "image");
    EXPECT_TRUE(first["image"].get<std::string>().starts_with("memory" + std::to_string(chapter) + "."));
    std::size_t at = 3;
    for (; at < out.size() && out[at]["commands"] == json::parse(R"(["≫"])"); ++at) {
      EXPECT_EQ(out[at]["sounds"], json::parse(R"([["dat/weak.wav", false]])")) << at;
      EXPECT_GE(out[at]["lines"].size(), 1u) << at;
      EXPECT_LE(out[at]["lines"].size(), 5u) << at;
      EXPECT_FALSE(out[at]["image"].is_null()) << at;
      EXPECT_EQ(out[at]["boxes"], json::array()) << at;
    }
    EXPECT_GE(at, 5u) << "a chapter is a handful of pages";
    ASSERT_LT(at, out.size());
    // The press after the last page enters the field (or, with no run, game over).
    EXPECT_TRUE(out[at]["commands"] == json::parse(R"(["徘徊", "剣"])") ||
                out[at]["commands"] == json::parse(R"(["終"])"));
    EXPECT_FALSE(out[at]["terminated"].get<bool>());
    EXPECT_TRUE(out.back().contains("error"));  // the presses left over find no "≫"
  }
}

TEST(Chapter, WithoutAReadableStoryFileTheGameSaysSoAndGoesOn) {
  struct Case {
    bool damaged_save;
    json boxes;
  };
  const Case cases[] = {
      {false, json::array({"（dat/kiriha.datの読み込みに失敗しました。）"})},
      // Both start-up warnings reach the player, in one box.
      {true, json::array({"（dat/kiriha.datの読み込みに失敗しました。）\n（save.datの読み込みに失敗しました。）"})},
  };
  for (const Case& c : cases) {
    TextRun run;
    std::filesystem::create_directories(run.Dir() / "dat/kiriha.dat");  // a folder where the file should be
    if (c.damaged_save) std::ofstream(run.Dir() / "save.dat") << "x";
    const auto out = run.Run({"tick 10", "title", "name 剣聖", "chapter 4", "press ≫"});
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[1]["boxes"], c.boxes);
    EXPECT_EQ(out[4]["lines"], json::parse(R"(["……記憶の絵巻は、かすれて読み取れなかった。"])"));
    EXPECT_EQ(out[4]["commands"], json::parse(R"(["≫"])"));
    EXPECT_FALSE(out[5].contains("error"));
    EXPECT_NE(out[5]["commands"], json::parse(R"(["≫"])"));
    EXPECT_FALSE(out[5]["terminated"].get<bool>());
  }
}

}  // namespace
}  // namespace zemra
