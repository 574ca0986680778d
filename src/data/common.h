// Small helpers shared by the game code.
#pragma once

namespace zemra {

// 0..25 give 'a'..'z', 26..51 give 'A'..'Z'. Any other value is a caller's
// slip: it is reported on standard error and gives a space.
char IntToAlf(int n);

}  // namespace zemra
