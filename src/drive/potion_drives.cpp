// The potions: life gained up to the maximum, or lost without a floor.
#include <algorithm>
#include <string>

#include "data/fighter.h"
#include "data/shown_names.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "engine/translate.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"

namespace zemra {
namespace {

void Heal(std::int32_t amount) {
  PlayWave(Sound::Up);
  HealUser(amount);
  FinishDrive();
}

void Harm(std::int32_t amount) {
  PlayWave(Sound::Zurl);
  DamageUser(amount);
  FinishDrive();
}

}  // namespace

void HealUser(std::int32_t amount) {
  TFighter& user = *DriveContext().DriveUser;
  if (user.HP >= user.MaxHP) {
    AddMainText(Tf("%1の体力はこれ以上回復しなかった。", {FighterInSentence(user)}));
    return;
  }
  const std::int32_t gained = std::min(amount, user.MaxHP - user.HP);
  user.HP += gained;
  AddMainText(Tf("%1の体力が%2点回復した。", {FighterInSentence(user), std::to_string(gained)}));
}

void DamageUser(std::int32_t amount) {
  TFighter& user = *DriveContext().DriveUser;
  user.HP -= amount;
  AddMainText(Tf("%1は%2点のダメージを受けた。", {FighterInSentence(user), std::to_string(amount)}));
}

void TakeMedicine() { Heal(1); }
void TakeStrongMedicine() { Heal(3); }
void TakePoison() { Harm(1); }
void HurtSelf() { Harm(2); }
void TakeStrongPoison() { Harm(3); }

}  // namespace zemra
