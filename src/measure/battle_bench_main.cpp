// zemra6-battlebench: complete battles per second resolved by the core behind
// the text front end's host, with a fixed simple strategy and fixed seeds
// (text/battle_bench.h). It prints the outcome checksum of each seed, which
// the test BattleBench pins, so a faster core never plays a different game.
// Nothing is printed inside the timed loop. The rate is given per second of
// the program's own CPU time, which a busy machine does not dilute, and per
// second of wall time.
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/program_locations.h"
#include "measure/battle_bench.h"

namespace {

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  int battles = zemra::kBattleBenchBattles;
  std::vector<std::uint64_t> seeds(zemra::kBattleBenchSeeds.begin(), zemra::kBattleBenchSeeds.end());
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--battles") == 0) battles = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seeds = {std::strtoull(argv[i + 1], nullptr, 10)};
  }
  const zemra::GameLocations locations = zemra::ResolveProgramLocations(zemra::RunningProgramDir(), false).locations;

  int total = 0;
  int unfinished = 0;
  double seconds = 0;
  double cpu_seconds = 0;
  for (const std::uint64_t seed : seeds) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu_start = CpuSeconds();
    const zemra::BattleTally tally = zemra::PlayBenchBattles(seed, battles, locations);
    cpu_seconds += CpuSeconds() - cpu_start;
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    total += tally.battles;
    unfinished += tally.unfinished;
    std::printf("seed %llu: %d battles, checksum %016llx\n", static_cast<unsigned long long>(seed), tally.battles,
                static_cast<unsigned long long>(tally.checksum));
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("battles: %d in %.3f s of CPU time, %.0f battles/s on one core (%d unfinished)\n", total, cpu_seconds,
              total / cpu_seconds, unfinished);
  std::printf("wall time: %.3f s, %.0f battles/s\n", seconds, total / seconds);
  std::printf("peak memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return unfinished == 0 ? 0 : 1;
}
