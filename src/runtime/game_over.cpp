// The end of a run whose player has died.
#include "runtime/game_over.h"

#include "data/player_data.h"
#include "runtime/console.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"

namespace zemra {

void GameOver() {
  PlayWave(Sound::Weak);
  AddMainText(PlayerData().Fighter.Name + "は死んでしまった。");
  AddCommand("終", TerminateGame);
}

}  // namespace zemra
