// The one process-wide random source. Every random decision in the game is a
// uniform draw in [0, n); tests and the text front end queue exact results.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace zemra {

// A uniform draw in [0, n) for n >= 1, from the engine's own draws; the same
// numbers on every standard library (the one the desktop build was tuned with
// draws these too).
std::uint64_t ReduceToRange(std::mt19937_64& engine, std::uint64_t n);

// Seeds the generator; called once at start-up with the clock.
void SeedRandom(std::uint64_t seed);

// A uniform integer in [0, n). n <= 0 gives 0 (the draw still takes a queued value).
int Random(int n);

// Queues exact results for the next draws, consumed in order before the
// generator is asked again. A queued value outside [0, n) is reduced into it.
void QueueRolls(const std::vector<int>& values);

// Drops queued values (tests).
void ClearQueuedRolls();

// Number of values still queued.
std::size_t QueuedRollCount();

}  // namespace zemra
