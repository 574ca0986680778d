// Start-up and shutdown of the core, the wiring of its layers, and the one
// entry point through which every input reaches the game.
#include "game/game.h"

#include <memory>
#include <string>
#include <utility>

#include "data/player_data.h"
#include "drive/drive_dispatch.h"
#include "engine/app_message.h"
#include "engine/module_state.h"
#include "engine/random.h"
#include "game/field.h"
#include "game/title.h"
#include "runtime/console.h"
#include "runtime/save_load.h"
#include "runtime/screen_routes.h"
#include "runtime/status_panels.h"
#include "story/chapter_playback.h"
#include "story/story_script.h"

namespace zemra {
namespace {

static_assert(kChapterInputCount == kChapterCount);

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

// The layers below reach the field and the drive dispatch through these.
void WireLayers() {
  SetScreenRoutes({ShowField,
                   [](TFighter& player, int slot) {
                     if (!StartFieldDrive(player, slot)) return false;
                     AnnounceSwordStart(player, slot);
                     return true;
                   },
                   [](TFighter& user, TFighter& opponent, int slot) {
                     if (!StartBattleDrive(user, opponent, slot)) return false;
                     AnnounceSwordStart(user, slot);
                     return true;
                   }});
}

void StepClock(std::uint32_t ms) {
  Objects().clock += ms;
  if (!Screen().Terminated()) Scheduler().RunPass();
}

bool MainPageShown() { return Screen().Visible(Control::PageMain); }

std::string PressCommand(int button, const std::string& caption) {
  const std::string refusal = "no command " + (caption.empty() ? std::to_string(button) : caption);
  if (!ConsoleTakesPresses()) return "no console is shown";
  if (button < 0 || button >= kConsoleCommands || !Screen().Visible(CommandButton(button))) return refusal;
  const ConsoleState& c = Console();
  const int j = c.button_tags[static_cast<std::size_t>(button)];
  if (j < 0 || j >= c.command_count) return refusal;
  if (!caption.empty() && c.commands[static_cast<std::size_t>(j)].caption != caption) return refusal;
  BtnMainCommandClick(button);
  return "";
}

}  // namespace

bool ConsoleTakesPresses() {
  return GameStarted() && MainPageShown() && Screen().Visible(Control::PanelMainIF);
}

bool SwordRowShown() { return GameStarted() && MainPageShown() && Screen().Visible(Control::PanelMainSword); }

bool SwordRowTakesClicks() { return SwordRowShown() && SwordPanel().bound != nullptr; }

bool SwordRowTakesFocus() { return SwordRowShown() && !SwordPanel().frozen; }

void StartGame(Host& host, std::uint64_t seed, GameLocations locations, bool new_run) {
  if (GameStarted()) StopGame();
  ResetModuleStates();
  WireLayers();
  GameObjects& o = Objects();
  o.screen = std::make_unique<ScreenRecord>(host);
  o.locations = std::move(locations);
  o.clock = 0;
  o.answers.clear();
  Host& screen = TheHost();
  SetAppMessageSink([](std::string_view text) { TheHost().ShowMessage(text); });
  screen.SetText(Control::LabInputName, NameLeadText());
  PaintNameBackground();
  ShowInitialLayout(screen);

  SeedRandom(seed);
  auto beep = [&screen] { screen.Beep(); };
  o.wave = std::make_unique<TVorbWave>(screen, beep);
  o.scheduler = std::make_unique<TVorbTimer>([] { return GameClock(); }, beep);
  CreateStoryScript();
  Title().bitmap = std::make_unique<TVorbBitmap>();
  TitleBitmap().SetSize(kClientWidth, kClientHeight);
  TitleBitmap().SetTextPainter(&screen);

  if (!new_run && LoadGame()) {
    ExecuteCommand(EnterField);
    RefreshSelfPanel();
    screen.SetVisible(Control::PageMain, true);
    screen.SetVisible(Control::PageTitle, false);
  } else {
    StartTitle();
    if (new_run) BackUpSave();
  }
}

void StopGame() {
  GameObjects& o = Objects();
  Title().bitmap.reset();
  o.wave.reset();
  o.scheduler.reset();
  SetAppMessageSink(nullptr);
  o.answers.clear();
  o.screen.reset();
}

void ResetGameState() { ResetModuleStates(); }

std::string ApplyInput(const Input& input) {
  if (!GameStarted()) return "the game is not running";
  switch (input.kind) {
    case InputKind::TitleClick:
      if (!Screen().Visible(Control::PageTitle)) return "the title page is not shown";
      PntTitleClick();
      break;
    case InputKind::NameGiven:
      if (!Screen().Visible(Control::PageInputName)) return "the name page is not shown";
      BtnInputNameClick(input.text);
      break;
    case InputKind::Answer:
      QueueAnswer(input.yes);
      break;
    case InputKind::Command:
      return PressCommand(input.index, input.text);
    case InputKind::SwordClick:
    case InputKind::SwordHover:
      if (input.index < 0 || input.index >= kSwordLabelCount) return "no sword label " + std::to_string(input.index);
      if (!SwordRowShown()) return "the sword row is not shown";
      if (input.kind == InputKind::SwordClick) {
        LabMainSwordClick(input.index);
      } else {
        LabMainSwordMouseMove(input.index);
      }
      break;
    case InputKind::Leave:
      if (!MainPageShown()) return "the main page is not shown";
      OverlayMouseMove();
      break;
    case InputKind::ClockStep:
      StepClock(input.ms);
      break;
    case InputKind::Rolls:
      QueueRolls(input.values);
      break;
    case InputKind::Chapter:
      if (input.index < 0 || input.index >= kChapterCount) return "no chapter " + std::to_string(input.index);
      if (!ConsoleTakesPresses()) return "no console is shown";
      ExecuteCommand(ChapterContinuation(input.index));
      break;
  }
  return "";
}

bool InputChangesNothing(const Input& input) {
  if (!GameStarted()) return false;
  switch (input.kind) {
    case InputKind::SwordHover:
      return input.index >= 0 && input.index < kSwordLabelCount && SwordRowShown() &&
             SwordHoverChangesNothing(input.index);
    case InputKind::Leave:
      return MainPageShown() && OverlayMoveChangesNothing();
    default:
      return false;
  }
}

void PntTitleClick() { OpenNameEntry(); }

void BtnInputNameClick(const std::string& typed) { AcceptNameEntry(typed); }

void BtnMainCommandClick(int button) {
  if (button < 0 || button >= kConsoleCommands) return;
  const ConsoleState& c = Console();
  // Only the rightmost command_count buttons stand for commands; the others
  // keep the tags of an older screen.
  if (button < kConsoleCommands - c.command_count) return;
  const int j = c.button_tags[static_cast<std::size_t>(button)];
  ExecuteCommand(c.commands[static_cast<std::size_t>(j)].continuation);
}

}  // namespace zemra
