// Keyboard play on the main page: the digit keys 1 to 5 press the shown
// command buttons from the first command (the rightmost) leftwards, and Enter
// presses the rightmost. A key press clicks the button, so it does exactly
// what the mouse does.
#pragma once

#include <QAbstractButton>
#include <span>

namespace zemra {

// Presses the button the key stands for among the command buttons; false
// when the key stands for none of the shown ones.
bool PressCommandForKey(std::span<QAbstractButton* const> buttons, int key);

}  // namespace zemra
