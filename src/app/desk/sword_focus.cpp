#include "app/desk/sword_focus.h"

#include "app/window/sword_row_label.h"

namespace zemra {

SwordFocus::SwordFocus(std::array<SwordRowLabel*, kSwordLabelCount> labels) : labels_(labels) {}

void SwordFocus::Show(int label) {
  if (label == focused_) return;
  if (focused_ >= 0) {
    SwordRowLabel* old = labels_[static_cast<std::size_t>(focused_)];
    old->SetKeyFocus(false);
    old->clearFocus();
  }
  focused_ = label;
  if (label < 0) return;
  SwordRowLabel* shown = labels_[static_cast<std::size_t>(label)];
  shown->SetKeyFocus(true);
  shown->setFocus(Qt::OtherFocusReason);
}

}  // namespace zemra
