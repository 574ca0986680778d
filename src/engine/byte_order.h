// Little-endian integers in byte strings, as the save record and wave files store them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zemra {

// The unsigned value of width bytes (1..4) at offset at; the caller checks the bounds.
inline std::uint32_t ReadLittleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

}  // namespace zemra
