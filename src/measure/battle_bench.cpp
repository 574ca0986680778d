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

bool Press(const BenchHands& hands, std::string_view caption) {
  // The first command stands on the rightmost button, as on the screen.
  const ConsoleState& c = Console();
  for (int j = 0; j < c.command_count; ++j) {
    if (c.commands[static_cast<std::size_t>(j)].caption == caption) {
      hands.press(kConsoleCommands - 1 - j, caption);
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

BenchHands HandlerHands(std::function<void()> before_step) {
  return {[](int button, std::string_view) { BtnMainCommandClick(button); }, [](int label) { LabMainSwordClick(label); },
          std::move(before_step)};
}

int PlayBenchBattle(const BenchHands& hands) {
  ExecuteCommand(EnterField);
  Press(hands, "徘徊");
  for (int step = 0; step < kStepsPerBattleLimit; ++step) {
    hands.before_step();
    if (Press(hands, "戦う") || Press(hands, "ファイト")) continue;
    if (Console().text_count > 0 && Console().texts[0] == "どの剣を奪いますか？") {
      hands.click(0);
      if (Press(hands, "≫")) return step;
      if (Press(hands, "キャンセル")) Press(hands, "去る");
      return step;
    }
    // Back in the field, or on the game-over page.
    if (Shows("徘徊") || Shows("終")) return step;
    if (!Press(hands, "≫")) return -1;
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
  const BenchHands hands = HandlerHands([&host] { host.TakeSounds(); });
  for (int b = 0; b < battles; ++b) {
    GiveBenchKit(b % 10);
    const int steps = PlayBenchBattle(hands);
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
