// The keyboard's focus over the sword row. Wherever the mouse can read the
// row, the arrow keys and Tab move a focus over the labels that hold a sword;
// the focused label shows its sword as the mouse hover does, and Enter or
// Space clicks it where the row takes clicks. Every effect goes through the calls the mouse makes.
#pragma once

#include <array>

#include "host/controls.h"

class QWidget;

namespace zemra {

class GamePump;
class SwordRowLabel;

enum class SwordMove { Up, Down, Left, Right, Next, Previous };

// Where a move leads from `current` (-1: no focus) among the labels that hold
// a sword; -1 when none does. Labels 0-3 form the left column, 4-7 the right.
int NextSwordFocus(int current, SwordMove move, const std::array<bool, kSwordLabelCount>& holds);

class SwordFocus {
 public:
  // `info_panel` is the sword information panel that a hover lays over the commands.
  SwordFocus(std::array<SwordRowLabel*, kSwordLabelCount> labels, QWidget* info_panel, GamePump& pump);

  // Handles a key pressed on the main page; true when it was used.
  bool HandleKey(int key, bool auto_repeat);
  // Drops a focus the row no longer allows (another screen, an empty label).
  void Sync();
  // The focused label, or -1.
  int Focused() const;

 private:
  bool RowTakesFocus() const;
  std::array<bool, kSwordLabelCount> Holds() const;
  void MoveTo(int label);
  void Drop();

  std::array<SwordRowLabel*, kSwordLabelCount> labels_;
  QWidget* info_panel_;
  GamePump& pump_;
  int focused_ = -1;
};

}  // namespace zemra
