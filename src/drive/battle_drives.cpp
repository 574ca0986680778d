// The battle drives that act on cards, swords, the barrier or the battle itself.
#include <string>
#include <utility>

#include "battle/battle_flags.h"
#include "battle/battle_flow.h"
#include "data/enemy.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "engine/random.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

TFighter& User() { return *DriveContext().DriveUser; }
TFighter& Opponent() { return *DriveContext().DriveOpponent; }

void BackToBattle() {
  ShowTopPanel(Control::PanelMainEnemy);
  FinishDrive();
}

}  // namespace

void ChangeCards() {
  PlayWave(Sound::Turn);
  std::swap(User().Cards, Opponent().Cards);
  AddMainText(User().Name + "と" + Opponent().Name + "のカードが入れ替わった。");
  BackToBattle();
}

void TraceCards() {
  PlayWave(Sound::Turn);
  User().Cards = Opponent().Cards;
  AddMainText(Opponent().Name + "のカードをコピーした。");
  BackToBattle();
}

// The battle ends with no winner, whoever started the smoke.
void SmokeEscape() { Escape(false); }

void GreenLight() {
  PlayWave(Sound::Weak);
  ShowEnemySwords(nullptr, 0);
  AddMainText(Enemy().Name + "の構成が暴かれた。");
  FinishDrive();
}

void MariRise() {
  TFighter& opponent = Opponent();
  if (opponent.SwordCount < kMaxSwords) {
    PlayWave(Sound::Duty);
    AddMainText(opponent.Name + "にマリリンがはびこった。");
    // Not recomputed: the new sword counts from the opponent's next recomputation.
    AddSword(opponent, CreateSword("マリリン"));
  } else {
    AddMainText(opponent.Name + "にマリリンがはびこる余地は無かった。");
  }
  BackToBattle();
}

void Barrier() {
  PlayWave(Sound::Weak);
  RaiseBarrier();
  AddMainText("八角の結界がフィールドを覆った。");
  BackToBattle();
}

void BSS() {
  TFighter& opponent = Opponent();
  if (opponent.SwordCount <= 0) {
    ShowAppMessage("error in BSS");
    // Control still goes back to the battle.
    FinishDrive();
    return;
  }
  PlayWave(Sound::Dh);
  const int r = Random(opponent.SwordCount);
  AddMainText(opponent.Name + "の「" + opponent.Swords[static_cast<std::size_t>(r)].Name + "」が消失した。");
  RemoveSword(opponent, r);
  RecalcFighter(opponent);
  BackToBattle();
}

void NullDrive() {
  PlayWave(Sound::Weak);
  AddMainText("しかしヌル領域はヌル領域を打ち消し、自己消滅した。");
  AddMainText("特に何も残らなかった。");
  FinishDrive();
}

}  // namespace zemra
