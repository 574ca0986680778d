// The field, hub of a run, and the game-over screen.
#pragma once

namespace zemra {

void EnterField();
void GameOver();

}  // namespace zemra
