// The potions: life gained up to the maximum, or lost without a floor.
#include <algorithm>
#include <string>

#include "data/fighter.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
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
    AddMainText(user.Name + "の体力はこれ以上回復しなかった。");
    return;
  }
  const std::int32_t gained = std::min(amount, user.MaxHP - user.HP);
  user.HP += gained;
  AddMainText(user.Name + "の体力が" + std::to_string(gained) + "点回復した。");
}

void DamageUser(std::int32_t amount) {
  TFighter& user = *DriveContext().DriveUser;
  user.HP -= amount;
  AddMainText(user.Name + "は" + std::to_string(amount) + "点のダメージを受けた。");
}

void TakeMedicine() { Heal(1); }
void TakeStrongMedicine() { Heal(3); }
void TakePoison() { Harm(1); }
void HurtSelf() { Harm(2); }
void TakeStrongPoison() { Harm(3); }

}  // namespace zemra
