// Conversion in both directions reads the code page's tables
// (cp932_table.h), which hold exactly what glibc's iconv does with every
// character and every byte pair, so every build of the game converts alike.
#include "engine/sjis.h"

#include <array>
#include <memory>

#include "engine/cp932_table.h"

namespace zemra {
namespace {

constexpr char32_t kFirstTag = 0xE0000;
constexpr char32_t kLastTag = 0xE007F;

// The bytes each BMP character encodes to, made from the tables on first use.
const std::array<std::uint16_t, 0x10000>& EncodeTable() {
  static const std::unique_ptr<const std::array<std::uint16_t, 0x10000>> table = [] {
    auto made = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    made->fill(kCp932None);
    for (int b = 0; b < 256; ++b) {
      const std::uint16_t c = kCp932Single[static_cast<std::size_t>(b)];
      if (c != kCp932None && (*made)[c] == kCp932None) (*made)[c] = static_cast<std::uint16_t>(b);
    }
    for (int lead = 0; lead < 256; ++lead) {
      const int row = kCp932LeadRow[static_cast<std::size_t>(lead)];
      if (row < 0) continue;
      for (int t = 0; t < kCp932RowLength; ++t) {
        const std::uint16_t c = kCp932Pairs[static_cast<std::size_t>(row * kCp932RowLength + t)];
        if (c != kCp932None && (*made)[c] == kCp932None) {
          (*made)[c] = static_cast<std::uint16_t>(lead << 8 | (kCp932FirstTrail + t));
        }
      }
    }
    for (const Cp932Encoding& e : kCp932EncodeExceptions) (*made)[e.code_point] = e.bytes;
    return made;
  }();
  return *table;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point at pos and the bytes it takes; none for bytes that decode to nothing.
std::uint16_t DecodeAt(std::string_view sjis, std::size_t pos, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(sjis[pos]);
  length = 1;
  if (kCp932Single[lead] != kCp932None) return kCp932Single[lead];
  const int row = kCp932LeadRow[lead];
  if (row < 0 || pos + 1 >= sjis.size()) return kCp932None;
  const int trail = static_cast<unsigned char>(sjis[pos + 1]);
  if (trail < kCp932FirstTrail || trail > kCp932LastTrail) return kCp932None;
  length = 2;
  return kCp932Pairs[static_cast<std::size_t>(row * kCp932RowLength + trail - kCp932FirstTrail)];
}

// With a replacement, a byte that cannot be decoded becomes that text and
// decoding goes on at the next byte; without one it fails the whole call.
std::optional<std::string> Decode(std::string_view sjis, std::string_view replacement) {
  std::string out;
  out.reserve(sjis.size() * 3 / 2);
  for (std::size_t pos = 0; pos < sjis.size();) {
    std::size_t length = 1;
    const std::uint16_t c = DecodeAt(sjis, pos, length);
    if (c == kCp932None) {
      if (replacement.empty()) return std::nullopt;
      out += replacement;
      ++pos;
      continue;
    }
    AppendUtf8(out, c);
    pos += length;
  }
  return out;
}

// Decodes the UTF-8 character at pos and moves pos past it; false (pos kept)
// for a sequence iconv refuses too: cut short, overlong, a surrogate or past U+10FFFF.
bool NextChar(std::string_view text, std::size_t& pos, char32_t& c) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t len = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    c = lead;
    ++pos;
    return true;
  }
  if ((lead & 0xE0) == 0xC0) {
    len = 2, min = 0x80, c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    len = 3, min = 0x800, c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    len = 4, min = 0x10000, c = lead & 0x07;
  } else {
    return false;
  }
  if (pos + len > text.size()) return false;
  for (std::size_t i = 1; i < len; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return false;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
  pos += len;
  return true;
}

bool Holdable(const std::array<std::uint16_t, 0x10000>& table, char32_t c) {
  return (c >= kFirstTag && c <= kLastTag) || (c <= 0xFFFF && table[c] != kCp932None);
}

// The combining marks a player does not type as characters of their own.
bool CombiningMark(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
         (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0xFE00 && c <= 0xFE0F);
}

}  // namespace

std::optional<std::string> FirstUnheldCharacter(std::string_view utf8) {
  const std::array<std::uint16_t, 0x10000>& table = EncodeTable();
  std::size_t previous = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    char32_t c = 0;
    if (!NextChar(utf8, pos, c)) return std::nullopt;
    if (Holdable(table, c)) {
      previous = start;
      continue;
    }
    const std::size_t from = CombiningMark(c) && start > 0 ? previous : start;
    std::size_t end = pos;
    for (std::size_t next = pos; next < utf8.size() && NextChar(utf8, next, c) && CombiningMark(c);) end = next;
    return std::string(utf8.substr(from, end - from));
  }
  return std::nullopt;
}

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
  const std::array<std::uint16_t, 0x10000>& table = EncodeTable();
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t c = 0;
    if (!NextChar(utf8, pos, c)) return std::nullopt;
    if (c >= kFirstTag && c <= kLastTag) continue;  // the tag characters are dropped, as iconv drops them
    if (c > 0xFFFF || table[c] == kCp932None) return std::nullopt;
    const std::uint16_t bytes = table[c];
    if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
    out += static_cast<char>(bytes & 0xFF);
  }
  return out;
}

std::optional<std::string> SjisToUtf8(std::string_view sjis) { return Decode(sjis, {}); }

std::string SjisToUtf8Lenient(std::string_view sjis) { return Decode(sjis, "\uFFFD").value_or(std::string()); }

std::optional<std::size_t> SjisLength(std::string_view utf8) {
  std::size_t bytes = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t c = 0;
    if (!NextChar(utf8, pos, c)) return std::nullopt;
    const int held = Cp932Bytes(c);
    if (held < 0) return std::nullopt;
    bytes += static_cast<std::size_t>(held);
  }
  return bytes;
}

std::string CutSjis(std::string_view utf8, std::size_t capacity) {
  std::size_t used = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t next = pos;
    char32_t c = 0;
    if (!NextChar(utf8, next, c)) break;
    const int held = Cp932Bytes(c);
    if (held < 0 || used + static_cast<std::size_t>(held) > capacity) break;
    used += static_cast<std::size_t>(held);
    pos = next;
  }
  return std::string(utf8.substr(0, pos));
}

}  // namespace zemra
