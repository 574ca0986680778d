// Code page 932 as tables made from glibc's iconv (tools/make_cp932_table.py):
// which characters it can hold, so that counting bytes is a bit test, and
// what bytes decode to, so that the game converts texts with no converter of
// the system and every build converts them alike.
#pragma once

#include <array>
#include <cstdint>

namespace zemra {

// One bit per code point of the Basic Multilingual Plane.
extern const std::array<std::uint32_t, 2048> kCp932Held;

inline constexpr std::uint16_t kCp932None = 0xFFFF;
inline constexpr int kCp932FirstTrail = 0x40;
inline constexpr int kCp932LastTrail = 0xFC;
inline constexpr int kCp932RowLength = kCp932LastTrail - kCp932FirstTrail + 1;

// The code point a byte decodes to alone; kCp932None for a lead byte or none.
extern const std::array<std::uint16_t, 256> kCp932Single;
// The row of a lead byte in kCp932Pairs; -1 for a byte that leads no pair.
extern const std::array<std::int8_t, 256> kCp932LeadRow;
// Per row, the code points of the trail bytes kCp932FirstTrail..kCp932LastTrail.
extern const std::array<std::uint16_t, 10395> kCp932Pairs;

// A character iconv encodes to other bytes than the first that decode to it
// (singles before pairs, in byte order): a lead and trail byte as one number,
// or a single byte.
struct Cp932Encoding {
  std::uint16_t code_point;
  std::uint16_t bytes;
};
extern const std::array<Cp932Encoding, 382> kCp932EncodeExceptions;

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
