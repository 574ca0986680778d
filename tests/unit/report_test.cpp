// The run report: summary, carried swords, honours and the list of all kinds,
// written in code page 932 with CR LF line ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "data/player_data.h"
#include "engine/file_io.h"
#include "engine/sjis.h"
#include "runtime/depth_text.h"
#include "runtime/report.h"
#include "support/fake_host.h"
#include "support/english.h"
#include "support/in_language.h"

namespace zemra {
namespace {

using testing::GameFixture;

class ReportTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    host.TakeBoxes();
    PlayerData().PlayerName = "剣師";
    PlayerData().Fighter.BaseName = "あなた";
  }

  static void Carry(std::initializer_list<const char*> names) {
    TFighter& f = PlayerData().Fighter;
    for (const char* name : names) AddSword(f, CreateSword(name));
    RecalcFighter(f);
    FullHeal(f);
  }

  static void Obtain(std::initializer_list<int> kinds) {
    PlayerData().Obtained.fill(false);
    for (int k : kinds) MarkObtained(k);
  }
};

// The kind list with the given kinds filled in.
std::string KindList(const std::map<int, std::string>& filled) {
  std::string list = "★入手剣リスト\r\n";
  for (int k = 1; k <= 78; ++k) {
    list += std::string("[") + (k < 10 ? "0" : "") + std::to_string(k) + "]：";
    if (auto it = filled.find(k); it != filled.end()) list += it->second;
    list += "\r\n";
  }
  return list;
}

TEST_F(ReportTest, TheReportOfARunInProgress) {
  Carry({"柳屋", "Pawn", "クロス"});
  PlayerData().Depth = 4;
  PlayerData().BattleCount = 31;
  Obtain({5, 46, 53, 67});
  const std::string expected =
      "★ZEMRA6 ver1.22\r\n"
      "柳屋  HP2/2 命中7 深度4 戦闘回数31 入手剣種数4/78\r\n"
      "柳屋／剣師／クロス\r\n"
      "\r\n\r\n" +
      KindList({{5, "劇薬草剣"}, {46, "クロス"}, {53, "柳屋"}, {67, "剣師"}});
  EXPECT_EQ(ReportText(), expected);
}

TEST_F(ReportTest, NoSwordMeansNoSwordLine) {
  RecalcFighter(PlayerData().Fighter);
  const std::string expected =
      "★ZEMRA6 ver1.22\r\n"
      "あなた  HP0/0 命中0 深度0 戦闘回数0 入手剣種数0/78\r\n"
      "\r\n\r\n" +
      KindList({});
  EXPECT_EQ(ReportText(), expected);
}

TEST_F(ReportTest, AllHonoursStandOnOneLineInOrder) {
  Carry({"Queen"});
  PlayerData().Depth = 9;
  PlayerData().Cleared = true;
  PlayerData().KingDefeated = true;
  PlayerData().Obtained.fill(true);
  const std::string text = ReportText();
  EXPECT_NE(text.find("剣師  HP8/8 命中100 深度Another 戦闘回数0 入手剣種数78/78\r\n剣師\r\n"
                      "【クリア】【不可知を踏破した】【全知全剣】\r\n\r\n★入手剣リスト\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("[65]：剣師\r\n[66]：不可知の王\r\n[67]：剣師\r\n[68]：斬子\r\n"), std::string::npos);
}

TEST_F(ReportTest, ObtainingAllButOneKindEarnsNoAllSwordsHonour) {
  PlayerData().Obtained.fill(true);
  PlayerData().Obtained[40] = false;
  EXPECT_NE(ReportText().find("入手剣種数77/78\r\n\r\n\r\n"), std::string::npos);
}

TEST_F(ReportTest, DepthTextNamesTheAnotherWorldFromNineOn) {
  const std::pair<int, const char*> kDepths[] = {
      {0, "深度0"}, {1, "深度1"}, {8, "深度8"}, {9, "深度Another"}, {10, "深度Another"}};
  for (const auto& [depth, text] : kDepths) {
    PlayerData().Depth = depth;
    EXPECT_EQ(DepthText(), text);
  }
}

// An English sitting's report in English, laid out and encoded as the Japanese one;
// every English sword name must survive code page 932, or the report is lost.
TEST_F(ReportTest, AnEnglishSittingsReportIsInEnglish) {
  const testing::InLanguage english(testing::English());
  Carry({"柳屋", "Pawn", "クロス"});
  PlayerData().Depth = 9;
  PlayerData().BattleCount = 31;
  PlayerData().Cleared = true;
  PlayerData().KingDefeated = true;
  PlayerData().Obtained.fill(true);
  const std::string text = ReportText();
  EXPECT_EQ(text.substr(0, text.find("[01]")),
            "★ZEMRA6 ver1.22\r\n"
            "Yanagiya  HP2/2 Hit 7 Depth Another Battles 31 Sword kinds 78/78\r\n"
            "Yanagiya／剣師／Cross\r\n"
            "[Cleared][Conquered the Unknowable][Every Sword Known]\r\n\r\n"
            "★Swords obtained\r\n");
  EXPECT_NE(text.find("[05]：Mega Herb Sword\r\n"), std::string::npos);
  EXPECT_NE(text.find("[67]：剣師\r\n"), std::string::npos);  // the player's name stays as typed
  ASSERT_TRUE(WriteReport());
  EXPECT_EQ(ReadWholeFile("レポート.txt"), Utf8ToSjis(text));
}

TEST_F(ReportTest, TheFileHoldsTheReportInCodePage932) {
  Carry({"柳屋"});
  ASSERT_TRUE(WriteReport());
  const std::optional<std::string> bytes = ReadWholeFile("レポート.txt");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes, Utf8ToSjis(ReportText()));
  EXPECT_EQ(bytes->substr(0, 8), "\x81\x9AZEMRA6");
}

TEST_F(ReportTest, AReportThatCannotBeWrittenIsFalse) {
  std::filesystem::create_directory("レポート.txt");
  EXPECT_FALSE(WriteReport());
}

}  // namespace
}  // namespace zemra
