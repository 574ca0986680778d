// The range reduction draws exactly what the desktop build drew before it was
// our own (libstdc++'s uniform distribution), so seeds and recordings carry over.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "engine/random.h"

namespace zemra {
namespace {

TEST(RandomReduction, DrawsWhatTheStandardDistributionOfTheDesktopBuildDrew) {
  const std::uint64_t ranges[] = {1,          2,          3,          5,          6,          7,
                                  10,         78,         100,        101,        1000,       65537,
                                  0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x100000001, 0x8000000000000001, 0xFFFFFFFFFFFFFFFF};
  for (const std::uint64_t n : ranges) {
    for (const std::uint64_t seed : {0ull, 1ull, 20261210ull}) {
      std::mt19937_64 ours(seed);
      std::mt19937_64 theirs(seed);
      std::uniform_int_distribution<std::uint64_t> standard(0, n - 1);
      for (int draw = 0; draw < 5000; ++draw) {
        ASSERT_EQ(ReduceToRange(ours, n), standard(theirs)) << "n " << n << ", seed " << seed << ", draw " << draw;
      }
    }
  }
}

TEST(RandomReduction, TheGameDrawsThroughIt) {
  ClearQueuedRolls();
  SeedRandom(7);
  std::mt19937_64 engine(7);
  for (int n : {1, 6, 100, 0x7FFFFFFF}) {
    std::uniform_int_distribution<int> standard(0, n - 1);
    EXPECT_EQ(Random(n), standard(engine)) << n;
  }
}

}  // namespace
}  // namespace zemra
