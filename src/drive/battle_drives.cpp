// The battle drives that act on cards, swords, the barrier or the battle itself.
#include <string>
#include <utility>

#include "battle/battle_flags.h"
#include "battle/battle_flow.h"
#include "data/enemy.h"
#include "data/shown_names.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "engine/random.h"
#include "engine/translate.h"
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
  AddMainText(Tf("%1と%2のカードが入れ替わった。", {FighterInSentence(User()), FighterInSentence(Opponent())}));
  BackToBattle();
}

void TraceCards() {
  PlayWave(Sound::Turn);
  User().Cards = Opponent().Cards;
  AddMainText(Tf("%1のカードをコピーした。", {FighterInSentence(Opponent())}));
  BackToBattle();
}

// The battle ends with no winner, whoever started the smoke.
void SmokeEscape() { Escape(false); }

void GreenLight() {
  PlayWave(Sound::Weak);
  ShowEnemySwords(nullptr, 0);
  AddMainText(Tf("%1の構成が暴かれた。", {FighterInSentence(Enemy())}));
  FinishDrive();
}

void MariRise() {
  TFighter& opponent = Opponent();
  if (opponent.SwordCount < kMaxSwords) {
    PlayWave(Sound::Duty);
    AddMainText(Tf("%1にマリリンがはびこった。", {FighterInSentence(opponent)}));
    // Not recomputed: the new sword counts from the opponent's next recomputation.
    AddSword(opponent, CreateSword("マリリン"));
  } else {
    AddMainText(Tf("%1にマリリンがはびこる余地は無かった。", {FighterInSentence(opponent)}));
  }
  BackToBattle();
}

void Barrier() {
  PlayWave(Sound::Weak);
  RaiseBarrier();
  AddMainText(Tr("八角の結界がフィールドを覆った。"));
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
  AddMainText(Tf("%1の「%2」が消失した。",
                 {FighterInSentence(opponent), ShownSwordName(opponent.Swords[static_cast<std::size_t>(r)])}));
  RemoveSword(opponent, r);
  RecalcFighter(opponent);
  BackToBattle();
}

void NullDrive() {
  PlayWave(Sound::Weak);
  AddMainText(Tr("しかしヌル領域はヌル領域を打ち消し、自己消滅した。"));
  AddMainText(Tr("特に何も残らなかった。"));
  FinishDrive();
}

}  // namespace zemra
