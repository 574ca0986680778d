// The console: message buffer, command list and the screen runner. Screens
// are continuations, so ExecuteCommand is the only place a screen is drawn.
#include "runtime/console.h"

#include "engine/module_state.h"

#include <utility>

#include "runtime/game_objects.h"
#include "runtime/screen_record.h"
#include "runtime/status_panels.h"

namespace zemra {

ConsoleState& Console() {
  return ModuleState<ConsoleState>();
}

void ResetConsole() { Console() = ConsoleState{}; }

void AddMainText(std::string_view text) {
  ConsoleState& c = Console();
  if (c.text_count >= kConsoleLines) {
    ShowAppMessage("error in AddMainText");
    return;
  }
  c.texts[static_cast<std::size_t>(c.text_count++)] = text;
}

void InsertMainText(int index, std::string_view text) {
  ConsoleState& c = Console();
  if (c.text_count >= kConsoleLines || index < 0 || index > c.text_count) {
    ShowAppMessage("error in InsertMainText");
    return;
  }
  for (int i = c.text_count; i > index; --i) {
    c.texts[static_cast<std::size_t>(i)] = c.texts[static_cast<std::size_t>(i - 1)];
  }
  c.texts[static_cast<std::size_t>(index)] = text;
  ++c.text_count;
}

void AddCommand(std::string_view caption, Continuation continuation) {
  ConsoleState& c = Console();
  if (c.command_count >= kConsoleCommands) {
    ShowAppMessage("error in AddCommand");
    return;
  }
  // Into the caption already there: its room is kept from screen to screen.
  TCommand& command = c.commands[static_cast<std::size_t>(c.command_count++)];
  command.caption.assign(caption);
  command.continuation = continuation;
}

void SetCommandContinuation(int index, Continuation continuation) {
  if (index >= 0 && index < kConsoleCommands) Console().commands[static_cast<std::size_t>(index)].continuation = continuation;
}

namespace {

class Running {
 public:
  explicit Running(ConsoleState& console) : console_(console) { ++console_.running; }
  ~Running() { --console_.running; }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

 private:
  ConsoleState& console_;
};

void DrawConsoleTexts() {
  ConsoleState& c = Console();
  Host& host = TheHost();
  // Joined in a buffer that lives on, so drawing a screen allocates nothing.
  std::string& text = c.joined_text;
  text.clear();
  for (int i = 0; i < c.text_count; ++i) {
    text += c.texts[static_cast<std::size_t>(i)];
    text += "\r\n";
  }
  host.SetText(Control::LabMainText, text);
  // The first command stands on the rightmost button; unused buttons are the leftmost.
  for (int j = 0; j < c.command_count; ++j) {
    host.SetText(CommandButton(kConsoleCommands - 1 - j), c.commands[static_cast<std::size_t>(j)].caption);
  }
}

void ShowConsoleButtons() {
  ConsoleState& c = Console();
  Host& host = TheHost();
  for (int j = 0; j < c.command_count; ++j) {
    const int button = kConsoleCommands - 1 - j;
    host.SetVisible(CommandButton(button), true);
    c.button_tags[static_cast<std::size_t>(button)] = j;
  }
  for (int button = 0; button < kConsoleCommands - c.command_count; ++button) {
    host.SetVisible(CommandButton(button), false);
  }
}

}  // namespace

void ExecuteCommand(Continuation continuation) {
  ConsoleState& c = Console();
  c.text_count = 0;
  c.command_count = 0;
  if (continuation != nullptr) {
    const Running running(c);
    continuation();
  }
  ScreenRecord& screen = Screen();
  if (screen.DrawsWhenRead()) {
    // A command inside an input is seldom the last: only the last one's texts are ever read.
    ShowPanelCards();
    ShowConsoleButtons();
    screen.SetTextsPending(true);
  } else {
    RefreshEnemyPanel();
    RefreshSelfPanel();
    RefreshConsole();
  }
  screen.SetVisible(Control::PanelMainIF, true);
  screen.SetVisible(Control::PanelMainSwordInfo, false);
}

void RefreshConsole() {
  DrawConsoleTexts();
  ShowConsoleButtons();
}

void DrawPendingScreen() {
  if (!GameStarted() || Console().running > 0) return;
  ScreenRecord& screen = Screen();
  if (!screen.TextsPending()) return;
  screen.SetTextsPending(false);
  DrawPanelTexts();
  DrawConsoleTexts();
}

int SelectedSword() { return Console().selected_sword; }
void SetSelectedSword(int index) { Console().selected_sword = index; }

void ShowTopPanel(Control panel) {
  ConsoleState& c = Console();
  TheHost().SetVisible(c.shown_top, false);
  c.shown_top = panel;
  TheHost().SetVisible(panel, true);
}

Control ShownTopPanel() { return Console().shown_top; }

void ShowImage(std::string_view file) {
  ConsoleState& c = Console();
  // Every entry to the field asks for its picture again: one already shown is not read again.
  if (c.image_loaded && c.shown_image == file) return;
  c.shown_image = file;
  c.image_loaded = TheHost().LoadPicture("dat/" + std::string(file));
}


namespace {

void ShowPendingWarning() {
  ShowAppMessage(std::exchange(Console().pending_warning, {}));
  Scheduler().DeleteThread("ShowWarningMessage");
}

}  // namespace

void ShowWarningMessage(std::string_view text) {
  // Two warnings at start-up (story file and save file) share one box, so neither is lost.
  std::string& pending = Console().pending_warning;
  if (!pending.empty()) {
    pending += "\n";
    pending += text;
    return;
  }
  pending = text;
  Scheduler().AddThread(ShowPendingWarning, 1, "ShowWarningMessage");
}

void TerminateGame() { TheHost().Terminate(); }

}  // namespace zemra
