// The focus is the window's own: the core only ever sees the hover and the
// click a mouse would have made on the focused label. Swords fill the row
// from label 0, so "holds a sword" is simply "shows a text".
#include "app/desk/sword_focus.h"

#include <QKeyEvent>
#include <optional>

#include "app/window/game_pump.h"
#include "app/window/sword_row_label.h"
#include "game/game.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

constexpr int kColumnSize = 4;

bool Held(const std::array<bool, kSwordLabelCount>& holds, int label) {
  return label >= 0 && label < kSwordLabelCount && holds[static_cast<std::size_t>(label)];
}

// The first held label met stepping from `from` by `step` through `count`
// places that wrap within [base, base + count); `from` itself comes last.
int FirstHeld(const std::array<bool, kSwordLabelCount>& holds, int base, int count, int from, int step) {
  for (int k = 1; k <= count; ++k) {
    const int label = base + ((from - base + step * k) % count + count) % count;
    if (Held(holds, label)) return label;
  }
  return -1;
}

}  // namespace

int NextSwordFocus(int current, SwordMove move, const std::array<bool, kSwordLabelCount>& holds) {
  if (!Held(holds, current)) return FirstHeld(holds, 0, kSwordLabelCount, kSwordLabelCount - 1, 1);
  const int column = current / kColumnSize;
  switch (move) {
    case SwordMove::Up:
      return FirstHeld(holds, column * kColumnSize, kColumnSize, current, -1);
    case SwordMove::Down:
      return FirstHeld(holds, column * kColumnSize, kColumnSize, current, 1);
    case SwordMove::Next:
      return FirstHeld(holds, 0, kSwordLabelCount, current, 1);
    case SwordMove::Previous:
      return FirstHeld(holds, 0, kSwordLabelCount, current, -1);
    case SwordMove::Left:
    case SwordMove::Right: {
      const int target_column = move == SwordMove::Left ? 0 : 1;
      if (target_column == column) return current;
      const int same_row = target_column * kColumnSize + current % kColumnSize;
      if (Held(holds, same_row)) return same_row;
      // A shorter column: its last sword.
      for (int label = target_column * kColumnSize + kColumnSize - 1; label >= target_column * kColumnSize; --label) {
        if (Held(holds, label)) return label;
      }
      return current;
    }
  }
  return current;
}

SwordFocus::SwordFocus(std::array<SwordRowLabel*, kSwordLabelCount> labels, QWidget* info_panel, GamePump& pump)
    : labels_(labels), info_panel_(info_panel), pump_(pump) {}

int SwordFocus::Focused() const { return focused_; }

bool SwordFocus::RowTakesFocus() const { return SwordRowTakesFocus() && labels_[0]->isVisible(); }

std::array<bool, kSwordLabelCount> SwordFocus::Holds() const {
  std::array<bool, kSwordLabelCount> holds{};
  for (std::size_t i = 0; i < holds.size(); ++i) holds[i] = !labels_[i]->text().isEmpty();
  return holds;
}

void SwordFocus::Sync() {
  if (focused_ >= 0 && (!RowTakesFocus() || !Held(Holds(), focused_))) Drop();
}

void SwordFocus::Drop() {
  if (focused_ < 0) return;
  SwordRowLabel* label = labels_[static_cast<std::size_t>(focused_)];
  focused_ = -1;
  label->SetKeyFocus(false);
  label->clearFocus();
}

void SwordFocus::MoveTo(int index) {
  if (index < 0) return;
  if (index != focused_) {
    Drop();
    focused_ = index;
    SwordRowLabel* label = labels_[static_cast<std::size_t>(index)];
    label->SetKeyFocus(true);
    // The real focus tells a screen reader where the player is.
    label->setFocus(Qt::OtherFocusReason);
  }
  // A hover left over from an earlier screen would make the move a no-op: clear it first.
  if (SwordPanel().hover == index) pump_.Apply(Input::Leave());
  pump_.Apply(Input::SwordHover(index));
}

bool SwordFocus::HandleKey(int key, bool auto_repeat) {
  Sync();
  const auto move_for = [](int k) -> std::optional<SwordMove> {
    switch (k) {
      case Qt::Key_Up: return SwordMove::Up;
      case Qt::Key_Down: return SwordMove::Down;
      case Qt::Key_Left: return SwordMove::Left;
      case Qt::Key_Right: return SwordMove::Right;
      case Qt::Key_Tab: return SwordMove::Next;
      case Qt::Key_Backtab: return SwordMove::Previous;
      default: return std::nullopt;
    }
  };
  if (const std::optional<SwordMove> move = move_for(key)) {
    if (!RowTakesFocus()) return false;
    MoveTo(NextSwordFocus(focused_, *move, Holds()));
    return true;
  }
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  // A row that only shows its swords (the status offer) takes no click: Enter brings the commands back.
  if ((enter || key == Qt::Key_Space) && focused_ >= 0 && SwordRowTakesClicks()) {
    if (!auto_repeat) {
      const int index = focused_;
      pump_.Apply(Input::SwordClick(index));
      Sync();
    }
    return true;
  }
  const bool digit = key >= Qt::Key_1 && key <= Qt::Key_5;
  const bool covered = info_panel_->isVisible();
  if (key == Qt::Key_Escape || ((digit || enter) && covered)) {
    if (focused_ < 0 && !covered) return false;
    // As the mouse moving onto a panel: the console comes back.
    Drop();
    if (!auto_repeat) pump_.Apply(Input::Leave());
    return true;
  }
  return false;
}

}  // namespace zemra
