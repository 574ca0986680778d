// Which characters code page 932 can hold, as a table made from glibc's iconv
// (tools/make_cp932_table.py), so that counting bytes needs no converter.
#pragma once

#include <array>
#include <cstdint>

namespace zemra {

// One bit per code point of the Basic Multilingual Plane.
extern const std::array<std::uint32_t, 2048> kCp932Held;

// Bytes of the code point in code page 932: 1 or 2, -1 when it cannot be
// held, and 0 for the tag characters U+E0000..U+E007F, which iconv drops.
inline int Cp932Bytes(char32_t c) {
  if (c >= 0xE0000 && c <= 0xE007F) return 0;
  if (c > 0xFFFF || (kCp932Held[c / 32] >> (c % 32) & 1) == 0) return -1;
  // The single bytes: ASCII, the yen sign and overline (0x5C, 0x7E) and the half-width katakana.
  const bool single = c < 0x80 || c == 0xA5 || c == 0x203E || (c >= 0xFF61 && c <= 0xFF9F);
  return single ? 1 : 2;
}

}  // namespace zemra
