// The benchmark presses the commands by caption, as a player reads them.
#include "measure/battle_bench.h"

#include <string_view>
#include <utility>

#include "data/enemy.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "game/game.h"
#include "runtime/console.h"
#include "runtime/screen_routes.h"
#include "runtime/status_panels.h"
#include "text/text_host.h"

namespace zemra {
namespace {

constexpr int kStepsPerBattleLimit = 10000;
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

void Mix(std::uint64_t& hash, std::int64_t value) {
  for (int byte = 0; byte < 8; ++byte) {
    hash ^= static_cast<std::uint64_t>(value >> (8 * byte)) & 0xFF;
    hash *= kFnvPrime;
  }
}

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

}  // namespace

void GiveBenchKit(int depth) {
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

int PlayBenchBattle(const std::function<void()>& before_step) {
  ExecuteCommand(EnterField);
  Press("徘徊");
  for (int step = 0; step < kStepsPerBattleLimit; ++step) {
    before_step();
    if (Press("戦う") || Press("ファイト")) continue;
    if (Console().text_count > 0 && Console().texts[0] == "どの剣を奪いますか？") {
      LabMainSwordClick(0);
      if (Press("≫")) return step;
      if (Press("キャンセル")) Press("去る");
      return step;
    }
    // Back in the field, or on the game-over page.
    if (Shows("徘徊") || Shows("終")) return step;
    if (!Press("≫")) return -1;
  }
  return -1;
}

BattleTally PlayBenchBattles(std::uint64_t seed, int battles, GameLocations locations) {
  TextHost host;
  ResetGameState();
  StartGame(host, seed, std::move(locations));
  // A fresh run whatever save file the working folder holds.
  ResetPlayerData();
  host.SetVisible(Control::PageMain, true);
  BattleTally tally;
  tally.checksum = kFnvOffset;
  for (int b = 0; b < battles; ++b) {
    GiveBenchKit(b % 10);
    const int steps = PlayBenchBattle([&host] { host.TakeSounds(); });
    if (steps < 0) ++tally.unfinished;
    const TFighter& player = PlayerData().Fighter;
    const TFighter& enemy = Enemy();
    const int winner = IsDead(enemy) ? 1 : IsDead(player) ? 2 : 0;
    Mix(tally.checksum, winner);
    Mix(tally.checksum, steps);
    Mix(tally.checksum, player.HP);
    Mix(tally.checksum, enemy.HP);
    ++tally.battles;
  }
  StopGame();
  ResetGameState();
  return tally;
}

}  // namespace zemra
