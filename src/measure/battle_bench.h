// The battle benchmark's play, shared by zemra6-battlebench and the test that
// pins its outcomes: complete battles with a fixed kit and a fixed simple
// strategy through the core behind the text front end's host.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/locations.h"

namespace zemra {

// The seeds the benchmark plays, and the battles it plays on each by default.
inline constexpr std::array<std::uint64_t, 4> kBattleBenchSeeds{1, 2, 3, 4};
inline constexpr int kBattleBenchBattles = 5000;

struct BattleTally {
  int battles = 0;
  int unfinished = 0;  // battles that never came back to the field
  // FNV-1a over every battle's outcome in order: the winner (0 none, 1 the
  // player, 2 the enemy), the steps taken and the final life of both sides.
  std::uint64_t checksum = 0;
};

// Gives the player the benchmark's kit at the depth.
void GiveBenchKit(int depth);

// How the benchmark's player reaches the game: a command button pressed (with
// the caption it shows), a sword label clicked, and a look before each step.
struct BenchHands {
  std::function<void(int button, std::string_view caption)> press;
  std::function<void(int label)> click;
  std::function<void()> before_step;
};
// The hands of the headless benchmark: straight to the window events' handlers.
BenchHands HandlerHands(std::function<void()> before_step);

// Plays one battle from the field to its end by the benchmark's strategy; the
// steps it took, or -1 if it never ended. The field and the kit are put in
// place directly; every press and click of the battle goes through the hands.
int PlayBenchBattle(const BenchHands& hands);

// Starts the game on a fresh run with the seed and plays the battles: each
// starts from the same six-sword kit at a depth cycling 0..9; the player
// fights, takes the first spoil and leaves; a lost battle counts like a won one.
BattleTally PlayBenchBattles(std::uint64_t seed, int battles, GameLocations locations = {});

}  // namespace zemra
