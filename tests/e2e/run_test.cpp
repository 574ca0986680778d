// Whole runs through the text front end: the status offer, the prologue, the
// field, game over, and continuing or refusing a saved run at start-up.
#include <gtest/gtest.h>

#include <fstream>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/save_record.h"
#include "data/sword.h"
#include "support/text_runner.h"

namespace zemra {
namespace {

using nlohmann::json;
using testing::TextRun;

const std::vector<std::string> kToMainPage{"title", "name 剣聖"};

// a = 4, b = 4: two swords; k = 1; 柳屋 in slot 1; the lottery's first entry
// (縛鎖刀) in slot 2; then the five cards.
const char kTwoSwordRoll[] = "rolls 2 2 0 5 0 10 20 30 40 50";

std::vector<std::string> With(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST(Run, TheStatusOfferShowsTheRolledSwordsAndTheirInformation) {
  TextRun run;
  const auto out = run.Run(With(kToMainPage, {kTwoSwordRoll, "press いいえ", "hover 1", "hover 5", "hover 1", "leave"}));
  ASSERT_EQ(out.size(), 9u);
  const json& offer = out[4];
  EXPECT_EQ(offer["lines"], json::parse(R"(["あなたが落としたのはこのステータスですか？"])"));
  EXPECT_EQ(offer["buttons"], json::parse(R"([null, null, null, "いいえ", "はい"])"));
  EXPECT_EQ(offer["sounds"], json::parse(R"([["dat/popon.wav", false]])"));
  EXPECT_EQ(offer["self"], json::parse(R"({"name": "柳屋", "life": "★", "hit": "15", "card": null,
                                           "cards": ["10", "20", "30", "40", "50"]})"));
  EXPECT_EQ(offer["swords"]["labels"][0], "柳屋 (5)");
  EXPECT_EQ(offer["swords"]["labels"][1], "縛鎖刀 (10)");
  EXPECT_FALSE(offer["swords"]["clickable"].get<bool>());

  EXPECT_EQ(out[5]["info"], "「縛鎖刀」 <呪> 命中＋10\r\n剣師の腕に施錠して使うリスクウェポン。\r\n能力：自傷");
  EXPECT_EQ(out[5]["swords"]["highlight"], json::parse("[1]"));
  // An empty label shows nothing and takes the highlight away.
  EXPECT_EQ(out[6]["info"], nullptr);
  EXPECT_EQ(out[6]["swords"]["highlight"], json::array());
  EXPECT_EQ(out[7]["swords"]["highlight"], json::parse("[1]"));
  EXPECT_EQ(out[8]["info"], nullptr);
  EXPECT_EQ(out[8]["swords"]["highlight"], json::array());
}

TEST(Run, AcceptingPlaysThePrologueIntoTheField) {
  TextRun run;
  std::vector<std::string> actions = With(kToMainPage, {kTwoSwordRoll, "press いいえ", "press はい"});
  for (int page = 1; page <= 10; ++page) actions.push_back("press ≫");
  actions.push_back("rolls 3");
  actions.push_back("press ≫");
  const auto out = run.Run(actions);
  ASSERT_EQ(out.size(), actions.size() + 1);

  const json& picture = out[5];
  EXPECT_EQ(picture["top"], "image");
  EXPECT_EQ(picture["image"], "center.bmp");
  EXPECT_EQ(picture["lines"], json::array());
  EXPECT_EQ(picture["commands"], json::parse(R"(["≫"])"));
  EXPECT_EQ(picture["run"]["obtained"], json::parse("[20, 53]"));

  const std::size_t line_counts[] = {2, 2, 3, 5, 3, 3, 4, 2, 3, 0};
  for (int page = 1; page <= 10; ++page) {
    EXPECT_EQ(out[5 + page]["lines"].size(), line_counts[page - 1]) << page;
    EXPECT_EQ(out[5 + page]["commands"], json::parse(R"(["≫"])")) << page;
  }
  const json& field = out.back();
  EXPECT_EQ(field["top"], "image");
  EXPECT_EQ(field["image"], "center.bmp");
  EXPECT_EQ(field["lines"], json::parse(R"(["やわらかな日差しが降り注いでいる。"])"));
  EXPECT_EQ(field["buttons"], json::parse(R"([null, null, null, "剣", "徘徊"])"));
}

TEST(Run, AcceptingAStatusWithoutLifeEndsTheGame) {
  TextRun run;
  const auto out = run.Run(With(kToMainPage, {"rolls 0 0 0", "press いいえ", "press はい", "press 終"}));
  ASSERT_EQ(out.size(), 7u);
  EXPECT_EQ(out[4]["self"]["life"], "");
  EXPECT_EQ(out[5]["lines"], json::parse(R"(["あなたは死んでしまった。"])"));
  EXPECT_EQ(out[5]["sounds"], json::parse(R"([["dat/weak.wav", false]])"));
  EXPECT_TRUE(out[6]["terminated"].get<bool>());
}

class SavedRun : public ::testing::Test {
 protected:
  void WriteSave(const std::string& bytes) {
    std::ofstream(run.Dir() / "save.dat", std::ios::binary) << bytes;
  }
  static std::string ValidSave(int depth) {
    TPlayerData data;
    data.PlayerName = "剣聖";
    data.Depth = depth;
    data.Fighter.BaseName = "あなた";
    AddSword(data.Fighter, CreateSword("クロス"));
    RecalcFighter(data.Fighter);
    FullHeal(data.Fighter);
    data.Fighter.Card = -1;
    return EncodeSaveRecord(data).value_or("");
  }
  TextRun run;
};

TEST_F(SavedRun, AValidSaveContinuesInTheFieldWithoutTitleMusic) {
  WriteSave(ValidSave(9));
  const auto out = run.Run({"tick 100"}, 5);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0]["page"], "main");
  EXPECT_EQ(out[0]["image"], "another.bmp");
  EXPECT_EQ(out[0]["lines"][0], "深度Another。");
  EXPECT_EQ(out[0]["sounds"], json::array());
  EXPECT_EQ(out[0]["self"]["name"], "あなた");
  EXPECT_EQ(out[1]["boxes"], json::array());
}

TEST_F(SavedRun, ADamagedSaveIsRefusedWithAWarningAndTheTitleStarts) {
  struct Case {
    std::string bytes;
    std::string warning;
  };
  std::string flipped = ValidSave(3);
  flipped[1024] = 4;  // the depth, changed outside the game
  const Case cases[] = {
      {"", "（save.datの読み込みに失敗しました。）"},
      {ValidSave(3).substr(0, 1123), "（save.datの読み込みに失敗しました。）"},
      {flipped, "（save.datの内容が不適切です。）"},
  };
  for (const Case& c : cases) {
    WriteSave(c.bytes);
    const auto out = run.Run({"tick 10"}, 5);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["page"], "title");
    EXPECT_EQ(out[1]["boxes"], json::array({c.warning}));
    EXPECT_EQ(std::filesystem::file_size(run.Dir() / "save.dat"), c.bytes.size());
  }
}

}  // namespace
}  // namespace zemra
