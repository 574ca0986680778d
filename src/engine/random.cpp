// The one generator: a 64-bit Mersenne twister behind an unbiased reduction
// to [0, n), with a queue of forced results in front of it. The reduction is
// our own, so every standard library draws the same numbers from one seed.
#include "engine/random.h"

#include "engine/module_state.h"

#include <deque>
#include <random>

namespace zemra {
namespace {

struct RandomState {
  std::mt19937_64 engine{0};
  std::deque<int> queued;
};

RandomState& State() {
  return ModuleState<RandomState>();
}

}  // namespace

std::uint64_t ReduceToRange(std::mt19937_64& engine, std::uint64_t n) {
  // Multiply-and-shift (Lemire): the high half of draw * n is the result;
  // draws whose low half falls below 2^64 mod n are drawn again, so every
  // result is equally likely.
  const auto product = [&engine, n](std::uint64_t& low) {
    const std::uint64_t draw = engine();
    const std::uint64_t a_lo = draw & 0xFFFFFFFFu;
    const std::uint64_t a_hi = draw >> 32;
    const std::uint64_t b_lo = n & 0xFFFFFFFFu;
    const std::uint64_t b_hi = n >> 32;
    const std::uint64_t lo_lo = a_lo * b_lo;
    const std::uint64_t hi_lo = a_hi * b_lo;
    const std::uint64_t lo_hi = a_lo * b_hi;
    const std::uint64_t cross = (lo_lo >> 32) + (hi_lo & 0xFFFFFFFFu) + lo_hi;
    low = (cross << 32) | (lo_lo & 0xFFFFFFFFu);
    return a_hi * b_hi + (hi_lo >> 32) + (cross >> 32);
  };
  std::uint64_t low = 0;
  std::uint64_t high = product(low);
  if (low < n) {
    const std::uint64_t threshold = (0 - n) % n;
    while (low < threshold) high = product(low);
  }
  return high;
}

void SeedRandom(std::uint64_t seed) { State().engine.seed(seed); }

int Random(int n) {
  RandomState& s = State();
  if (!s.queued.empty()) [[unlikely]] {
    const int v = s.queued.front();
    s.queued.pop_front();
    if (n <= 0) return 0;
    const int r = v % n;
    return r < 0 ? r + n : r;
  }
  if (n <= 0) return 0;
  return static_cast<int>(ReduceToRange(s.engine, static_cast<std::uint64_t>(n)));
}

void QueueRolls(const std::vector<int>& values) {
  State().queued.insert(State().queued.end(), values.begin(), values.end());
}

void ClearQueuedRolls() { State().queued.clear(); }

std::size_t QueuedRollCount() { return State().queued.size(); }

}  // namespace zemra
