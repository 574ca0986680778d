// Attack resolution: the result classes at their bounds, and every pairing of
// results with its damage, sound and outcome line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/attack.h"
#include "battle/battle_flags.h"
#include "support/battle_fixture.h"

namespace zemra {
namespace {

using testing::BattleFixture;

class AttackTest : public BattleFixture {
 protected:
  void SetUp() override {
    BattleFixture::SetUp();
    testing::Equip(Player(), "あなた", {"青龍刀", "刀"}, {1, 2, 3, 4, 5});
    testing::Equip(Enemy(), "敵", {"青龍刀", "刀"}, {1, 2, 3, 4, 5});
  }
};

TEST_F(AttackTest, PotentialFallsIntoItsClassOrIsReported) {
  struct Case {
    std::int32_t hit, card;
    const char* result;
    const char* box;  // "" when none
  };
  const Case cases[] = {
      {0, 0, "ミス", ""},
      {40, 59, "ミス", ""},
      {40, 60, "クリティカル", ""},
      {40, 61, "ヒット", ""},
      {100, 79, "ヒット", ""},
      {100, 80, "ハイヒット", ""},
      {100, 99, "ハイヒット", ""},
      {0, -1, "", "error in AttackResult: AttackPotential(Fighter) = -1"},
      {100, 100, "", "error in AttackResult: AttackPotential(Fighter) = 200"},
      {100, 2147483647, "", "error in AttackResult: AttackPotential(Fighter) = 2147483747"},
  };
  for (const Case& c : cases) {
    TFighter f;
    f.Hit = c.hit;
    f.Card = c.card;
    EXPECT_EQ(AttackResult(f), c.result) << c.hit << "+" << c.card;
    const std::vector<std::string> boxes = host.TakeBoxes();
    EXPECT_EQ(boxes, *c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{}) << c.hit << "+" << c.card;
  }
}

TEST_F(AttackTest, TheAttackLineShowsNamePotentialAndResult) {
  Player().Hit = 40;
  Player().Card = 60;
  ShowAttackLine(Player());
  EXPECT_EQ(Lines(), std::vector<std::string>{"あなた => 100 => クリティカル"});
}

struct Pairing {
  const char* mine;
  const char* theirs;
  bool fled;
  int enemy_damage;
  int player_damage;
  const char* sound;  // "" when none
  const char* line;   // "" when none
  const char* box;    // "" when none
};

Pairing g_pairing;

void ResolvePairing() { DoAttackResult(g_pairing.mine, g_pairing.theirs, g_pairing.fled); }

TEST_F(AttackTest, EveryPairingDealsItsDamageWithItsSoundAndLine) {
  const Pairing cases[] = {
      {"クリティカル", "クリティカル", false, 1, 1, "roar.wav", "双方１点ずつのダメージを受けた！", ""},
      {"ハイヒット", "ハイヒット", false, 0, 0, "kin.wav", "互いに攻撃を弾いた！", ""},
      {"ヒット", "ヒット", false, 0, 0, "kin.wav", "互いに攻撃を弾いた！", ""},
      {"ミス", "ミス", false, 0, 0, "suka.wav", "互いに攻撃をかわした！", ""},
      {"ミス", "ミス", true, 0, 0, "suka.wav", "あなたは攻撃をかわした！", ""},
      {"クリティカル", "ハイヒット", false, 2, 0, "roar.wav", "敵に２点のダメージを与えた！", ""},
      {"クリティカル", "ミス", false, 2, 0, "roar.wav", "敵に２点のダメージを与えた！", ""},
      {"ミス", "クリティカル", false, 0, 2, "roar.wav", "あなたは２点のダメージを食らった！", ""},
      {"ハイヒット", "クリティカル", false, 0, 2, "roar.wav", "あなたは２点のダメージを食らった！", ""},
      {"ミス", "クリティカル", true, 0, 2, "roar.wav", "あなたは２点のダメージを食らった！", ""},
      {"ハイヒット", "ヒット", false, 1, 0, "dun.wav", "敵に１点のダメージを与えた！", ""},
      {"ハイヒット", "ミス", false, 1, 0, "dun.wav", "敵に１点のダメージを与えた！", ""},
      {"ヒット", "ミス", false, 1, 0, "dun.wav", "敵に１点のダメージを与えた！", ""},
      {"ヒット", "ハイヒット", false, 0, 1, "zurl.wav", "あなたは１点のダメージを食らった！", ""},
      {"ミス", "ヒット", false, 0, 1, "zurl.wav", "あなたは１点のダメージを食らった！", ""},
      {"ミス", "ハイヒット", true, 0, 1, "zurl.wav", "あなたは１点のダメージを食らった！", ""},
      // A result lost to an error never decides the blow.
      {"", "", false, 0, 0, "", "", "error in DoAttackResult: MyResult = EnemyResult"},
      {"", "ミス", false, 0, 0, "", "", "error in DoAttackResult: MyResult <> EnemyResult"},
      {"クリティカル", "", false, 0, 0, "", "", "error in DoAttackResult: MyResult <> EnemyResult"},
  };
  for (const Pairing& c : cases) {
    const std::string what = std::string(c.mine) + " / " + c.theirs + (c.fled ? " fled" : "");
    Player().HP = 5;
    Enemy().HP = 5;
    CurrentBattle().PlayerFights = CurrentBattle().EnemyFights = CurrentBattle().PlayerFleeFailed = true;
    g_pairing = c;
    Show(ResolvePairing);
    EXPECT_EQ(Enemy().HP, 5 - c.enemy_damage) << what;
    EXPECT_EQ(Player().HP, 5 - c.player_damage) << what;
    EXPECT_EQ(Sounds(), *c.sound ? std::vector<std::string>{c.sound} : std::vector<std::string>{}) << what;
    std::vector<std::string> lines{""};
    if (*c.line) lines.push_back(c.line);
    EXPECT_EQ(Lines(), lines) << what;
    EXPECT_EQ(host.TakeBoxes(), *c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{}) << what;
    EXPECT_EQ(Captions(), std::vector<std::string>{"≫"}) << what;
    EXPECT_FALSE(CurrentBattle().PlayerFights || CurrentBattle().EnemyFights || CurrentBattle().PlayerFleeFailed);
  }
}

}  // namespace
}  // namespace zemra
