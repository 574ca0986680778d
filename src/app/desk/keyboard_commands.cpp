// The shown buttons are ordered by where they stand, right to left, so the
// key numbers follow what the player sees whatever the button indices are.
#include "app/desk/keyboard_commands.h"

#include <algorithm>
#include <vector>

namespace zemra {

bool PressCommandForKey(std::span<QAbstractButton* const> buttons, int key) {
  int index = -1;
  if (key >= Qt::Key_1 && key <= Qt::Key_5) index = key - Qt::Key_1;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) index = 0;
  if (index < 0) return false;
  std::vector<QAbstractButton*> shown;
  for (QAbstractButton* button : buttons) {
    if (button != nullptr && button->isVisible() && button->isEnabled()) shown.push_back(button);
  }
  std::ranges::sort(shown, [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() > b->x(); });
  if (index >= static_cast<int>(shown.size())) return false;
  shown[static_cast<std::size_t>(index)]->click();
  return true;
}

}  // namespace zemra
