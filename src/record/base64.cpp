// Standard base64 (RFC 4648) with padding, for the save a recording embeds.
#include "record/base64.h"

#include <cstdint>

namespace zemra {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Sextet(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::string EncodeBase64(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (i + 1 < bytes.size()) group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
    out.push_back(kAlphabet[(group >> 18) & 63]);
    out.push_back(kAlphabet[(group >> 12) & 63]);
    out.push_back(i + 1 < bytes.size() ? kAlphabet[(group >> 6) & 63] : '=');
    out.push_back(i + 2 < bytes.size() ? kAlphabet[group & 63] : '=');
  }
  return out;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const int pad = (text[i + 3] == '=' ? 1 : 0) + (text[i + 2] == '=' ? 1 : 0);
    if (pad > 0 && !last) return std::nullopt;
    if (pad == 1 && text[i + 2] == '=') return std::nullopt;
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const int value = k >= 4 - static_cast<std::size_t>(pad) ? 0 : Sextet(text[i + k]);
      if (value < 0) return std::nullopt;
      group = group << 6 | static_cast<std::uint32_t>(value);
    }
    out.push_back(static_cast<char>((group >> 16) & 0xFF));
    if (pad < 2) out.push_back(static_cast<char>((group >> 8) & 0xFF));
    if (pad < 1) out.push_back(static_cast<char>(group & 0xFF));
  }
  return out;
}

}  // namespace zemra
