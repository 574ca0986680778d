// Enemy generation. Every random number below is drawn in the order written,
// and only then, so queued rolls rebuild any enemy exactly.
#include "data/enemy.h"

#include "engine/module_state.h"

#include <algorithm>
#include <string>

#include "data/enemy_tables.h"
#include "data/player_data.h"
#include "engine/app_message.h"
#include "engine/random.h"
#include "engine/translate.h"

namespace zemra {
namespace {

constexpr std::int32_t kBayonetDepth = 7;  // from here the guaranteed sword is a バイヨネット
constexpr int kZankoChance = 2;
constexpr int kZankoVeryRareOdds = 1000;
constexpr int kZankoRareOdds = 100;
constexpr int kZankoExtraDraws = 2;

struct EnemyState {
  TFighter fighter;
};

EnemyState& State() {
  return ModuleState<EnemyState>();
}

// Depth is kept in 0..9 by the loader and the drives; the clamp only keeps a
// stray value from reading past the tables.
std::int32_t TableDepth() { return std::clamp<std::int32_t>(PlayerData().Depth, 0, kDepthCount - 1); }

void Give(std::string_view name) { AddSword(Enemy(), CreateSword(name)); }

template <std::size_t N>
std::string_view PickUniform(const std::array<std::string_view, N>& list) {
  return list[static_cast<std::size_t>(Random(static_cast<int>(ListLength(list))))];
}

void FillOrdinaryLottery(std::int32_t depth) {
  const OrdinaryDepth& table = OrdinaryEnemyTable[static_cast<std::size_t>(depth)];
  ClearSwordLottery();
  for (const LotteryEntry& entry : CommonEnemyLottery) AddSwordLottery(entry.name, entry.weight);
  AddSwordLottery("クロス", depth + 1);
  for (const LotteryEntry& entry : table.entries) {
    if (entry.name.empty()) break;
    AddSwordLottery(entry.name, entry.weight);
  }
  for (const RareRoll& roll : table.rare_rolls) {
    if (roll.odds == 0) break;
    if (Random(roll.odds) != 0) continue;
    for (std::size_t i = 0; i < ListLength(roll.names); ++i) AddSwordLottery(roll.names[i], 1);
  }
}

void GiveOrdinarySwords() {
  const std::int32_t depth = TableDepth();
  const int a = 4 + Random(5);
  const int b = 4 + Random(5);
  const int n = (a * b) / 8;
  const int k = 1 + Random(n);
  FillOrdinaryLottery(depth);
  for (int i = 1; i <= n; ++i) {
    if (i == k) {
      Give(depth < kBayonetDepth ? "クロス" : "バイヨネット");
    } else {
      AddSword(Enemy(), DrawSwordLottery());
    }
  }
}

void GiveZankoExtra(const ZankoDepth& table) {
  const bool has_very_rare = ListLength(table.very_rare) > 0;
  if (has_very_rare && Random(kZankoVeryRareOdds) == 0) {
    Give(PickUniform(table.very_rare));
  } else if (Random(kZankoRareOdds) == 0) {
    Give(PickUniform(table.rare));
  } else {
    Give(PickUniform(ZankoCommonExtras));
  }
}

void GiveZankoSwords() {
  if (PlayerHasSword("斬子")) {
    GiveOrdinarySwords();
    return;
  }
  const std::int32_t depth = TableDepth();
  const ZankoDepth& table = ZankoSwordTable[static_cast<std::size_t>(depth)];
  Give("斬子");
  Give("霧葉記憶絵巻・" + std::string(ChapterNames[static_cast<std::size_t>(depth)]));
  for (const auto& chance : table.chances) {
    if (Random(kZankoChance) == 1) Give(PickUniform(chance));
  }
  for (int i = 0; i < kZankoExtraDraws; ++i) GiveZankoExtra(table);
}

void GiveBossSwords() {
  const auto& set = BossSwordSets[static_cast<std::size_t>(TableDepth())];
  AddSwordsToBoss(set);
}

}  // namespace

TFighter& Enemy() { return State().fighter; }

void ResetEnemy() { State() = EnemyState{}; }

bool PlayerHasSword(std::string_view name) { return HasSword(PlayerData().Fighter, name); }

void AddSwordsToBoss(std::span<const std::string_view> names) {
  if (names.empty()) return;
  if (names.size() > static_cast<std::size_t>(kMaxSwords)) {
    ShowAppMessage("error in AddSwordsToBoss: " + std::string(names.front()));
  }
  if (PlayerHasSword(names.front())) {
    GiveOrdinarySwords();
    return;
  }
  for (std::string_view name : names) Give(name);
}

void CreateEnemy(EncounterKind kind) {
  TFighter& enemy = Enemy();
  enemy.BaseName = N_("敵");  // stays Japanese; translated where it is shown
  enemy.SwordCount = 0;
  enemy.Swords.fill(TSword{});
  switch (kind) {
    case EncounterKind::Queen:
      Give("Queen");
      break;
    case EncounterKind::Boss:
      GiveBossSwords();
      break;
    case EncounterKind::Rare:
      GiveZankoSwords();
      break;
    case EncounterKind::Ordinary:
      GiveOrdinarySwords();
      break;
  }
  RecalcFighter(enemy);
  FullHeal(enemy);
  DealCards(enemy);
  enemy.Card = kNoCard;
}

}  // namespace zemra
