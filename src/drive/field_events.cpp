// The field events and the drives that act outside the cards: the full heal,
// stairs, teleport, the save console, the duel, the hints and the memories.
#include <string>

#include "battle/battle_flow.h"
#include "data/player_data.h"
#include "data/shown_names.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "drive/hint_table.h"
#include "engine/random.h"
#include "engine/translate.h"
#include "runtime/ending.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/report.h"
#include "runtime/save_load.h"
#include "story/chapter_playback.h"

namespace zemra {
namespace {

constexpr std::int32_t kLastStairsDepth = 8;  // the stairs go no deeper; the Queen waits here
constexpr int kOtherDepths = 9;
constexpr int kHintCount = static_cast<int>(HintTable.size());

ShownName PlayerName() { return FighterInSentence(PlayerData().Fighter); }

void CannotDescend() {
  PlayWave(Sound::Bub);
  AddMainText(Tr("これ以上は降りられない。"));
}

void GoDown(std::int32_t depth) {
  PlayWave(Sound::Thathatha);
  AddMainText(Tf("%1は階段を降りていった。", {PlayerName()}));
  PlayerData().Depth = depth;
}

}  // namespace

void Inn() {
  PlayWave(Sound::Up);
  TFighter& user = *DriveContext().DriveUser;
  FullHeal(user);
  AddMainText(Tf("%1の体力が全快した。", {FighterInSentence(user)}));
  FinishDrive();
}

void DescendStairs() {
  TPlayerData& run = PlayerData();
  if (!run.Cleared && run.Depth == kLastStairsDepth) {
    PlayWave(Sound::Thathatha);
    StartQueenBattle();
    return;
  }
  if (run.Depth >= kLastStairsDepth) {
    CannotDescend();
  } else {
    GoDown(run.Depth + 1);
  }
  FinishDrive();
}

void EnterAnother() {
  if (PlayerData().Depth >= kMaxDepth) {
    CannotDescend();
  } else {
    GoDown(kMaxDepth);
  }
  FinishDrive();
}

void Teleport() {
  PlayWave(Sound::Open);
  TPlayerData& run = PlayerData();
  int r = Random(kOtherDepths);
  if (r >= run.Depth) ++r;
  run.Depth = r;
  AddMainText(Tf("%1は%2階に転移した。", {PlayerName(), std::to_string(r)}));
  FinishDrive();
}

void SaveConsole() {
  // A player already dead (the last life point broke with the sword) is not
  // written over the last good save: every later start would open on the
  // game-over screen.
  if (!IsDead(PlayerData().Fighter) && SaveGame()) {
    PlayWave(Sound::Popon);
    AddMainText(Tr("セーブしました。"));
    if (!WriteReport()) AddMainText(Tr(kReportFailedText));
    FinishDrive();
    return;
  }
  PlayWave(Sound::Bub);
  AddMainText(Tr("セーブ出来ませんでした。"));
  AddCommand(Tr("リトライ"), SaveConsole);
  AddCommand(Tr("あきらめる"), SaveGiveUp);
}

void SaveGiveUp() {
  AddMainText(Tr("セーブをあきらめました。"));
  FinishDrive();
}

void Duel() { StartBossBattle(); }

void Hint() {
  PlayWave(Sound::Popon);
  PendingDrive().HintNumber = Random(kHintCount) + 1;
  AddMainText(Tr("あのね。"));
  AddCommand("≫", Hint2);
}

void Hint2() {
  PlayWave(Sound::Popon);
  const std::int32_t n = PendingDrive().HintNumber;
  if (n >= 1 && n <= kHintCount) {
    AddMainText(Tr(HintTable[static_cast<std::size_t>(n - 1)]));
  } else {
    ShowAppMessage("error in Hint2");
  }
  AddMainText(Tf("（ヒント No.%1 / %2）", {std::to_string(n), std::to_string(kHintCount)}));
  FinishDrive();
}

// The chapter's last page leads to the field; started in battle, it ends the battle.
void MemoryChapter() { StartChapter(PendingDrive().ChapterIndex); }

}  // namespace zemra
