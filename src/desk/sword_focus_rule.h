// Where the keyboard's focus moves over the sword row: up and down within a
// column of four (wrapping), left and right across to the same row or the
// shorter column's last sword, Tab through all; only labels that hold a sword.
#pragma once

#include <array>

#include "host/controls.h"

namespace zemra {

enum class SwordMove { Up, Down, Left, Right, Next, Previous };

using SwordHolds = std::array<bool, kSwordLabelCount>;

// Where a move leads from `current` (-1: no focus) among the labels that hold
// a sword; -1 when none does. Labels 0-3 form the left column, 4-7 the right.
int NextSwordFocus(int current, SwordMove move, const SwordHolds& holds);

bool HoldsSword(const SwordHolds& holds, int label);

}  // namespace zemra
