// A plain FIPS 180-4 SHA-256, in portable C++: the page runs it as well.
#include "record/sha256.h"

#include <array>
#include <cstdint>

namespace zemra {
namespace {

constexpr std::array<std::uint32_t, 64> kRound{
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t Rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void Compress(std::array<std::uint32_t, 8>& h, const unsigned char* block) {
  std::array<std::uint32_t, 64> w{};
  for (std::size_t i = 0; i < 16; ++i) {
    w[i] = static_cast<std::uint32_t>(block[4 * i]) << 24 | static_cast<std::uint32_t>(block[4 * i + 1]) << 16 |
           static_cast<std::uint32_t>(block[4 * i + 2]) << 8 | static_cast<std::uint32_t>(block[4 * i + 3]);
  }
  for (std::size_t i = 16; i < 64; ++i) {
    const std::uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  auto [a, b, c, d, e, f, g, k] = h;
  // Eight rounds a pass with the letters turned instead of moved: each round
  // changes only d and its own last word. Every screen of a recording is hashed.
  const auto step = [&w](std::uint32_t a_, std::uint32_t b_, std::uint32_t c_, std::uint32_t& d_, std::uint32_t e_,
                          std::uint32_t f_, std::uint32_t g_, std::uint32_t& h_, std::size_t i) {
    const std::uint32_t t1 =
        h_ + (Rotr(e_, 6) ^ Rotr(e_, 11) ^ Rotr(e_, 25)) + ((e_ & f_) ^ (~e_ & g_)) + kRound[i] + w[i];
    const std::uint32_t t2 = (Rotr(a_, 2) ^ Rotr(a_, 13) ^ Rotr(a_, 22)) + ((a_ & b_) ^ (a_ & c_) ^ (b_ & c_));
    d_ += t1;
    h_ = t1 + t2;
  };
  for (std::size_t i = 0; i < 64; i += 8) {
    step(a, b, c, d, e, f, g, k, i);
    step(k, a, b, c, d, e, f, g, i + 1);
    step(g, k, a, b, c, d, e, f, i + 2);
    step(f, g, k, a, b, c, d, e, i + 3);
    step(e, f, g, k, a, b, c, d, i + 4);
    step(d, e, f, g, k, a, b, c, i + 5);
    step(c, d, e, f, g, k, a, b, i + 6);
    step(b, c, d, e, f, g, k, a, i + 7);
  }
  const std::array<std::uint32_t, 8> add{a, b, c, d, e, f, g, k};
  for (std::size_t i = 0; i < 8; ++i) h[i] += add[i];
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
  std::array<std::uint32_t, 8> h{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  std::string tail(bytes.substr(bytes.size() - bytes.size() % 64));
  for (std::size_t at = 0; at + 64 <= bytes.size(); at += 64) {
    Compress(h, reinterpret_cast<const unsigned char*>(bytes.data() + at));
  }
  // Padding: one bit, zeros, then the length in bits, big-endian.
  tail.push_back(static_cast<char>(0x80));
  while (tail.size() % 64 != 56) tail.push_back('\0');
  const std::uint64_t bits = static_cast<std::uint64_t>(bytes.size()) * 8;
  for (int shift = 56; shift >= 0; shift -= 8) tail.push_back(static_cast<char>((bits >> shift) & 0xFF));
  for (std::size_t at = 0; at < tail.size(); at += 64) {
    Compress(h, reinterpret_cast<const unsigned char*>(tail.data() + at));
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  for (std::uint32_t word : h) {
    for (int shift = 28; shift >= 0; shift -= 4) hex.push_back(kHex[(word >> shift) & 0xF]);
  }
  return hex;
}

}  // namespace zemra
