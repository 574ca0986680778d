// The game core's entry points from a front end: StartGame and StopGame, and
// ApplyInput, the one way every input reaches the game.
#pragma once

#include <cstdint>
#include <string>

#include "engine/locations.h"
#include "game/input.h"
#include "host/host.h"
#include "runtime/game_objects.h"

namespace zemra {

// Starts the game on the host: puts every module state back as at program
// start, seeds the random source, creates the wave player, the scheduler, the
// story script and the title bitmap, then continues a saved run in the field
// or starts the title page. A new run starts the title page in any case, and
// moves an existing save aside as save.dat.bak once the title page is up. A
// game still running is stopped first.
void StartGame(Host& host, std::uint64_t seed, GameLocations locations = {}, bool new_run = false);
// Frees what StartGame made (title bitmap, wave player, scheduler, the screen
// record), in that order, and unhooks the message box and the queued answers.
// The module states keep their values until the next StartGame puts them back.
void StopGame();
// Puts every subsystem's module state back as at program start (tests).
void ResetGameState();

// Applies one input. Returns "" when it was taken, else why the game could
// not take it now (the page, panel or button it needs is not shown); a
// refused input changes nothing.
std::string ApplyInput(const Input& input);
// What the screen takes now, as ApplyInput judges it: presses of the console's
// commands, mouse moves and clicks on the sword labels, and clicks that choose
// a sword (the row shown and bound to a screen).
bool ConsoleTakesPresses();
bool SwordRowShown();
bool SwordRowTakesClicks();
// Where the keys' focus may walk the row: wherever the mouse resting on a
// sword shows what it is (the row shown and not frozen), clickable or not.
bool SwordRowTakesFocus();

// True for an input the game would take that changes nothing at all: the
// mouse onto the sword already shown, or moving where nothing is shown. Such
// an input need not be applied, recorded or waited for in a replay.
bool InputChangesNothing(const Input& input);

// Window events as the window names them; ApplyInput calls them once an
// input is known to be possible. BtnMainCommandClick ignores a button that
// stands for no command.
void PntTitleClick();
void BtnInputNameClick(const std::string& typed);
void BtnMainCommandClick(int button);

}  // namespace zemra
