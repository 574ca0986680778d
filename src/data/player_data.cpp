// PlayerData and the new-game roll. The roll's draws come in a fixed order,
// so queued results reproduce any starting status.
#include "data/player_data.h"

#include "engine/module_state.h"

#include <limits>

#include "engine/random.h"
#include "engine/translate.h"

namespace zemra {
namespace {

constexpr std::array<LotteryEntry, 6> kStartingLottery{{
    {"縛鎖刀", 100}, {"剣", 100}, {"マリリン", 3}, {"刀", 3}, {"クロス", 1}, {"紅椿", 1}}};

// The guaranteed slot: mostly 柳屋, rarely a life sword, very rarely the lottery.
TSword RollSignatureSword() {
  if (Random(16) != 0) return CreateSword("柳屋");
  if (Random(2) == 0) return CreateSword("クロス");
  if (Random(2) == 0) return CreateSword("紅椿");
  return DrawSwordLottery();
}

}  // namespace

TPlayerData& PlayerData() {
  return ModuleState<TPlayerData>();
}

void ResetPlayerData() { PlayerData() = TPlayerData{}; }

void MarkObtained(std::int32_t kind) {
  if (kind < 1 || kind > kSwordKindCount) return;
  PlayerData().Obtained[static_cast<std::size_t>(kind)] = true;
}

void CountBattle() {
  std::int32_t& count = PlayerData().BattleCount;
  if (count < std::numeric_limits<std::int32_t>::max()) ++count;
}

void RollPlayerStatus() {
  TFighter& player = PlayerData().Fighter;
  player.BaseName = N_("あなた");  // stays Japanese; translated where it is shown
  player.SwordCount = 0;
  player.Swords.fill(TSword{});
  const int a = 2 + Random(7);
  const int b = 2 + Random(7);
  const int n = (a * b) / 8;
  const int k = 1 + Random(n);
  ClearSwordLottery();
  for (const LotteryEntry& entry : kStartingLottery) AddSwordLottery(entry.name, entry.weight);
  for (int i = 1; i <= n; ++i) AddSword(player, i == k ? RollSignatureSword() : DrawSwordLottery());
  RecalcFighter(player);
  FullHeal(player);
  DealCards(player);
  player.Card = kNoCard;
}

}  // namespace zemra
