// The letter code of the save check: a..z then A..Z.
#include "data/common.h"

#include <iostream>

namespace zemra {

char IntToAlf(int n) {
  if (n >= 0 && n <= 25) return static_cast<char>('a' + n);
  if (n >= 26 && n <= 51) return static_cast<char>('A' + (n - 26));
  // A windowed game has no console to wait on; the diagnostic goes to stderr.
  std::cerr << "error in IntToAlf(" << n << ")\n";
  return ' ';
}

}  // namespace zemra
