// What a key does on the shown screen, for every front end: Enter or Space on
// the title, Enter in the name field, and on the main page the digits 1-5
// (the shown commands from the right), Enter (the rightmost), the sword row's
// focus (arrows, Tab), Escape; F1 lists the keys and M mutes everywhere but in
// the name field. The rule answers with inputs (the ones a mouse would make)
// and the desk's own actions; the front end applies and draws them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "desk/sword_focus_rule.h"
#include "game/input.h"
#include "host/controls.h"

namespace zemra {

enum class DeskKey { Enter, Space, Escape, Digit, Up, Down, Left, Right, Tab, BackTab, F1, M, Other };

struct KeyPress {
  DeskKey key = DeskKey::Other;
  int digit = 0;            // 1-9 for DeskKey::Digit
  bool repeat = false;      // held down
  bool modified = false;    // with Ctrl, Alt or Meta
  bool typing = false;      // the focus is in a text field (the name)
  bool on_game = true;      // the focus is on the game or on nothing, not on the page's other controls
  bool from_row = false;    // the focus is on a sword label (or on nothing)
};

enum class DeskPage { None, Title, Name, Main };

// The screen as a front end shows it, for the keys.
struct DeskScreen {
  DeskPage page = DeskPage::None;
  SwordHolds holds{};                                  // labels that show a sword
  bool info_shown = false;                             // the sword information covers the commands
  std::array<bool, kCommandButtonCount> commands_shown{};  // command buttons shown
  // Tab walks the row once and goes on to the front end's other controls
  // (the page has some; the window's row keeps it).
  bool tab_leaves_row = false;
};

enum class DeskAction { None, KeyHelp, ToggleMute, SubmitName, PressCommand };

struct DeskAnswer {
  bool used = false;               // the key was the game's: nothing else acts on it
  DeskAction action = DeskAction::None;
  int command = -1;                // for PressCommand: the button index
  std::vector<Input> inputs;       // applied in order, as a mouse would have made them
  int focus = -1;                  // the sword row's focus afterwards, -1 none
};

// The answer to a key with the row's focus on `focus` (-1 none).
DeskAnswer AnswerKey(const KeyPress& key, const DeskScreen& screen, int focus);
// The focus the row still allows after the screen changed: -1 when it shows
// another page, takes no focus, or the label holds no sword any more.
int KeptSwordFocus(const DeskScreen& screen, int focus);
// The command button a number key presses (1 the rightmost shown), or -1.
int CommandForNumber(const DeskScreen& screen, int number);

}  // namespace zemra
