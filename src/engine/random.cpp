// The one generator: a 64-bit Mersenne twister behind an unbiased uniform
// distribution, with a queue of forced results in front of it.
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
  std::uniform_int_distribution<int> dist(0, n - 1);
  return dist(s.engine);
}

void QueueRolls(const std::vector<int>& values) {
  State().queued.insert(State().queued.end(), values.begin(), values.end());
}

void ClearQueuedRolls() { State().queued.clear(); }

std::size_t QueuedRollCount() { return State().queued.size(); }

}  // namespace zemra
