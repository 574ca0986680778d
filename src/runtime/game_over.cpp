// The end of a run whose player has died.
#include "runtime/game_over.h"

#include "data/player_data.h"
#include "data/shown_names.h"
#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"

namespace zemra {

void GameOver() {
  PlayWave(Sound::Weak);
  AddMainText(Tf("%1は死んでしまった。", {FighterInSentence(PlayerData().Fighter)}));
  AddCommand(Tr("終"), TerminateGame);
}

}  // namespace zemra
