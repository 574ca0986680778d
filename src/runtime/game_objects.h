// The long-lived objects every screen reaches: the host, the scheduler, the
// wave player and the file locations. The game module makes them at start and
// drops them at stop; between the two every screen may use them.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>

#include "engine/locations.h"
#include "engine/scheduler.h"
#include "engine/translate.h"
#include "engine/wave.h"
#include "host/host.h"
#include "runtime/screen_look.h"
#include "runtime/screen_record.h"
#include "runtime/sounds.h"

namespace zemra {

inline constexpr char kAppTitle[] = "ZEMRA6";
inline constexpr char kWindowCaption[] = N_("ヴァルミナ・クェル");

struct GameObjects {
  std::unique_ptr<ScreenRecord> screen;
  GameLocations locations;
  // The game's own clock: it moves only by clock steps, so a run is decided
  // by its inputs alone.
  std::uint32_t clock = 0;
  std::unique_ptr<TVorbWave> wave;
  std::unique_ptr<TVorbTimer> scheduler;
  // Answers given ahead of the Yes/No boxes that will ask for them.
  std::deque<bool> answers;
};

GameObjects& Objects();
bool GameStarted();

Host& TheHost();
ScreenRecord& Screen();
TVorbTimer& Scheduler();
TVorbWave& Wave();
const GameLocations& Locations();
std::uint32_t GameClock();

// Asks a Yes/No question and takes its answer: the one given while the box
// was shown, or the oldest given ahead; Yes when none was given.
bool AskYesNo(std::string_view text);
void QueueAnswer(bool yes);

// Plays one of the game's sounds; a new sound cuts off the one playing.
void PlayWave(Sound sound, bool loop = false);

}  // namespace zemra
