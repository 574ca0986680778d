// Conversion through glibc's iconv; one descriptor per call keeps it reentrant.
#include "engine/sjis.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>

namespace zemra {
namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenConverter(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return IconvHandle(cd);
}

// With a replacement, a byte that cannot be converted becomes that text and
// conversion goes on at the next byte; without one it fails the whole call.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   std::string_view replacement = {}) {
  IconvHandle cd = OpenConverter(to, from);
  if (!cd) return std::nullopt;
  std::string out;
  std::string input(in);
  char* src = input.data();
  std::size_t src_left = input.size();
  std::array<char, 256> buf{};
  while (src_left > 0) {
    char* dst = buf.data();
    std::size_t dst_left = buf.size();
    const std::size_t rc = iconv(static_cast<iconv_t>(cd.get()), &src, &src_left, &dst, &dst_left);
    out.append(buf.data(), buf.size() - dst_left);
    if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    if (replacement.empty()) return std::nullopt;
    out.append(replacement);
    ++src;
    --src_left;
  }
  return out;
}

// Byte length of the UTF-8 sequence that starts with lead byte c (0 if invalid).
std::size_t Utf8SequenceLength(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }

std::optional<std::string> SjisToUtf8(std::string_view sjis) { return Convert("UTF-8", "CP932", sjis); }

std::string SjisToUtf8Lenient(std::string_view sjis) {
  return Convert("UTF-8", "CP932", sjis, "\uFFFD").value_or(std::string());
}

std::optional<std::size_t> SjisLength(std::string_view utf8) {
  const auto bytes = Utf8ToSjis(utf8);
  if (!bytes) return std::nullopt;
  return bytes->size();
}

std::string CutSjis(std::string_view utf8, std::size_t capacity) {
  std::size_t used = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t len = Utf8SequenceLength(static_cast<unsigned char>(utf8[pos]));
    if (len == 0 || pos + len > utf8.size()) break;
    const auto encoded = SjisLength(utf8.substr(pos, len));
    if (!encoded || used + *encoded > capacity) break;
    used += *encoded;
    pos += len;
  }
  return std::string(utf8.substr(0, pos));
}

}  // namespace zemra
