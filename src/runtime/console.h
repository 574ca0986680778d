// The console through which every screen is built: five text lines, five
// commands, and the continuation-passing screen runner ExecuteCommand.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/app_message.h"
#include "host/controls.h"

namespace zemra {

// A screen: fills the console and returns. Nothing waits for input.
using Continuation = void (*)();

struct TCommand {
  std::string caption;
  Continuation continuation = nullptr;
};

inline constexpr int kConsoleLines = 5;
inline constexpr int kConsoleCommands = kCommandButtonCount;

struct ConsoleState {
  std::array<std::string, kConsoleLines> texts;
  int text_count = 0;
  std::array<TCommand, kConsoleCommands> commands;
  int command_count = 0;
  // Tag of each command button: the index of the command it stands for.
  std::array<int, kConsoleCommands> button_tags{};
  int selected_sword = 0;
  Control shown_top = Control::PanelMainSword;
  std::string pending_warning;
  std::string shown_image;  // last picture asked for, "" before any
  bool image_loaded = false;  // the host could read it
  std::string joined_text;    // the lines as last shown, joined by "\r\n"
  int running = 0;            // continuations running now, one inside another
};

ConsoleState& Console();
void ResetConsole();

void AddMainText(std::string_view text);
void InsertMainText(int index, std::string_view text);
void AddCommand(std::string_view caption, Continuation continuation);
// Rebinds a command already added (the story's "#SetReturn").
void SetCommandContinuation(int index, Continuation continuation);

// Empties the lists, runs the continuation, redraws both fighter panels and
// shows the result; the console replaces the sword information. On a host
// that draws when read, what shows and hides is set at once and the texts
// wait for DrawPendingScreen.
void ExecuteCommand(Continuation continuation);
void RefreshConsole();
// Draws the panels' and the console's texts a command left waiting; nothing
// while a continuation runs (its console is half built) or nothing waits.
void DrawPendingScreen();

// Index 0..7 of the sword label last clicked.
int SelectedSword();
void SetSelectedSword(int index);

// Hides the top-band panel shown now and shows the given one.
void ShowTopPanel(Control panel);
Control ShownTopPanel();
// Loads "dat/" + file into the picture panel without showing the panel.
void ShowImage(std::string_view file);

// Shows the box later, from the scheduler, once the current handler is over.
void ShowWarningMessage(std::string_view text);

// The continuation of "終": asks the application to end.
void TerminateGame();

}  // namespace zemra
