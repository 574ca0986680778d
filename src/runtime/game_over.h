// The game-over screen: the end of a run whose player has died.
#pragma once

namespace zemra {

void GameOver();

}  // namespace zemra
