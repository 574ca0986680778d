// zemra6-battlebench: complete battles per second resolved by the core behind
// the text front end's host, with a fixed simple strategy and fixed seeds.
// Every battle starts from the same kit at a depth that cycles 0..9; the
// player fights, takes the first spoil and leaves, and a lost battle is
// counted like a won one. Nothing is printed inside the timed loop.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "data/fighter.h"
#include "data/player_data.h"
#include "engine/program_locations.h"
#include "runtime/console.h"
#include "runtime/status_panels.h"
#include "runtime/screen_routes.h"
#include "game/game.h"
#include "text/text_host.h"

namespace {

using namespace zemra;

constexpr int kStepsPerBattleLimit = 10000;

bool Shows(std::string_view caption) {
  const ConsoleState& c = Console();
  for (int j = 0; j < c.command_count; ++j) {
    if (c.commands[static_cast<std::size_t>(j)].caption == caption) return true;
  }
  return false;
}

bool Press(std::string_view caption) {
  // The first command stands on the rightmost button, as on the screen.
  const ConsoleState& c = Console();
  for (int j = 0; j < c.command_count; ++j) {
    if (c.commands[static_cast<std::size_t>(j)].caption == caption) {
      BtnMainCommandClick(kConsoleCommands - 1 - j);
      return true;
    }
  }
  return false;
}

void GiveKit(int depth) {
  TPlayerData& run = PlayerData();
  run.Depth = depth;
  TFighter& f = run.Fighter;
  f = TFighter{};
  f.BaseName = "あなた";
  for (const char* name : {"ダブルクロス", "ダブルクロス", "クロス", "刀", "剣", "薬草剣"}) AddSword(f, CreateSword(name));
  RecalcFighter(f);
  FullHeal(f);
  DealCards(f);
  f.Card = kNoCard;
}

// Plays one battle from the field to its end; false if it never ended.
bool PlayBattle(TextHost& host) {
  ExecuteCommand(EnterField);
  Press("徘徊");
  for (int step = 0; step < kStepsPerBattleLimit; ++step) {
    host.TakeSounds();
    if (Press("戦う") || Press("ファイト")) continue;
    if (Console().text_count > 0 && Console().texts[0] == "どの剣を奪いますか？") {
      LabMainSwordClick(0);
      if (Press("≫")) return true;
      if (Press("キャンセル")) Press("去る");
      return true;
    }
    // Back in the field, or on the game-over page.
    if (Shows("徘徊") || Shows("終")) return true;
    if (!Press("≫")) return false;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  int battles = 20000;
  std::uint64_t seed = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--battles") == 0) battles = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
  }
  TextHost host;
  StartGame(host, seed, ResolveProgramLocations(RunningProgramDir(), false).locations);
  host.SetVisible(Control::PageMain, true);
  int stuck = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int b = 0; b < battles; ++b) {
    GiveKit(b % 10);
    if (!PlayBattle(host)) ++stuck;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  StopGame();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("battles: %d in %.3f s, %.0f battles/s (seed %llu, %d unfinished)\n", battles, seconds,
              battles / seconds, static_cast<unsigned long long>(seed), stuck);
  std::printf("peak memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return stuck == 0 ? 0 : 1;
}
