// The enemy's decision, drawn only for swords that pass the cheap tests, so
// that queued rolls replay a battle exactly.
#include "battle/enemy_ai.h"

#include "battle/attack.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "battle/battle_flags.h"
#include "battle/desire_tables.h"
#include "data/enemy.h"
#include "data/player_data.h"
#include "engine/app_message.h"
#include "engine/random.h"

namespace zemra {
namespace {

constexpr int kDesireRoll = 100;
constexpr int kDesireThreshold = 100;

// What the enemy would be after starting the sword, and what it sees now.
struct Outlook {
  const TFighter& enemy;
  const TFighter& player;
  long long hit_after;
  long long max_after;
};

bool SnapPays(const Outlook& o) { return HitUp(o.enemy, o.hit_after + o.enemy.Cards[1]); }
bool HitAfterPays(const Outlook& o) { return HitUp(o.enemy, o.hit_after); }
bool FlatPays(const Outlook& o) {
  long long sum = 0;
  for (std::int32_t card : o.enemy.Cards) sum += card;
  return HitUp(o.enemy, o.hit_after + sum / kHandSize);
}
bool BoostPays(const Outlook& o) {
  return HitUp(o.enemy, o.hit_after + std::min<long long>(2LL * o.enemy.Cards[0], kCardRange - 1));
}
bool TracePays(const Outlook& o) { return HitUp(o.enemy, o.hit_after + o.player.Cards[0]); }
bool ChangePays(const Outlook& o) { return CardWeight(o.player) > CardWeight(o.enemy); }
bool RedrawPays(const Outlook& o) {
  const long long hit = o.enemy.Hit;
  return hit + o.enemy.Cards[0] < kCriticalPotential && hit + o.enemy.Cards[1] < kCriticalPotential;
}
bool HealOnePays(const Outlook& o) { return o.enemy.HP <= o.max_after - 1; }
bool HealThreePays(const Outlook& o) { return o.enemy.HP <= o.max_after - 3; }
bool FullHealPays(const Outlook& o) { return o.enemy.HP < (o.max_after + 1) / 2; }
bool NoBarrier(const Outlook&) { return !IsBarrierUp(); }
bool JitterbugPays(const Outlook& o) {
  return !IsBarrierUp() && (o.enemy.HP > 1 || !HasSword(o.enemy, "エリクサーソード"));
}
bool SuctionPays(const Outlook& o) { return !IsBarrierUp() && o.enemy.HP <= o.enemy.MaxHP - 1; }
bool Always(const Outlook&) { return true; }

struct DriveWorth {
  std::string_view drive;
  bool (*pays)(const Outlook&);
};

// Drives the enemy knows how to use, and when each pays off; any other drive never does.
constexpr std::array<DriveWorth, 19> kDriveWorth{{
    {"スナップ", SnapPays},
    {"ブラッドスナップ", HitAfterPays},
    {"ホワイトスナップ", HitAfterPays},
    {"フラット", FlatPays},
    {"ブースト", BoostPays},
    {"トレース", TracePays},
    {"チェンジ", ChangePays},
    {"リドロー", RedrawPays},
    {"服薬", HealOnePays},
    {"服劇薬", HealThreePays},
    {"大服薬", FullHealPays},
    {"ショット", NoBarrier},
    {"ショット？", NoBarrier},
    {"ショット2.0", NoBarrier},
    {"ショット3.0", NoBarrier},
    {"エンドレスジルバ", JitterbugPays},
    {"サクション", SuctionPays},
    {"結界", NoBarrier},
    {"マリライズ", Always},
}};

const TSword& SwordAt(const TFighter& fighter, int slot) { return fighter.Swords[static_cast<std::size_t>(slot)]; }

}  // namespace

int DesireFor(std::string_view enemy_name, std::string_view sword_name, int depth) {
  // Read straight from the tables, as a desire table filled from them would
  // answer: a boss's own override, else the base desire, else none.
  std::optional<int> desire;
  for (const BaseDesire& base : BaseDesireTable) {
    if (base.name == sword_name) desire = base.per_depth * depth;
  }
  for (const BossDesires& boss : BossDesireTable) {
    if (boss.boss != enemy_name) continue;
    for (const DesireOverride& o : boss.desires) {
      if (!o.name.empty() && o.name == sword_name) desire = o.value;
    }
  }
  return desire.value_or(0);
}

long long CardWeight(const TFighter& fighter) {
  long long weight = 0;
  for (std::size_t i = 0; i < fighter.Cards.size(); ++i) weight += static_cast<long long>(kHandSize - i) * fighter.Cards[i];
  return weight;
}

bool HitUp(const TFighter& enemy, long long value) {
  // The enemy's potential if it fought now, with its next card.
  const long long p = static_cast<long long>(enemy.Hit) + enemy.Cards[0];
  switch (ClassifyPotential(p)) {
    case AttackClass::Miss: return value >= kCriticalPotential;
    case AttackClass::Critical: return false;
    case AttackClass::Hit: return value >= kHighHitFrom || value == kCriticalPotential;
    case AttackClass::HighHit: return value == kCriticalPotential;
    case AttackClass::OutOfRange: break;
  }
  ShowAppMessage("error in HitUp in EffectiveDriveEnemySword: Hity = " + std::to_string(p));
  return false;
}

bool CanSpareSword(const TFighter& enemy, int slot) {
  const TSword& sword = SwordAt(enemy, slot);
  return sword.Infinite || sword.Life < enemy.MaxHP;
}

bool EffectiveDriveEnemySword(const TFighter& enemy, int slot) {
  const TSword& sword = SwordAt(enemy, slot);
  if (sword.DriveName.empty()) return false;
  long long hit_after = enemy.Hit;
  long long max_after = enemy.MaxHP;
  if (!sword.Infinite) {
    hit_after = 0;
    for (int i = 0; i < enemy.SwordCount; ++i) {
      if (i != slot) hit_after += SwordAt(enemy, i).Hit;
    }
    hit_after = std::min<long long>(hit_after, kMaxHit);
    max_after = static_cast<long long>(enemy.MaxHP) - sword.Life;
  }
  const Outlook outlook{enemy, PlayerData().Fighter, hit_after, max_after};
  for (const DriveWorth& worth : kDriveWorth) {
    if (worth.drive == sword.DriveName) return worth.pays(outlook);
  }
  return false;
}

bool EnemyChooseSword(int& slot) {
  const TFighter& enemy = Enemy();
  for (int i = 0; i < enemy.SwordCount; ++i) {
    if (!CanSpareSword(enemy, i) || !EffectiveDriveEnemySword(enemy, i)) continue;
    const TSword& sword = SwordAt(enemy, i);
    if (DesireFor(enemy.Name, sword.Name, PlayerData().Depth) + Random(kDesireRoll) >= kDesireThreshold || sword.DriveName == "結界") {
      slot = i;
      return true;
    }
  }
  return false;
}

}  // namespace zemra
