// Swords started in the field: stairs, the Another world, teleport, the inn,
// the church, the save console, the duel and the hints.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "battle/battle_flags.h"
#include "battle/sword_menus.h"
#include "data/save_record.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "engine/random.h"
#include "game/game.h"
#include "runtime/report.h"
#include "runtime/save_load.h"
#include "runtime/status_panels.h"
#include "support/battle_fixture.h"
#include "support/sword_names.h"
#include "story/chapter_playback.h"

namespace zemra {
namespace {

using testing::BattleFixture;
using testing::Equip;
using testing::SwordNames;
using testing::Texts;

class FieldEventTest : public BattleFixture {
 protected:
  // The player carries a ダブルクロス (life) and the sword under test in slot 1.
  void Carry(const char* sword, int depth = 0) {
    Equip(Player(), "あなた", {"ダブルクロス", sword}, {1, 2, 3, 4, 5});
    PlayerData().Depth = depth;
  }

  // Starts the sword in the slot from the field sword menu.
  void StartInField(int slot) {
    Show(FieldSwordMenu);
    Press("始動");
    LabMainSwordClick(slot);
    Press("はい");
  }
};

TEST_F(FieldEventTest, StairsGoDownOneDepthUntilTheQueenOrTheBottom) {
  struct Case {
    int depth;
    bool cleared;
    Texts lines;
    int depth_after;
    const char* sound;
  };
  const Case cases[] = {
      {7, false, {"あなたは階段を降りていった。"}, 8, "thathatha.wav"},
      {8, true, {"これ以上は降りられない。"}, 8, "bub.wav"},
      {9, false, {"これ以上は降りられない。"}, 9, "bub.wav"},
      {8, false, {"剣師が現れた！"}, 8, "thathatha.wav"},
  };
  for (const Case& c : cases) {
    Carry("階段剣", c.depth);
    PlayerData().Cleared = c.cleared;
    StartInField(1);
    EXPECT_EQ(Lines(), (Texts{"あなたは「階段剣」を始動させた。", "「階段剣」は砕け散った。", "", "≪アンダーワールド≫",
                              "別草原に続く階段が現れた。"}));
    EXPECT_EQ(Captions(), Texts{"降りる"});
    Sounds();
    Press("降りる");
    EXPECT_EQ(Lines(), c.lines) << c.depth;
    EXPECT_EQ(PlayerData().Depth, c.depth_after) << c.depth;
    EXPECT_EQ(Sounds().front(), c.sound) << c.depth;
    EXPECT_EQ(Player().SwordCount, 1) << c.depth;
  }
  EXPECT_TRUE(CurrentBattle().QueenBattle);
  EXPECT_EQ(Captions(), (Texts{"戦う", "逃げる"}));
}

TEST_F(FieldEventTest, AnInfiniteStairSwordCanBeStartedAgainAfterTheBottom) {
  Carry("草薙", 9);
  for (int round = 0; round < 2; ++round) {
    StartInField(1);
    EXPECT_EQ(Lines().size(), 4u);
    Press("降りる");
    EXPECT_EQ(Lines(), Texts{"これ以上は降りられない。"});
    Press("≫");
    EXPECT_EQ(Lines(), Texts{"どうしますか？"});
  }
  EXPECT_EQ(SwordNames(Player()), (std::vector<std::string>{"ダブルクロス", "草薙"}));
}

TEST_F(FieldEventTest, TheAnotherStairsLeadStraightToTheDeepestLevel) {
  for (const int depth : {0, 9}) {
    Carry("白波の", depth);
    StartInField(1);
    Press("降りる");
    EXPECT_EQ(Lines(), Texts{depth == 9 ? "これ以上は降りられない。" : "あなたは階段を降りていった。"});
    EXPECT_EQ(PlayerData().Depth, 9);
    EXPECT_EQ(Player().SwordCount, 1);
    EXPECT_FALSE(PlayerData().Cleared);
  }
}

TEST_F(FieldEventTest, TeleportNeverStaysAndReachesEveryOtherDepth) {
  for (int draw = 0; draw < 9; ++draw) {
    Carry("テレポーター", 3);
    StartInField(1);
    EXPECT_EQ(Lines().back(), "あなたの体に何かが波打つ。");
    QueueRolls({draw});
    Press("≫");
    const int expected = draw >= 3 ? draw + 1 : draw;
    EXPECT_EQ(PlayerData().Depth, expected);
    EXPECT_EQ(Lines(), Texts{"あなたは" + std::to_string(expected) + "階に転移した。"});
  }
  Carry("テレポーター", 9);
  StartInField(1);
  QueueRolls({8});
  Press("≫");
  EXPECT_EQ(PlayerData().Depth, 8);
}

TEST_F(FieldEventTest, TheInnHealsFullyEvenAtFullLife) {
  for (const int hp : {1, 2}) {
    Carry("宿泊剣");
    Player().HP = hp;
    StartInField(1);
    EXPECT_EQ(Captions(), Texts{"泊まる"});
    Sounds();
    Press("泊まる");
    EXPECT_EQ(Lines(), Texts{"あなたの体力が全快した。"});
    EXPECT_EQ(Player().HP, 2);
    EXPECT_EQ(Sounds(), Texts{"up.wav"});
  }
}

TEST_F(FieldEventTest, TheChurchTurnsOneCursedSwordToAsh) {
  Equip(Player(), "あなた", {"ダブルクロス", "剣-1", "刀", "大聖堂剣"}, {1, 2, 3, 4, 5});
  StartInField(3);
  Press("入る");
  EXPECT_EQ(Lines(), (Texts{"頭を垂れたあなたに、神父が手をかざした。", "どの剣の呪いを解きますか？"}));
  LabMainSwordClick(2);
  EXPECT_EQ(Lines(), (Texts{"「刀」は呪われておりません。", "他の剣を選んでください。"}));
  EXPECT_TRUE(SwordPanel().bound != nullptr);
  LabMainSwordClick(1);
  EXPECT_EQ(Lines(), (Texts{"「剣-1」の呪いを解きます。", "よろしいですか？"}));
  EXPECT_TRUE(SwordPanel().bound == nullptr);
  Press("いいえ");
  Press("やめる");
  EXPECT_EQ(Lines(), (Texts{"「神はあなたを見ませんが、あなたは神に見られております。",
                            "　どうかいつでも、心をクリアに保たれますよう」"}));
  EXPECT_TRUE(SwordPanel().bound == nullptr);
  EXPECT_EQ(Player().SwordCount, 4);

  Press("≫");
  Press("始動");
  LabMainSwordClick(3);
  Press("はい");
  Press("入る");
  LabMainSwordClick(1);
  Sounds();
  Press("はい");
  EXPECT_EQ(Lines(), (Texts{"神父はそっと「剣-1」に触れた。", "「剣-1」は灰になって地面に落ちた。"}));
  EXPECT_EQ(Sounds(), Texts{"water.wav"});
  EXPECT_EQ(SwordNames(Player()), (std::vector<std::string>{"ダブルクロス", "刀", "大聖堂剣"}));
  EXPECT_EQ(Player().Hit, 1 + 8 + 7);
}

TEST_F(FieldEventTest, TheSaveConsoleSavesWithoutTheBrokenSwordAndWritesTheReport) {
  Carry("セーブブレード", 4);
  StartInField(1);
  EXPECT_EQ(Captions(), Texts{"セーブ"});
  Sounds();
  Press("セーブ");
  EXPECT_EQ(Lines(), Texts{"セーブしました。"});
  EXPECT_EQ(Sounds(), Texts{"popon.wav"});
  EXPECT_TRUE(std::filesystem::exists(kReportFileName));
  const TPlayerData saved = PlayerData();
  ResetPlayerData();
  ASSERT_TRUE(LoadGame());
  EXPECT_EQ(PlayerData(), saved);
  EXPECT_EQ(SwordNames(Player()), std::vector<std::string>{"ダブルクロス"});
}

TEST_F(FieldEventTest, AFailedSaveOffersARetryAndLeavesTheOldFileWhole) {
  Carry("セーブブレード", 4);
  ASSERT_TRUE(SaveGame());
  const auto old_size = std::filesystem::file_size(kSaveFileName);
  std::ifstream old_in(kSaveFileName, std::ios::binary);
  const std::string old_bytes((std::istreambuf_iterator<char>(old_in)), {});
  // Something root cannot write through stands where the temporary copy goes.
  std::filesystem::create_directories(std::string(kSaveFileName) + ".tmp/x");
  PlayerData().Depth = 5;
  StartInField(1);
  Press("セーブ");
  EXPECT_EQ(Lines(), Texts{"セーブ出来ませんでした。"});
  EXPECT_EQ(Captions(), (Texts{"リトライ", "あきらめる"}));
  Press("リトライ");
  EXPECT_EQ(Lines(), Texts{"セーブ出来ませんでした。"});
  Press("あきらめる");
  EXPECT_EQ(Lines(), Texts{"セーブをあきらめました。"});
  EXPECT_EQ(Captions(), Texts{"≫"});
  EXPECT_FALSE(std::filesystem::exists(kReportFileName));
  ASSERT_EQ(std::filesystem::file_size(kSaveFileName), old_size);
  std::ifstream now_in(kSaveFileName, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(now_in)), {}), old_bytes);
}

TEST_F(FieldEventTest, ADeadPlayerIsNeverSavedOverTheLastGoodRun) {
  // ジフ carries the last life point and breaks before its save runs.
  Equip(Player(), "あなた", {"ジフ", "刀"}, {1, 2, 3, 4, 5});
  ASSERT_TRUE(SaveGame());
  std::ifstream old_in(kSaveFileName, std::ios::binary);
  const std::string old_bytes((std::istreambuf_iterator<char>(old_in)), {});
  StartInField(0);
  EXPECT_EQ(Player().HP, 0);
  Press("セーブ");
  EXPECT_EQ(Lines(), Texts{"セーブ出来ませんでした。"});
  Press("あきらめる");
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"あなたは死んでしまった。"});
  std::ifstream now_in(kSaveFileName, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(now_in)), {}), old_bytes);
}

TEST_F(FieldEventTest, TheDuelStartsABossBattleAtOnce) {
  Carry("決闘剣", 2);
  StartInField(1);
  EXPECT_EQ(Lines().back(), "風が吹き、何者かがあなたの前に立ちはだかった。");
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"キルヒムが現れた！"});
  EXPECT_TRUE(CurrentBattle().BossBattle);
}

TEST_F(FieldEventTest, HintsTakeTwoPages) {
  struct Case {
    int draw;
    const char* hint;
  };
  const Case cases[] = {{0, "各深度ごとにボスがいるんだよ。"}, {10, "煙幕剣を使えば、深度そのままで逃げられるよ。"}};
  for (const Case& c : cases) {
    Carry("ヒント剣");
    StartInField(1);
    QueueRolls({c.draw});
    Press("≫");
    EXPECT_EQ(Lines(), Texts{"あのね。"});
    Press("≫");
    EXPECT_EQ(Lines(), (Texts{c.hint, "（ヒント No." + std::to_string(c.draw + 1) + " / 11）"}));
    EXPECT_EQ(Captions(), Texts{"≫"});
  }
  PendingDrive().HintNumber = 12;
  Show(Hint2);
  EXPECT_EQ(host.TakeBoxes(), Texts{"error in Hint2"});
  EXPECT_EQ(Lines(), Texts{"（ヒント No.12 / 11）"});
}

TEST_F(FieldEventTest, EachMemoryScrollPlaysItsOwnChapter) {
  for (int i = 0; i < 10; ++i) {
    Show(ChapterContinuation(i));
    const Texts first_page = Lines();
    Carry(("霧葉記憶絵巻・" + std::string(ChapterNames[static_cast<std::size_t>(i)])).c_str());
    StartInField(1);
    EXPECT_EQ(Lines().back(), "紐解かれた記憶が流れ出す。");
    EXPECT_EQ(PendingDrive().ChapterIndex, i);
    Press("≫");
    EXPECT_EQ(Lines(), first_page) << i;
    EXPECT_FALSE(first_page.empty()) << i;
    EXPECT_TRUE(host.Visible(Control::PanelMainImage)) << i;
  }
}

TEST_F(FieldEventTest, AChapterStartedInBattleEndsTheBattleInTheField) {
  Equip(Player(), "あなた", {"ダブルクロス", "霧葉記憶絵巻・三"}, {1, 2, 3, 4, 5});
  Equip(Enemy(), "敵", {"ダブルクロス"}, {1, 2, 3, 4, 5});
  PlayerData().Depth = 5;
  ASSERT_TRUE(Start(1));
  Press("≫");
  for (int page = 0; page < 20 && Captions() == Texts{"≫"}; ++page) Press("≫");
  EXPECT_EQ(Captions(), (Texts{"徘徊", "剣"}));
  EXPECT_EQ(PlayerData().Depth, 5);
  EXPECT_EQ(Enemy().HP, 2);
  EXPECT_TRUE(host.TakeBoxes().empty());
}

TEST_F(FieldEventTest, TheElixirHealsFullyInBattleToo) {
  Equip(Player(), "あなた", {"ダブルクロス", "ダブルクロス", "エリクサーソード"}, {1, 2, 3, 4, 5});
  Player().HP = 1;
  Equip(Enemy(), "敵", {"ダブルクロス"}, {1, 2, 3, 4, 5});
  ASSERT_TRUE(Start(2));
  EXPECT_EQ(Lines().back(), "その液体はあなたに染み渡った。");
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"あなたの体力が全快した。"});
  EXPECT_EQ(Player().HP, 4);
}

}  // namespace
}  // namespace zemra
