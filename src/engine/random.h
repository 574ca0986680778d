// The one process-wide random source. Every random decision in the game is a
// uniform draw in [0, n); tests and the text front end queue exact results.
#pragma once

#include <cstdint>
#include <vector>

namespace zemra {

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
