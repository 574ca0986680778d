// The sword row's key focus as the window draws it: a dotted frame and the
// real focus (which tells a screen reader where the player is) on the label
// the desk's key rule names. Where it moves is decided below the window.
#pragma once

#include <array>

#include "host/controls.h"

namespace zemra {

class SwordRowLabel;

class SwordFocus {
 public:
  explicit SwordFocus(std::array<SwordRowLabel*, kSwordLabelCount> labels);

  // Moves the focus to `label`, or takes it away with -1.
  void Show(int label);
  // The focused label, or -1.
  int Focused() const { return focused_; }

 private:
  std::array<SwordRowLabel*, kSwordLabelCount> labels_;
  int focused_ = -1;
};

}  // namespace zemra
