// Enemy generation reproduced from queued draws: ordinary enemies by depth,
// the boss sets, 斬子, the Queen, and the lock by sword name.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "data/enemy.h"
#include "data/player_data.h"
#include "engine/random.h"
#include "support/fake_host.h"
#include "support/sword_names.h"

namespace zemra {
namespace {

using testing::GameFixture;

using Encounter = EncounterKind;

constexpr std::array<std::int32_t, 5> kDeal{3, 14, 15, 92, 65};

class EnemyTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    host.TakeBoxes();
    PlayerData().PlayerName = "剣師";
  }

  // The player holds one sword (Pawn and Queen take the player's name).
  void PlayerHolds(const char* name) {
    if (*name == '\0') return;
    AddSword(PlayerData().Fighter, CreateSword(name));
    RecalcFighter(PlayerData().Fighter);
  }

  void Build(Encounter encounter, int depth, std::vector<int> rolls) {
    PlayerData().Depth = depth;
    rolls.insert(rolls.end(), kDeal.begin(), kDeal.end());
    QueueRolls(rolls);
    CreateEnemy(encounter);
  }
};

using testing::SwordNames;

struct EnemyCase {
  const char* what;
  Encounter encounter;
  int depth;
  const char* held;        // a sword the player holds, "" for none
  std::vector<int> rolls;  // every draw before the deal, in order
  std::vector<std::string> swords;
  const char* name;
  int max_hp;
  int hit;
};

// Ordinary rolls: a, b, k, the rare roll(s), then one lottery draw per slot but k.
// 斬子 rolls: four chances (each 1 adds a pick), then two extra draws.
const EnemyCase kEnemies[] = {
    {"depth 0, two swords", Encounter::Ordinary, 0, "", {0, 0, 1, 5, 99}, {"ヒント剣", "クロス"}, "敵", 1, 6},
    {"depth 0, the rare entry joins and is drawn", Encounter::Ordinary, 0, "", {0, 0, 0, 0, 119},
     {"クロス", "シャムシール"}, "敵", 1, 13},
    {"depth 3, クロス through its table weight", Encounter::Ordinary, 3, "", {0, 0, 0, 1, 160},
     {"クロス", "クロス"}, "敵", 2, 2},
    {"depth 5, a drawn 朧の names the enemy", Encounter::Ordinary, 5, "", {0, 0, 0, 0, 157},
     {"クロス", "朧の"}, "朧の", 1, 24},
    {"depth 7, eight swords and a guaranteed バイヨネット", Encounter::Ordinary, 7, "",
     {4, 4, 0, 1, 26, 36, 0, 18, 143, 139, 116},
     {"バイヨネット", "バイヨネット", "ハルバード", "グリーンソード", "クロス", "兵法剣", "吸血剣", "マリリリン"}, "敵", 3, 84},
    {"depth 9, both rare rolls join", Encounter::Ordinary, 9, "", {0, 0, 0, 0, 0, 187},
     {"バイヨネット", "大聖堂剣"}, "敵", 1, 17},
    {"depth 9, only the very rare roll joins", Encounter::Ordinary, 9, "", {0, 0, 1, 3, 0, 183},
     {"桃源刀", "バイヨネット"}, "敵", 1, 13},
    {"boss locked by the held ラーダ", Encounter::Boss, 0, "ラーダ", {0, 0, 1, 5, 99}, {"ヒント剣", "クロス"}, "敵", 1, 6},
    {"depth 8 boss locked by a 草薙 taken before", Encounter::Boss, 8, "草薙", {0, 0, 0, 5, 0},
     {"バイヨネット", "グリーンソード"}, "敵", 1, 15},
    {"斬子 at depth 0 with no chance taken", Encounter::Rare, 0, "", {0, 0, 0, 0, 5, 0, 5, 6},
     {"斬子", "霧葉記憶絵巻・序", "薬草剣", "決闘剣"}, "斬子", 2, 14},
    {"斬子 at depth 0 with every chance and both rares", Encounter::Rare, 0, "",
     {1, 3, 1, 0, 1, 0, 1, 1, 0, 0, 0, 0},
     {"斬子", "霧葉記憶絵巻・序", "剣", "縛鎖刀", "剣", "ヒント剣", "シャムシール", "シャムシール"}, "斬子", 2, 55},
    {"斬子 at depth 9, very rare then rare", Encounter::Rare, 9, "", {0, 0, 0, 0, 0, 2, 7, 0, 1},
     {"斬子", "霧葉記憶絵巻・終", "大聖堂剣", "ヌルブレード"}, "斬子", 2, 13},
    {"斬子 at depth 9, common extras", Encounter::Rare, 9, "", {0, 0, 0, 0, 1, 1, 2, 1, 1, 4},
     {"斬子", "霧葉記憶絵巻・終", "セーブブレード", "階段剣"}, "斬子", 2, 15},
    {"斬子 locked by the held 斬子", Encounter::Rare, 0, "斬子", {0, 0, 1, 5, 99}, {"ヒント剣", "クロス"}, "敵", 1, 6},
    {"the Queen bears the player's name", Encounter::Queen, 4, "", {}, {"剣師"}, "剣師", 8, 100},
    {"the Queen has no lock", Encounter::Queen, 4, "Queen", {}, {"剣師"}, "剣師", 8, 100},
};

TEST_F(EnemyTest, EnemiesAreRebuiltExactlyFromTheQueuedDraws) {
  for (const EnemyCase& c : kEnemies) {
    SCOPED_TRACE(c.what);
    ResetPlayerData();
    PlayerData().PlayerName = "剣師";
    PlayerHolds(c.held);
    Build(c.encounter, c.depth, c.rolls);
    const TFighter& enemy = Enemy();
    EXPECT_EQ(SwordNames(enemy), c.swords);
    EXPECT_EQ(enemy.Name, c.name);
    EXPECT_EQ(enemy.BaseName, "敵");
    EXPECT_EQ(enemy.MaxHP, c.max_hp);
    EXPECT_EQ(enemy.HP, c.max_hp);
    EXPECT_EQ(enemy.Hit, c.hit);
    EXPECT_EQ(enemy.Card, -1);
    EXPECT_EQ(enemy.Cards, kDeal);
    EXPECT_EQ(QueuedRollCount(), 0u);
    EXPECT_TRUE(host.TakeBoxes().empty());
  }
}

TEST_F(EnemyTest, TheLockComparesSwordNamesNotKinds) {
  PlayerData().PlayerName = "ラーダ";
  PlayerHolds("Pawn");
  EXPECT_TRUE(PlayerHasSword("ラーダ"));
  Build(Encounter::Boss, 0, {0, 0, 1, 5, 99});
  EXPECT_EQ(SwordNames(Enemy()), (std::vector<std::string>{"ヒント剣", "クロス"}));
  EXPECT_EQ(QueuedRollCount(), 0u);
}

TEST_F(EnemyTest, ZankoCarriesTheDescriptionOfItsDepth) {
  Build(Encounter::Rare, 9, {0, 0, 0, 0, 1, 1, 2, 1, 1, 4});
  EXPECT_EQ(Enemy().Swords[0].Description, "霧葉斬子。澱んだ空を見ている。");
}

struct BossCase {
  int depth;
  std::vector<std::string> swords;
  int max_hp;
  int hit;
};

const BossCase kBosses[] = {
    {0, {"ラーダ", "縛鎖刀", "縛鎖刀", "縛鎖刀", "クロス", "クロス", "階段剣", "薬草剣"}, 2, 48},
    {1, {"ジフ", "マリリン", "マリリン", "マリリン", "グリーンクロス", "階段剣", "剣", "リドローブレード"}, 2, 67},
    {2, {"キルヒム", "クロス", "クロス", "教会剣", "階段剣", "ピストル", "ピストル", "ピストル"}, 3, 19},
    {3, {"ストロベリー", "マリリン", "マリリン", "マリリン", "紅椿", "紅椿", "紅椿", "階段剣"}, 4, 86},
    {4, {"想月", "グリーンクロス", "モスグリーン", "薬草剣", "薬草剣", "薬草剣", "薬草剣", "薬草剣"}, 2, 33},
    {5, {"テネシー", "グリーンクロス", "モスグリーン", "マリリリン", "マリリリン", "マリリリン", "レッドソード", "レッドソード"}, 2, 100},
    {6, {"ドライマン", "モスグリーン", "マリリリン", "マリリリン", "グリーンクロス", "グリーンクロス", "グリーンクロス", "グリーンクロス"}, 4, 100},
    {7, {"シャンヌイ", "グリーンクロス", "グリーンクロス", "グリーンクロス", "モスグリーン", "エリクサーソード", "エリクサーソード", "エリクサーソード"}, 4, 74},
    {8, {"草薙", "草薙", "エメラルドエッジ", "バイヨネット", "バイヨネット", "バイヨネット", "バイヨネット", "常夜の剣"}, 6, 100},
    {9, {"不可知の王", "不可知の王", "不可知の王", "剣師", "エリクサーソード", "疑問剣", "疑問剣", "疑問剣"}, 12, 100},
};

TEST_F(EnemyTest, EachDepthsBossHasItsSetAndCheckValues) {
  for (const BossCase& c : kBosses) {
    SCOPED_TRACE("depth " + std::to_string(c.depth));
    Build(Encounter::Boss, c.depth, {});
    EXPECT_EQ(SwordNames(Enemy()), c.swords);
    EXPECT_EQ(Enemy().Name, c.swords.front());
    EXPECT_EQ(Enemy().MaxHP, c.max_hp);
    EXPECT_EQ(Enemy().Hit, c.hit);
    EXPECT_EQ(QueuedRollCount(), 0u);
  }
  // Enemy swords never count as obtained.
  EXPECT_EQ(PlayerData().Obtained, (std::array<bool, kSwordKindCount + 1>{}));
}

TEST_F(EnemyTest, ABossListOfMoreThanEightIsReportedAndCutByTheSlots) {
  const std::vector<std::string_view> nine(9, "剣");
  AddSwordsToBoss(nine);
  EXPECT_EQ(host.TakeBoxes(), (std::vector<std::string>{"error in AddSwordsToBoss: 剣", "error in AddSword"}));
  EXPECT_EQ(Enemy().SwordCount, 8);
}

}  // namespace
}  // namespace zemra
