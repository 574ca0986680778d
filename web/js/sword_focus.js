// The sword row's key focus, as the window moves it: up and down within a
// column of four (wrapping), left and right across to the same row or the
// shorter column's last sword, Tab through all; only labels that hold a sword.

const COLUMN = 4;
const COUNT = 8;

function firstHeld(holds, base, count, from, step) {
  for (let k = 1; k <= count; k++) {
    const label = base + ((((from - base + step * k) % count) + count) % count);
    if (holds[label]) return label;
  }
  return -1;
}

export function nextSwordFocus(current, move, holds) {
  if (!(current >= 0 && current < COUNT && holds[current])) return firstHeld(holds, 0, COUNT, COUNT - 1, 1);
  const column = Math.floor(current / COLUMN);
  switch (move) {
    case "up": return firstHeld(holds, column * COLUMN, COLUMN, current, -1);
    case "down": return firstHeld(holds, column * COLUMN, COLUMN, current, 1);
    case "next": return firstHeld(holds, 0, COUNT, current, 1);
    case "previous": return firstHeld(holds, 0, COUNT, current, -1);
    default: {
      const target = move === "left" ? 0 : 1;
      if (target === column) return current;
      const sameRow = target * COLUMN + (current % COLUMN);
      if (holds[sameRow]) return sameRow;
      for (let label = target * COLUMN + COLUMN - 1; label >= target * COLUMN; label--) {
        if (holds[label]) return label;
      }
      return current;
    }
  }
}
