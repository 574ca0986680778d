// Battles played through the text front end from crafted saves, with every
// random draw queued: encounters, exchanges, flights, deaths and spoils.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/crafted_save.h"
#include "support/text_runner.h"

namespace zemra {
namespace {

using nlohmann::json;
using testing::CraftedRun;
using testing::TextRun;

// Wander without a boss or the rare enemy, then the depth-0 enemy of two
// swords (ヒント剣 and クロス: MaxHP 1, hit rate 6), then its five cards.
std::string OrdinaryDepthZero(const std::string& cards) { return "rolls 1 1 0 0 1 5 99 " + cards; }

json Lines(std::initializer_list<const char*> lines) {
  json array = json::array();
  for (const char* line : lines) array.push_back(line);
  return array;
}

class BattleRun : public ::testing::Test {
 protected:
  std::vector<json> Play(const CraftedRun& save, const std::vector<std::string>& actions) {
    testing::WriteCraftedSave(run.Dir(), save);
    return run.Run(actions);
  }
  TextRun run;
};

TEST_F(BattleRun, AnEncounterIsBuiltDrawByDrawAndWonWithOneSpoil) {
  // Hit rate 17 and a next card of 83 make exactly 100.
  const auto out = Play({0, {"ダブルクロス", "刀", "刀"}, {83, 10, 10, 10, 10}},
                        {OrdinaryDepthZero("0 0 0 0 0"), "press 徘徊", "press 戦う", "rolls 50 51", "press ファイト",
                         "press ≫", "press ≫", "click 1", "rolls 2", "press ≫"});
  ASSERT_EQ(out.size(), 11u);
  EXPECT_EQ(out[2]["lines"], Lines({"敵が現れた！"}));
  EXPECT_EQ(out[2]["top"], "enemy");
  EXPECT_EQ(out[2]["commands"], Lines({"戦う", "逃げる"}));
  EXPECT_EQ(out[2]["enemy"], json::parse(R"({"name": "敵", "life": "★", "hit": "6", "card": null,
                                             "cards": ["0", "0", "0", "0", "0"]})"));
  EXPECT_EQ(out[2]["run"]["battleCount"], 1);
  EXPECT_EQ(out[3]["lines"], Lines({"どうする？"}));
  EXPECT_EQ(out[3]["commands"], Lines({"ファイト", "剣始動", "剣廃棄", "逃走"}));

  const json& blow = out[5];
  EXPECT_EQ(blow["lines"], Lines({"敵 => 6 => ミス", "あなた => 100 => クリティカル", "", "敵に２点のダメージを与えた！"}));
  EXPECT_EQ(blow["sounds"], json::parse(R"([["dat/roar.wav", false]])"));
  EXPECT_EQ(blow["self"]["card"], "83");
  EXPECT_EQ(blow["self"]["cards"], json::parse(R"(["10", "10", "10", "10", "51"])"));
  EXPECT_EQ(blow["enemy"]["life"], "☆");

  EXPECT_EQ(out[6]["lines"], Lines({"敵を倒した！"}));
  EXPECT_EQ(out[6]["self"]["card"], nullptr);
  EXPECT_EQ(out[6]["sounds"], json::parse(R"([["dat/break.wav", false]])"));
  EXPECT_EQ(out[7]["lines"], Lines({"どの剣を奪いますか？"}));
  EXPECT_EQ(out[7]["commands"], Lines({"去る"}));
  EXPECT_EQ(out[7]["swords"]["scheme"], "enemy");
  EXPECT_EQ(out[7]["swords"]["labels"][1], "クロス (1)");

  const json& taken = out[8];
  EXPECT_EQ(taken["lines"], Lines({"「クロス」を手に入れた。"}));
  EXPECT_EQ(taken["swords"]["scheme"], "self");
  EXPECT_EQ(taken["swords"]["labels"][3], "クロス (1)");
  EXPECT_EQ(taken["swords"]["highlight"], json::parse("[3]"));
  EXPECT_EQ(taken["self"]["life"], "★★☆");
  EXPECT_EQ(taken["run"]["obtained"], json::parse("[46]"));
  EXPECT_EQ(out[10]["image"], "center.bmp");
  EXPECT_EQ(out[10]["commands"], Lines({"徘徊", "剣"}));
}

TEST_F(BattleRun, BlowsAreExchangedOnlyWhenBothFightInConsecutiveTurns) {
  // The depth-0 boss ラーダ wants its 薬草剣 once it is hurt (desire 50).
  const auto out = Play({0, {"ダブルクロス", "刀", "刀"}, {84, 10, 10, 10, 10}},
                        {"rolls 0 0 0 0 0 0", "press 徘徊", "press 戦う", "rolls 0 0", "press ファイト", "press ≫",
                         "rolls 60", "press ファイト", "press ≫", "press ≫"});
  ASSERT_EQ(out.size(), 11u);
  EXPECT_EQ(out[2]["lines"], Lines({"ラーダが現れた！"}));
  EXPECT_EQ(out[5]["lines"], Lines({"ラーダ => 48 => ミス", "あなた => 101 => ヒット", "", "ラーダに１点のダメージを与えた！"}));
  EXPECT_EQ(out[6]["lines"], Lines({"どうする？"}));
  EXPECT_EQ(out[8]["lines"], Lines({"ラーダは「薬草剣」を始動させた。", "「薬草剣」は砕け散った。", "", "≪服薬≫",
                                    "その液体はラーダを潤した。"}));
  EXPECT_EQ(out[8]["commands"], Lines({"≫"}));
  EXPECT_EQ(out[9]["lines"], Lines({"ラーダの体力が1点回復した。"}));
  EXPECT_EQ(out[9]["enemy"]["life"], "★★");
  // The player's pending fight was dropped: a fresh menu, no blows.
  EXPECT_EQ(out[10]["lines"], Lines({"どうする？"}));
  EXPECT_EQ(out[10]["self"]["cards"], json::parse(R"(["10", "10", "10", "10", "0"])"));
}

TEST_F(BattleRun, AFailedFlightIsStruckAloneAndASuccessfulOneLosesADepth) {
  const auto out = Play({4, {"ダブルクロス", "ダブルクロス", "刀"}, {10, 10, 10, 10, 10}},
                        {"rolls 0 94 0 0 0 0", "press 徘徊", "press 戦う", "rolls 1", "press 逃走", "rolls 5",
                         "press ≫", "press ≫", "rolls 0", "press 逃走", "press ≫"});
  ASSERT_EQ(out.size(), 12u);
  EXPECT_EQ(out[2]["lines"], Lines({"想月が現れた！"}));
  EXPECT_EQ(out[5]["lines"], Lines({"逃げ切れなかった！"}));
  EXPECT_EQ(out[7]["lines"], Lines({"想月 => 127 => ヒット", "", "あなたは１点のダメージを食らった！"}));
  EXPECT_EQ(out[7]["self"]["card"], nullptr);
  EXPECT_EQ(out[7]["self"]["cards"], json::parse(R"(["10", "10", "10", "10", "10"])"));
  EXPECT_EQ(out[7]["self"]["life"], "★★★☆");
  EXPECT_EQ(out[8]["lines"], Lines({"どうする？"}));
  EXPECT_EQ(out[10]["lines"], Lines({"あなたは逃げ出した。", "深度が１下がった。"}));
  EXPECT_EQ(out[10]["sounds"], json::parse(R"([["dat/thathatha.wav", false]])"));
  EXPECT_EQ(out[10]["run"]["depth"], 3);
  EXPECT_EQ(out[11]["lines"][0], "深度3。");
}

TEST_F(BattleRun, FleeingAtTheEncounterAlwaysWorksAndCostsADepthBelowTheSurface) {
  for (const int depth : {0, 4}) {
    const auto out = Play({depth, {"ダブルクロス"}, {10, 10, 10, 10, 10}},
                          {"rolls 0 0 0 0 0 0", "press 徘徊", "press 逃げる"});
    ASSERT_EQ(out.size(), 4u);
    if (depth == 0) {
      EXPECT_EQ(out[3]["lines"], Lines({"あなたは逃げ出した。"}));
    } else {
      EXPECT_EQ(out[3]["lines"], Lines({"あなたは逃げ出した。", "深度が１下がった。"}));
    }
    EXPECT_EQ(out[3]["run"]["depth"], depth == 0 ? 0 : 3);
    EXPECT_EQ(out[3]["commands"], Lines({"≫"}));
  }
}

TEST_F(BattleRun, BothFallingInOneExchangeLosesTheGame) {
  const auto out = Play({0, {"クロス", "刀", "刀", "刀", "刀", "刀", "刀", "刀"}, {43, 10, 10, 10, 10}},
                        {OrdinaryDepthZero("94 0 0 0 0"), "press 徘徊", "press 戦う", "rolls 0 0", "press ファイト",
                         "press ≫", "press 終"});
  ASSERT_EQ(out.size(), 8u);
  EXPECT_EQ(out[5]["lines"], Lines({"敵 => 100 => クリティカル", "あなた => 100 => クリティカル", "",
                                    "双方１点ずつのダメージを受けた！"}));
  EXPECT_EQ(out[6]["lines"], Lines({"あなたは死んでしまった。"}));
  EXPECT_EQ(out[6]["commands"], Lines({"終"}));
  EXPECT_TRUE(out[7]["terminated"].get<bool>());
}

TEST_F(BattleRun, AFullRowMakesRoomButNeverDropsACursedSword) {
  const auto out = Play({0, {"ダブルクロス", "剣-1", "刀", "刀", "刀", "刀", "刀", "刀"}, {47, 10, 10, 10, 10}},
                        {OrdinaryDepthZero("0 0 0 0 0"), "press 徘徊", "press 戦う", "rolls 0 0", "press ファイト",
                         "press ≫", "press ≫", "click 0", "click 1", "click 2", "press いいえ", "click 2",
                         "press はい", "press ≫"});
  ASSERT_EQ(out.size(), 15u);
  EXPECT_EQ(out[8]["lines"], Lines({"スロットに空きがありません。", "どの剣を捨てますか？", "", "Gain：「ヒント剣」"}));
  EXPECT_EQ(out[8]["commands"], Lines({"キャンセル"}));
  EXPECT_EQ(out[8]["swords"]["scheme"], "self");
  EXPECT_EQ(out[9]["lines"], Lines({"「剣-1」は呪われています。", "他の剣を選んでください。", "", "Gain：「ヒント剣」"}));
  EXPECT_EQ(out[9]["sounds"], json::parse(R"([["dat/duty.wav", false]])"));
  EXPECT_TRUE(out[9]["swords"]["clickable"].get<bool>());
  EXPECT_EQ(out[10]["lines"], Lines({"「刀」を捨てます。", "よろしいですか？"}));
  EXPECT_EQ(out[10]["commands"], Lines({"はい", "いいえ"}));
  EXPECT_EQ(out[11]["lines"][0], "スロットに空きがありません。");
  EXPECT_EQ(out[13]["lines"], Lines({"「刀」を捨てて、", "「ヒント剣」を手に入れた。"}));
  EXPECT_EQ(out[13]["swords"]["labels"][1], "剣-1 (4)");
  EXPECT_EQ(out[13]["swords"]["labels"][7], "ヒント剣 (5)");
  EXPECT_EQ(out[13]["swords"]["highlight"], json::parse("[7]"));
  EXPECT_EQ(out[14]["commands"], Lines({"徘徊", "剣"}));
}

TEST_F(BattleRun, AtTheDeepestLevelTheEnemyActsFirst) {
  // 不可知の王: its ホワイトスナップ does not pay from a critical; its first 疑問剣 is wanted at 100.
  const auto out = Play({9, {"ダブルクロス"}, {10, 10, 10, 10, 10}},
                        {"rolls 0 0 0 0 0 0 30 4", "press 徘徊", "press 戦う", "press ≫", "press ≫"});
  ASSERT_EQ(out.size(), 6u);
  EXPECT_EQ(out[2]["lines"], Lines({"不可知の王が現れた！"}));
  EXPECT_EQ(out[3]["lines"], Lines({"不可知の王は「疑問剣」を始動させた。", "「疑問剣」は砕け散った。", "", "≪ショット？≫",
                                    "「疑問剣」のなんかが飛んだ？"}));
  EXPECT_EQ(out[4]["lines"], Lines({"あなたは何点のダメージを受けた？"}));
  EXPECT_EQ(out[4]["self"]["life"], "☆☆");
  EXPECT_EQ(out[4]["sounds"], json::parse(R"([["dat/zurl.wav", false]])"));
  EXPECT_EQ(out[5]["lines"], Lines({"あなたは死んでしまった。"}));
}

TEST_F(BattleRun, SwordsAreStartedAndDiscardedFromTheBattleMenu) {
  const auto out = Play({0, {"ダブルクロス", "刀", "剣", "宿泊剣"}, {10, 20, 30, 40, 50}},
                        {OrdinaryDepthZero("0 0 0 0 0"), "press 徘徊", "press 戦う", "press 剣始動", "click 1",
                         "click 3", "press はい", "press 戻る", "press 剣廃棄", "click 1", "press はい", "press ≫",
                         "press 剣始動", "click 1", "press はい", "rolls 70", "press ≫", "press ≫"});
  ASSERT_EQ(out.size(), 19u);
  EXPECT_EQ(out[4]["lines"], Lines({"どの剣を始動させますか？"}));
  EXPECT_EQ(out[5]["lines"], Lines({"「刀」には始動能力がありません。", "他の剣を選んでください。"}));
  EXPECT_EQ(out[6]["lines"], Lines({"「宿泊剣」を始動させます。", "よろしいですか？"}));
  EXPECT_EQ(out[7]["lines"], Lines({"「宿泊剣」は今は始動できません。", "他の剣を選んでください。"}));
  EXPECT_EQ(out[7]["commands"], Lines({"戻る"}));
  EXPECT_TRUE(out[7]["swords"]["clickable"].get<bool>());
  EXPECT_EQ(out[8]["lines"], Lines({"どうする？"}));
  EXPECT_EQ(out[11]["lines"], Lines({"「刀」を捨てました。"}));
  EXPECT_EQ(out[11]["sounds"], json::parse(R"([["dat/turn.wav", false]])"));
  // Discarding does not use the player's action.
  EXPECT_EQ(out[12]["lines"], Lines({"どうする？"}));
  EXPECT_EQ(out[15]["lines"], Lines({"あなたは「剣」を始動させた。", "「剣」は砕け散った。", "", "≪スナップ≫",
                                     "あなたの意識が風を切った。"}));
  EXPECT_EQ(out[17]["lines"], Lines({"あなたのネクストカードが破棄された。"}));
  EXPECT_EQ(out[17]["self"]["cards"], json::parse(R"(["20", "30", "40", "50", "70"])"));
  // Starting the sword used the player's action: the enemy took its turn, the player's menu follows.
  EXPECT_EQ(out[18]["lines"], Lines({"どうする？"}));
}

}  // namespace
}  // namespace zemra
