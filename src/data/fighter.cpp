// Fighter operations. Swords change only through AddSword and RemoveSword;
// RecalcFighter then derives the name, life and hit rate from them.
#include "data/fighter.h"

#include "engine/module_state.h"

#include "data/player_data.h"
#include "engine/app_message.h"
#include "engine/random.h"

namespace zemra {

bool IsDead(const TFighter& fighter) { return fighter.HP <= 0; }

void AddSword(TFighter& fighter, const TSword& sword) {
  if (fighter.SwordCount < 0 || fighter.SwordCount >= kMaxSwords) {
    ShowAppMessage("error in AddSword");
    return;
  }
  fighter.Swords[static_cast<std::size_t>(fighter.SwordCount)] = sword;
  ++fighter.SwordCount;
  // Only the player's own record counts toward the obtained kinds.
  if (&fighter == &PlayerData().Fighter) MarkObtained(sword.Kind);
}

void RemoveSword(TFighter& fighter, int index) {
  if (index < 0 || index >= fighter.SwordCount) {
    ShowAppMessage("error in RemoveSword");
    return;
  }
  for (int i = index; i + 1 < fighter.SwordCount; ++i) {
    fighter.Swords[static_cast<std::size_t>(i)] = fighter.Swords[static_cast<std::size_t>(i + 1)];
  }
  --fighter.SwordCount;
  // The freed slot is emptied so that a saved record carries no stale sword.
  fighter.Swords[static_cast<std::size_t>(fighter.SwordCount)] = TSword{};
}

bool HasSword(const TFighter& fighter, std::string_view name) {
  for (int i = 0; i < fighter.SwordCount; ++i) {
    if (fighter.Swords[static_cast<std::size_t>(i)].Name == name) return true;
  }
  return false;
}

void RecalcFighter(TFighter& fighter) {
  fighter.Name.clear();
  fighter.MaxHP = 0;
  fighter.Hit = 0;
  for (int i = 0; i < fighter.SwordCount; ++i) {
    const TSword& sword = fighter.Swords[static_cast<std::size_t>(i)];
    if (sword.Inscribed && fighter.Name.empty()) fighter.Name = sword.Name;
    fighter.MaxHP += sword.Life;
    fighter.Hit += sword.Hit;
  }
  if (fighter.Name.empty()) fighter.Name = fighter.BaseName;
  if (fighter.MaxHP < fighter.HP) fighter.HP = fighter.MaxHP;
  if (fighter.Hit > kMaxHit) fighter.Hit = kMaxHit;
}

void FullHeal(TFighter& fighter) { fighter.HP = fighter.MaxHP; }

void DealCards(TFighter& fighter) {
  for (std::int32_t& card : fighter.Cards) card = Random(kCardRange);
}

void NextCard(TFighter& fighter) {
  fighter.Card = fighter.Cards[0];
  for (std::size_t i = 0; i + 1 < fighter.Cards.size(); ++i) fighter.Cards[i] = fighter.Cards[i + 1];
  fighter.Cards.back() = Random(kCardRange);
}

SwordLotteryState& SwordLottery() {
  return ModuleState<SwordLotteryState>();
}

void ResetSwordLottery() { SwordLottery() = SwordLotteryState{}; }

void ClearSwordLottery() { SwordLottery().entries.clear(); }

void AddSwordLottery(std::string_view name, std::int32_t weight) {
  SwordLottery().entries.emplace_back(std::string(name), weight);
}

TSword DrawSwordLottery() {
  const auto& entries = SwordLottery().entries;
  std::int32_t total = 0;
  for (const auto& entry : entries) total += entry.second;
  std::int32_t r = Random(total);
  for (const auto& entry : entries) {
    if (r < entry.second) return CreateSword(entry.first);
    r -= entry.second;
  }
  // Every list the game builds has a positive total; an empty one is a slip.
  ShowAppMessage("error in DrawSwordLottery");
  return TSword{};
}

}  // namespace zemra
