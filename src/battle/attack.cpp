// The result classes and the comparison table of an exchange.
#include "battle/attack.h"

#include "battle/battle_flags.h"
#include "battle/battle_flow.h"
#include "data/enemy.h"
#include "data/player_data.h"
#include "data/shown_names.h"
#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"

namespace zemra {
namespace {

struct Outcome {
  Sound sound;
  int enemy_damage;
  int player_damage;
};

void Apply(const Outcome& outcome, const std::string& line) {
  PlayWave(outcome.sound);
  AddMainText(line);
  Enemy().HP -= outcome.enemy_damage;
  PlayerData().Fighter.HP -= outcome.player_damage;
}

bool IsAttackClass(std::string_view result) {
  return result == kMiss || result == kHit || result == kHighHit || result == kCritical;
}

void ResolveEqual(std::string_view result, bool player_fled) {
  if (result == kCritical) {
    Apply({Sound::Roar, 1, 1}, Tr("双方１点ずつのダメージを受けた！"));
  } else if (result == kMiss) {
    Apply({Sound::Suka, 0, 0},
          player_fled ? Tf("%1は攻撃をかわした！", {FighterInSentence(PlayerData().Fighter)}) : Tr("互いに攻撃をかわした！"));
  } else {
    Apply({Sound::Kin, 0, 0}, Tr("互いに攻撃を弾いた！"));
  }
}

void ResolveDifferent(std::string_view mine, std::string_view theirs) {
  const ShownName player = FighterInSentence(PlayerData().Fighter);
  const ShownName enemy = FighterInSentence(Enemy());
  if (mine == kCritical) {
    Apply({Sound::Roar, 2, 0}, Tf("%1に２点のダメージを与えた！", {enemy}));
  } else if (theirs == kCritical) {
    Apply({Sound::Roar, 0, 2}, Tf("%1は２点のダメージを食らった！", {player}));
  } else if (mine == kHighHit || theirs == kMiss) {
    Apply({Sound::Dun, 1, 0}, Tf("%1に１点のダメージを与えた！", {enemy}));
  } else {
    // Two valid, different classes without a critical: the other side's high hit or my miss.
    Apply({Sound::Zurl, 0, 1}, Tf("%1は１点のダメージを食らった！", {player}));
  }
}

}  // namespace

long long AttackPotential(const TFighter& fighter) {
  return static_cast<long long>(fighter.Hit) + static_cast<long long>(fighter.Card);
}

AttackClass ClassifyPotential(long long p) {
  if (p >= 0 && p < kCriticalPotential) return AttackClass::Miss;
  if (p == kCriticalPotential) return AttackClass::Critical;
  if (p > kCriticalPotential && p < kHighHitFrom) return AttackClass::Hit;
  if (p >= kHighHitFrom && p < kPotentialLimit) return AttackClass::HighHit;
  return AttackClass::OutOfRange;
}

std::string AttackResult(const TFighter& fighter) {
  const long long p = AttackPotential(fighter);
  switch (ClassifyPotential(p)) {
    case AttackClass::Miss: return std::string(kMiss);
    case AttackClass::Critical: return std::string(kCritical);
    case AttackClass::Hit: return std::string(kHit);
    case AttackClass::HighHit: return std::string(kHighHit);
    case AttackClass::OutOfRange: break;
  }
  ShowAppMessage("error in AttackResult: AttackPotential(Fighter) = " + std::to_string(p));
  return "";
}

void ShowAttackLine(const TFighter& fighter) {
  // Not a sentence to translate, but the name opens it as one.
  AddMainText(FormatText("%1 => %2 => %3", {FighterInSentence(fighter), std::to_string(AttackPotential(fighter)), Tr(AttackResult(fighter))}));
}

void DoAttackResult(std::string_view my_result, std::string_view enemy_result, bool player_fled) {
  AddMainText("");
  if (!IsAttackClass(my_result) || !IsAttackClass(enemy_result)) {
    // A result lost to an earlier error never decides a blow, whatever the other side played.
    ShowAppMessage(my_result == enemy_result ? "error in DoAttackResult: MyResult = EnemyResult"
                                             : "error in DoAttackResult: MyResult <> EnemyResult");
  } else if (my_result == enemy_result) {
    ResolveEqual(my_result, player_fled);
  } else {
    ResolveDifferent(my_result, enemy_result);
  }
  BattleFlags& b = CurrentBattle();
  b.PlayerFights = false;
  b.PlayerFleeFailed = false;
  b.EnemyFights = false;
  AddCommand("≫", AfterAction);
}

}  // namespace zemra
