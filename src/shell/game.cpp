// Start-up and shutdown of the core, and the window events it answers.
#include "shell/game.h"

#include <memory>
#include <string>

#include "battle/battle_flags.h"
#include "battle/sword_menus.h"
#include "data/enemy.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "drive/drive_dispatch.h"
#include "engine/random.h"
#include "shell/console.h"
#include "shell/field.h"
#include "shell/save_load.h"
#include "shell/status_panels.h"
#include "shell/title.h"
#include "story/story_playback.h"
#include "story/story_script.h"

namespace zemra {
namespace {

struct GameObjects {
  Host* host = nullptr;
  std::unique_ptr<TVorbWave> wave;
  std::unique_ptr<TVorbTimer> scheduler;
  std::unique_ptr<TVorbBitmap> title_bitmap;
};

GameObjects& Objects() {
  static GameObjects objects;
  return objects;
}

// The page and panel visibility the window starts with.
void ShowInitialLayout(Host& host) {
  host.SetVisible(Control::PageTitle, true);
  host.SetVisible(Control::PageInputName, false);
  host.SetVisible(Control::PageMain, false);
  host.SetVisible(Control::PanelMainSword, true);
  host.SetVisible(Control::PanelMainSelf, true);
  host.SetVisible(Control::PanelMainIF, true);
  host.SetVisible(Control::PanelMainSwordInfo, false);
  host.SetVisible(Control::PanelMainImage, false);
  host.SetVisible(Control::PanelMainEnemy, false);
  Console().shown_top = Control::PanelMainSword;
}

}  // namespace

void StartGame(Host& host, std::uint64_t seed) {
  GameObjects& o = Objects();
  o.host = &host;
  SetAppMessageSink([](std::string_view text) { TheHost().ShowMessage(text); });
  host.SetText(Control::LabInputName, NameLeadText());
  PaintNameBackground();
  ShowInitialLayout(host);

  SeedRandom(seed);
  auto beep = [&host] { host.Beep(); };
  o.wave = std::make_unique<TVorbWave>(host, beep);
  o.scheduler = std::make_unique<TVorbTimer>([&host] { return host.Clock(); }, beep);
  CreateStoryScript();
  o.title_bitmap = std::make_unique<TVorbBitmap>();
  o.title_bitmap->SetSize(kClientWidth, kClientHeight);
  o.title_bitmap->SetTextPainter(&host);

  if (LoadGame()) {
    ExecuteCommand(EnterField);
    RefreshSelfPanel();
    host.SetVisible(Control::PageMain, true);
    host.SetVisible(Control::PageTitle, false);
  } else {
    StartTitle();
  }
}

void StopGame() {
  GameObjects& o = Objects();
  o.title_bitmap.reset();
  o.wave.reset();
  o.scheduler.reset();
  SetAppMessageSink(nullptr);
  o.host = nullptr;
}

bool GameStarted() { return Objects().scheduler != nullptr; }

void ResetGameState() {
  ResetConsole();
  ResetSwordPanel();
  ResetPlayerData();
  ResetSwordLottery();
  ResetBattleFlags();
  ResetEnemy();
  ResetSwordMenus();
  ResetDrives();
  ClearQueuedRolls();
  Title() = TitleState{};
  Story() = StoryState{};
  ResetStoryScript();
}

Host& TheHost() { return *Objects().host; }
TVorbTimer& Scheduler() { return *Objects().scheduler; }
TVorbWave& Wave() { return *Objects().wave; }
TVorbBitmap& TitleBitmap() {
  TVorbBitmap& bitmap = *Objects().title_bitmap;
  // The newest title frame gets its pixels on the first look (title.h).
  if (Title().pixels_stale) {
    Title().pixels_stale = false;
    PaintTitleFrame(bitmap);
  }
  return bitmap;
}

void PlayWave(std::string_view file, bool loop) { Wave().Play("dat/" + std::string(file), loop); }

void PntTitleClick() { OpenNameEntry(); }

void BtnInputNameClick() { AcceptNameEntry(); }

void BtnMainCommandClick(int button) {
  if (button < 0 || button >= kConsoleCommands) return;
  const ConsoleState& c = Console();
  const int j = c.button_tags[static_cast<std::size_t>(button)];
  ExecuteCommand(c.commands[static_cast<std::size_t>(j)].continuation);
}

}  // namespace zemra
