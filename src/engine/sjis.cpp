// Whole texts convert through glibc's iconv, one converter per direction and
// thread, opened on first use: opening one costs far more than converting a
// name. Byte counts come from a table (cp932_table.h) and need no converter,
// since a battle counts the bytes of every sword it makes.
#include "engine/sjis.h"

#include <iconv.h>

#include <array>
#include <cerrno>

#include "engine/cp932_table.h"

namespace zemra {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != kNoConverter) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // With a replacement, a byte that cannot be converted becomes that text and
  // conversion goes on at the next byte; without one it fails the whole call.
  std::optional<std::string> Convert(std::string_view in, std::string_view replacement = {}) {
    if (cd_ == kNoConverter) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string out;
    char* src = const_cast<char*>(in.data());  // iconv only reads the input
    std::size_t src_left = in.size();
    std::array<char, 256> buf{};
    while (src_left > 0) {
      char* dst = buf.data();
      std::size_t dst_left = buf.size();
      const std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buf.data(), buf.size() - dst_left);
      if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      if (replacement.empty()) return std::nullopt;
      out.append(replacement);
      ++src;
      --src_left;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& ToSjis() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& FromSjis() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
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

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) { return ToSjis().Convert(utf8); }

std::optional<std::string> SjisToUtf8(std::string_view sjis) { return FromSjis().Convert(sjis); }

std::string SjisToUtf8Lenient(std::string_view sjis) {
  return FromSjis().Convert(sjis, "\uFFFD").value_or(std::string());
}

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
