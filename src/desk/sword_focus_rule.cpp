#include "desk/sword_focus_rule.h"

namespace zemra {
namespace {

constexpr int kColumnSize = 4;

// The first held label met stepping from `from` by `step` through `count`
// places that wrap within [base, base + count); `from` itself comes last.
int FirstHeld(const SwordHolds& holds, int base, int count, int from, int step) {
  for (int k = 1; k <= count; ++k) {
    const int label = base + ((from - base + step * k) % count + count) % count;
    if (HoldsSword(holds, label)) return label;
  }
  return -1;
}

}  // namespace

bool HoldsSword(const SwordHolds& holds, int label) {
  return label >= 0 && label < kSwordLabelCount && holds[static_cast<std::size_t>(label)];
}

int NextSwordFocus(int current, SwordMove move, const SwordHolds& holds) {
  if (!HoldsSword(holds, current)) return FirstHeld(holds, 0, kSwordLabelCount, kSwordLabelCount - 1, 1);
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
      if (HoldsSword(holds, same_row)) return same_row;
      // A shorter column: its last sword.
      for (int label = target_column * kColumnSize + kColumnSize - 1; label >= target_column * kColumnSize; --label) {
        if (HoldsSword(holds, label)) return label;
      }
      return current;
    }
  }
  return current;
}

}  // namespace zemra
