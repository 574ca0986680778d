// Drives: the dispatch and its refusals, the start announcement, and the
// effects of the card drives, potions, shots and other battle drives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/battle_flags.h"
#include "drive/drive_dispatch.h"
#include "engine/random.h"
#include "runtime/status_panels.h"
#include "support/battle_fixture.h"
#include "support/sword_names.h"

namespace zemra {
namespace {

using testing::BattleFixture;
using testing::Equip;
using testing::Hand;
using testing::SwordNames;
using testing::Texts;

class DriveTest : public BattleFixture {
 protected:
  void SetUp() override {
    BattleFixture::SetUp();
    Equip(Enemy(), "敵", {"ダブルクロス", "ダブルクロス"}, {1, 2, 3, 4, 5});
  }
};

TEST_F(DriveTest, ABreakingSwordAnnouncesInFiveLinesAnInfiniteOneInFour) {
  Equip(Player(), "あなた", {"ダブルクロス", "剣", "エメラルドエッジ"}, {1, 2, 3, 4, 5});
  ASSERT_TRUE(Start(1));
  EXPECT_EQ(Lines(), (Texts{"あなたは「剣」を始動させた。", "「剣」は砕け散った。", "", "≪スナップ≫",
                            "あなたの意識が風を切った。"}));
  EXPECT_EQ(Captions(), Texts{"≫"});
  EXPECT_EQ(Sounds(), Texts{"hyuun.wav"});
  EXPECT_EQ(SwordNames(Player()), (std::vector<std::string>{"ダブルクロス", "エメラルドエッジ"}));

  ASSERT_TRUE(Start(1));
  EXPECT_EQ(Lines(), (Texts{"あなたは「エメラルドエッジ」を始動させた。", "", "≪緑白光≫",
                            "「エメラルドエッジ」の刀身が敵を照らす。"}));
  EXPECT_EQ(Player().SwordCount, 2);
}

TEST_F(DriveTest, ABrokenInscribedSwordRenamesItsFighterForTheEffect) {
  Equip(Player(), "あなた", {"朧の", "ダブルクロス"}, {1, 2, 3, 4, 5});
  ASSERT_EQ(Player().Name, "朧の");
  ASSERT_TRUE(Start(0));
  EXPECT_EQ(Lines(), (Texts{"朧のは「朧の」を始動させた。", "「朧の」は砕け散った。", "", "≪ハッピーピアス≫",
                            "朧のの意識が一点に集中する。"}));
  EXPECT_EQ(Player().Name, "あなた");
  EXPECT_EQ(Player().Hit, 1);
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"あなたのネクストカードが調整された。"});
  EXPECT_EQ(Player().Cards[0], 99);
}

TEST_F(DriveTest, EachDispatchRefusesWhatBelongsElsewhere) {
  struct Case {
    const char* sword;
    bool battle;
    bool accepted;
  };
  const Case cases[] = {
      {"くさり鎌", false, false}, {"くさり鎌", true, true},  {"剣", false, true},   {"刀", true, false},
      {"刀", false, false},     {"マリリン", true, false}, {"ピストル", false, false},
  };
  for (const Case& c : cases) {
    Equip(Player(), "あなた", {"ダブルクロス", c.sword}, {1, 2, 3, 4, 5});
    EXPECT_EQ(Start(1, c.battle), c.accepted) << c.sword << (c.battle ? " in battle" : " in the field");
    EXPECT_EQ(Console().command_count, c.accepted ? 1 : 0) << c.sword;
    EXPECT_EQ(Player().SwordCount, c.accepted ? 1 : 2) << c.sword;
  }
}

TEST_F(DriveTest, CardDrivesChangeTheUsersHandButNotTheCardInPlay) {
  struct Case {
    const char* sword;
    Hand before;
    std::vector<int> rolls;
    Hand after;
    const char* line;
  };
  const Case cases[] = {
      {"剣", {10, 20, 30, 40, 50}, {77}, {20, 30, 40, 50, 77}, "あなたのネクストカードが破棄された。"},
      {"レッドソード", {10, 20, 30, 40, 50}, {}, {0, 20, 30, 40, 50}, "あなたのネクストカードが腐った。"},
      {"朧の", {10, 20, 30, 40, 50}, {}, {99, 20, 30, 40, 50}, "あなたのネクストカードが調整された。"},
      {"リドローブレード", {10, 20, 30, 40, 50}, {5, 6, 7, 8, 9}, {5, 6, 7, 8, 9}, "あなたのカードが引き直された。"},
      {"ブロードソード", {0, 0, 0, 0, 4}, {}, {0, 0, 0, 0, 0}, "あなたのカードが均された。"},
      {"ブロードソード", {99, 99, 99, 99, 98}, {}, {98, 98, 98, 98, 98}, "あなたのカードが均された。"},
      {"ハルバード", {50, 1, 2, 3, 4}, {}, {99, 1, 2, 3, 4}, "あなたのネクストカードが強化された。"},
      {"ハルバード", {49, 1, 2, 3, 4}, {}, {98, 1, 2, 3, 4}, "あなたのネクストカードが強化された。"},
      {"鉈", {60, 70, 1, 2, 3}, {44}, {99, 1, 2, 3, 44}, "あなたのカードの先頭２枚が加算された。"},
      {"鉈", {10, 20, 1, 2, 3}, {44}, {30, 1, 2, 3, 44}, "あなたのカードの先頭２枚が加算された。"},
  };
  for (const Case& c : cases) {
    Equip(Player(), "あなた", {"ダブルクロス", c.sword}, c.before);
    Player().Card = 42;
    ASSERT_TRUE(Start(1)) << c.sword;
    ClearQueuedRolls();
    QueueRolls(c.rolls);
    Sounds();
    Press("≫");
    EXPECT_EQ(Player().Cards, c.after) << c.sword;
    EXPECT_EQ(Player().Card, 42) << c.sword;
    EXPECT_EQ(Lines(), Texts{c.line}) << c.sword;
    EXPECT_EQ(Sounds(), Texts{"turn.wav"}) << c.sword;
    EXPECT_EQ(Captions(), Texts{"≫"}) << c.sword;
    EXPECT_EQ(QueuedRollCount(), 0u) << c.sword;
  }
}

TEST_F(DriveTest, HappyPierceWithAFullHitRateGivesZeroAndWhiteSnapRotsTheHand) {
  Equip(Enemy(), "敵", {"不可知の王", "灯籠の", "灯籠の", "灯籠の"}, {10, 20, 30, 40, 50});
  ASSERT_EQ(Enemy().Hit, 100);
  ASSERT_TRUE(Start(0, true, false));
  EXPECT_EQ(Lines().back(), "不可知の王の意識がまばゆい白光を溢れさせた。");
  Press("≫");
  EXPECT_EQ(Enemy().Cards, (Hand{0, 0, 0, 0, 0}));
  EXPECT_EQ(Lines(), Texts{"不可知の王のカードがすべて腐った。"});
}

TEST_F(DriveTest, PotionsHealUpToTheMaximumAndHarmWithoutAFloor) {
  struct Case {
    const char* sword;
    std::int32_t hp;  // before, with MaxHP 6 once the potion broke
    std::int32_t hp_after;
    const char* sound;
    const char* line;
  };
  const Case cases[] = {
      {"薬草剣", 6, 6, "up.wav", "あなたの体力はこれ以上回復しなかった。"},
      {"薬草剣", 3, 4, "up.wav", "あなたの体力が1点回復した。"},
      {"劇薬草剣", 5, 6, "up.wav", "あなたの体力が1点回復した。"},
      {"劇薬草剣", 1, 4, "up.wav", "あなたの体力が3点回復した。"},
      {"毒草剣", 1, 0, "zurl.wav", "あなたは1点のダメージを受けた。"},
      {"縛鎖刀", 6, 4, "zurl.wav", "あなたは2点のダメージを受けた。"},
      {"劇毒草剣", 2, -1, "zurl.wav", "あなたは3点のダメージを受けた。"},
  };
  for (const Case& c : cases) {
    Equip(Player(), "あなた", {"ダブルクロス", "ダブルクロス", "ダブルクロス", c.sword}, {1, 2, 3, 4, 5});
    Player().HP = c.hp;
    ASSERT_TRUE(Start(3)) << c.sword;
    Sounds();
    Press("≫");
    EXPECT_EQ(Player().HP, c.hp_after) << c.sword;
    EXPECT_EQ(Lines(), Texts{c.line}) << c.sword;
    EXPECT_EQ(Sounds(), Texts{c.sound}) << c.sword;
  }
}

TEST_F(DriveTest, ShotsHitAreCancelledByTheBarrierOrKnockedDown) {
  struct Case {
    const char* what;
    const char* sword;
    bool by_player;
    bool barrier;
    Hand target_cards;  // the target's hit rate is 2 (two ダブルクロス) or the player's 2
    std::vector<int> rolls;
    Texts captions;
    const char* press;
    Texts lines;
    std::int32_t target_hp;  // from 4
    const char* sound;
  };
  const Case cases[] = {
      {"player's ピストル", "ピストル", true, false, {1, 2, 3, 4, 5}, {}, {"≫"}, "≫", {"敵は1点のダメージを受けた。"}, 3,
       "dun.wav"},
      {"the barrier cancels even a shot the enemy would knock down", "ピストル", true, true, {98, 2, 3, 4, 5}, {}, {"≫"},
       "≫", {"しかし結界が現象を棄却した。"}, 4, "weak.wav"},
      {"the enemy always knocks down with a critical coming", "バイヨネット3.0", true, false, {98, 2, 3, 4, 5}, {61},
       {"≫"}, "≫", {"敵 => 100 => クリティカル", "", "敵は射撃を打ち落とした！"}, 4, "kin.wav"},
      {"the player may take the enemy's shot", "バイヨネット2.0", false, false, {98, 2, 3, 4, 5}, {}, {"≫", "打落す"}, "≫",
       {"あなたは2点のダメージを受けた。"}, 2, "zurl.wav"},
      {"or knock it down", "バイヨネット2.0", false, false, {98, 2, 3, 4, 5}, {61}, {"≫", "打落す"}, "打落す",
       {"あなた => 100 => クリティカル", "", "あなたは射撃を打ち落とした！"}, 4, "kin.wav"},
      {"ショット？ hides its damage", "疑問剣", true, false, {1, 2, 3, 4, 5}, {7}, {"≫"}, "≫",
       {"敵は何点のダメージを受けた？"}, -3, "dun.wav"},
      {"サクション drains what the target has", "吸血剣", true, false, {1, 2, 3, 4, 5}, {}, {"≫"}, "≫",
       {"敵は1点のダメージを受けた。", "あなたの体力が1点回復した。"}, 3, "dun.wav"},
  };
  for (const Case& c : cases) {
    TFighter& shooter = c.by_player ? Player() : Enemy();
    TFighter& target = c.by_player ? Enemy() : Player();
    Equip(shooter, c.by_player ? "あなた" : "敵", {"ダブルクロス", "ダブルクロス", "ダブルクロス", c.sword}, {1, 2, 3, 4, 5});
    shooter.HP = 5;
    Equip(target, c.by_player ? "敵" : "あなた", {"ダブルクロス", "ダブルクロス"}, c.target_cards);
    CurrentBattle().BarrierUp = c.barrier;
    ClearQueuedRolls();
    QueueRolls(c.rolls);
    ASSERT_TRUE(Start(3, true, c.by_player)) << c.what;
    EXPECT_EQ(Captions(), c.captions) << c.what;
    Sounds();
    Press(c.press);
    EXPECT_EQ(Lines(), c.lines) << c.what;
    EXPECT_EQ(target.HP, c.target_hp) << c.what;
    EXPECT_EQ(Sounds(), Texts{c.sound}) << c.what;
    EXPECT_EQ(Captions(), Texts{"≫"}) << c.what;
  }
}

TEST_F(DriveTest, ShotValuesFollowTheOpponentAndTheUser) {
  struct Case {
    const char* sword;
    std::int32_t opponent_hp;
    const char* line;
  };
  // The opponent has MaxHP 7 (three ダブルクロス and a クロス).
  const Case cases[] = {
      {"テネシー", 5, "敵は3点のダメージを受けた。"},
      {"想月", 5, "敵は3点のダメージを受けた。"},
      {"霜月の", 5, "敵は4点のダメージを受けた。"},
  };
  for (const Case& c : cases) {
    Equip(Player(), "あなた", {"ダブルクロス", "ダブルクロス", "ダブルクロス", c.sword}, {1, 2, 3, 4, 5});
    Player().HP = 4;
    Equip(Enemy(), "敵", {"ダブルクロス", "ダブルクロス", "ダブルクロス", "クロス"}, {1, 2, 3, 4, 5});
    Enemy().HP = c.opponent_hp;
    ASSERT_TRUE(Start(3)) << c.sword;
    Press("≫");
    EXPECT_EQ(Lines(), Texts{c.line}) << c.sword;
  }
}

TEST_F(DriveTest, EndlessJitterbugHurtsBoth) {
  Equip(Enemy(), "敵", {"シャンヌイ", "ダブルクロス"}, {1, 2, 3, 4, 5});
  Equip(Player(), "あなた", {"ダブルクロス", "ダブルクロス"}, {1, 2, 3, 4, 5});
  ASSERT_TRUE(Start(0, true, false));
  EXPECT_EQ(Lines().size(), 4u);
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"双方共に1点のダメージを受けた。"});
  EXPECT_EQ(Enemy().HP, 2);
  EXPECT_EQ(Player().HP, 3);
  EXPECT_EQ(Sounds(), (Texts{"hyuun.wav", "zurl.wav"}));
}

TEST_F(DriveTest, OtherBattleDrives) {
  struct Case {
    const char* sword;
    Texts lines;
  };
  const Case cases[] = {
      {"くさり鎌", {"あなたと敵のカードが入れ替わった。"}},
      {"兵法剣", {"敵のカードをコピーした。"}},
      {"常夜の剣", {"八角の結界がフィールドを覆った。"}},
      {"ヌルブレード", {"しかしヌル領域はヌル領域を打ち消し、自己消滅した。", "特に何も残らなかった。"}},
      {"モスグリーン", {"敵の構成が暴かれた。"}},
  };
  for (const Case& c : cases) {
    Equip(Player(), "あなた", {"ダブルクロス", c.sword}, {10, 11, 12, 13, 14});
    Equip(Enemy(), "敵", {"ダブルクロス", "ダブルクロス"}, {1, 2, 3, 4, 5});
    ASSERT_TRUE(Start(1)) << c.sword;
    Press("≫");
    EXPECT_EQ(Lines(), c.lines) << c.sword;
    EXPECT_EQ(Captions(), Texts{"≫"}) << c.sword;
  }
  EXPECT_TRUE(CurrentBattle().BarrierUp);
  EXPECT_EQ(ShownFighter().Name, "敵");
}

TEST_F(DriveTest, ChangeSwapsAndTraceCopiesTheHands) {
  Equip(Player(), "あなた", {"ダブルクロス", "くさり鎌", "兵法剣"}, {10, 11, 12, 13, 14});
  ASSERT_TRUE(Start(1));
  Press("≫");
  EXPECT_EQ(Player().Cards, (Hand{1, 2, 3, 4, 5}));
  EXPECT_EQ(Enemy().Cards, (Hand{10, 11, 12, 13, 14}));
  ASSERT_TRUE(Start(1));
  Press("≫");
  EXPECT_EQ(Player().Cards, (Hand{10, 11, 12, 13, 14}));
}

TEST_F(DriveTest, MariRiseAndBssOnFullAndEmptyRows) {
  Equip(Enemy(), "敵", {"マリリリリン", "ダブルクロス"}, {1, 2, 3, 4, 5});
  Equip(Player(), "あなた", {"クロス", "クロス", "クロス", "クロス", "クロス", "クロス", "クロス", "クロス"}, {1, 2, 3, 4, 5});
  ASSERT_TRUE(Start(0, true, false));
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"あなたにマリリンがはびこる余地は無かった。"});
  EXPECT_EQ(Player().SwordCount, 8);

  RemoveSword(Player(), 0);
  RecalcFighter(Player());
  ASSERT_TRUE(Start(0, true, false));
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"あなたにマリリンがはびこった。"});
  EXPECT_EQ(Player().Swords[7].Name, "マリリン");
  EXPECT_EQ(Player().Hit, 7);  // not recomputed until the next change

  // Ｂ★Ｓ★Ｓ on a one-sword row takes its last life point; on an empty row it is an error.
  Equip(Player(), "あなた", {"ダブルクロス", "メロディ"}, {1, 2, 3, 4, 5});
  Equip(Enemy(), "敵", {"クロス"}, {1, 2, 3, 4, 5});
  ASSERT_TRUE(Start(1));
  QueueRolls({0});
  Press("≫");
  EXPECT_EQ(Lines(), Texts{"敵の「クロス」が消失した。"});
  EXPECT_EQ(Enemy().MaxHP, 0);
  EXPECT_EQ(Enemy().HP, 0);

  Equip(Player(), "あなた", {"ダブルクロス", "メロディ"}, {1, 2, 3, 4, 5});
  ASSERT_TRUE(Start(1));
  Press("≫");
  EXPECT_EQ(host.TakeBoxes(), Texts{"error in BSS"});
  EXPECT_EQ(Lines(), Texts{});
  EXPECT_EQ(Captions(), Texts{"≫"});
}

}  // namespace
}  // namespace zemra
