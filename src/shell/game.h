// The game core's long-lived objects and its entry points from a front end.
// A front end builds its window, then calls StartGame; every user event is
// passed in through the handlers below, and RunScheduler when a job is due.
#pragma once

#include <cstdint>

#include "engine/bitmap.h"
#include "engine/scheduler.h"
#include "engine/wave.h"
#include "host/host.h"

namespace zemra {

inline constexpr char kAppTitle[] = "ZEMRA6";
inline constexpr char kWindowCaption[] = "ヴァルミナ・クェル";
inline constexpr int kClientWidth = 500;
inline constexpr int kClientHeight = 400;

// Starts the game on the host: seeds the random source, creates the wave
// player, the scheduler and the title bitmap, then continues a saved run in
// the field or starts the title page.
void StartGame(Host& host, std::uint64_t seed);
// Frees what StartGame made (title bitmap, wave player, scheduler), in that order.
void StopGame();
bool GameStarted();
// Puts every subsystem's module state back as at program start (tests).
void ResetGameState();

Host& TheHost();
TVorbTimer& Scheduler();
TVorbWave& Wave();
// The title bitmap with the newest title frame in it.
TVorbBitmap& TitleBitmap();

// Plays a file of the dat folder, "water.wav" -> "dat/water.wav".
void PlayWave(std::string_view file, bool loop = false);

// Window events.
void PntTitleClick();
void BtnInputNameClick();
void BtnMainCommandClick(int button);
void LabMainSwordClick(int label);
void LabMainSwordMouseMove(int label);
void OverlayMouseMove();

}  // namespace zemra
