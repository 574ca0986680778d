// Shots: the damage is fixed when the shot is posted, and so is whether the
// barrier cancels it or the target can knock it down with its next card.
#include <string>

#include "battle/attack.h"
#include "battle/battle_flags.h"
#include "data/enemy.h"
#include "data/shown_names.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "engine/translate.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"

namespace zemra {
namespace {

TFighter& Opponent() { return *DriveContext().DriveOpponent; }

void EndShot() {
  PlayWave(IsPlayerTurn() ? Sound::Dun : Sound::Zurl);
  ShowTopPanel(Control::PanelMainEnemy);
  FinishDrive();
}

void StrikeOpponent(std::int32_t damage) {
  AddMainText(Tf("%1は%2点のダメージを受けた。", {FighterInSentence(Opponent()), std::to_string(damage)}));
  Opponent().HP -= damage;
}

}  // namespace

void PostShot(std::string_view text, std::string_view caption, Continuation effect, std::int32_t value) {
  TPendingDrive& pending = PendingDrive();
  pending.PendingText = text;
  pending.PendingCaption = caption;
  pending.PendingEffect = effect;
  pending.PendingValue = value;
  if (IsBarrierUp()) {
    AddCommand("≫", ShotBlocked);
    return;
  }
  const TFighter& target = Opponent();
  const long long s = static_cast<long long>(target.Hit) + target.Cards[0];
  // A critical or a high hit coming knocks the shot down.
  if (s >= kHighHitFrom || s == kCriticalPotential) {
    if (IsPlayerTurn()) {
      // The enemy always spends a good card on knocking the shot down.
      AddCommand("≫", ShotKnockedDown);
    } else {
      AddCommand("≫", effect);
      AddCommand(Tr("打落す"), ShotKnockedDown);
    }
    return;
  }
  AddCommand("≫", effect);
}

void ShotHit() {
  StrikeOpponent(PendingDrive().PendingValue);
  EndShot();
}

void ShotMystery() {
  AddMainText(Tf("%1は何点のダメージを受けた？", {FighterInSentence(Opponent())}));
  Opponent().HP -= PendingDrive().PendingValue;
  EndShot();
}

void ShotBoth() {
  const std::int32_t v = PendingDrive().PendingValue;
  AddMainText(Tf("双方共に%1点のダメージを受けた。", {std::to_string(v)}));
  Opponent().HP -= v;
  DriveContext().DriveUser->HP -= v;
  EndShot();
}

void ShotDrain() {
  std::int32_t& v = PendingDrive().PendingValue;
  if (Opponent().HP < v) v = Opponent().HP;
  StrikeOpponent(v);
  HealUser(v);
  EndShot();
}

void ShotBlocked() {
  PlayWave(Sound::Weak);
  AddMainText(Tr("しかし結界が現象を棄却した。"));
  ShowTopPanel(Control::PanelMainEnemy);
  FinishDrive();
}

void ShotKnockedDown() {
  PlayWave(Sound::Kin);
  TFighter& target = Opponent();
  NextCard(target);
  ShowAttackLine(target);
  AddMainText("");
  AddMainText(Tf("%1は射撃を打ち落とした！", {FighterInSentence(target)}));
  ShowTopPanel(Control::PanelMainEnemy);
  FinishDrive();
}

}  // namespace zemra
