// Walks the RIFF chunks with every size checked against the bytes at hand, so
// no length in the file can send a reader past its end.
#include "engine/wave_check.h"

#include <cstdint>
#include <optional>
#include <string>

#include "engine/byte_order.h"
#include "engine/file_io.h"

namespace zemra {
namespace {

constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kMaxWaveBytes = 64u << 20;  // far above any sound the game ships

bool FormatIsPcm(std::string_view chunk) {
  if (chunk.size() < kPcmFormatSize) return false;
  const std::uint32_t format = ReadLittleEndian(chunk, 0, 2);
  const std::uint32_t channels = ReadLittleEndian(chunk, 2, 2);
  const std::uint32_t rate = ReadLittleEndian(chunk, 4, 4);
  const std::uint32_t block_align = ReadLittleEndian(chunk, 12, 2);
  const std::uint32_t bits = ReadLittleEndian(chunk, 14, 2);
  return (format == kFormatPcm || format == kFormatExtensible) && channels >= 1 && channels <= 8 && rate >= 1 &&
         rate <= 384000 && bits >= 8 && bits <= 32 && bits % 8 == 0 && block_align == channels * bits / 8;
}

}  // namespace

bool IsPlayableWave(std::string_view bytes) {
  if (bytes.size() < kRiffHeaderSize || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return false;
  bool has_format = false;
  std::size_t at = kRiffHeaderSize;
  while (bytes.size() - at >= kChunkHeaderSize) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = ReadLittleEndian(bytes, at + 4, 4);
    const std::size_t body = at + kChunkHeaderSize;
    if (size > bytes.size() - body) return false;  // a chunk that runs past the end of the file
    const std::string_view chunk = bytes.substr(body, size);
    if (id == "fmt ") {
      if (!FormatIsPcm(chunk)) return false;
      has_format = true;
    } else if (id == "data") {
      return has_format && size > 0;
    }
    at = body + size + (size % 2);  // chunks are padded to an even length
    if (at > bytes.size()) return false;
  }
  return false;
}

bool IsPlayableWaveFile(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = ReadFileHead(path, kMaxWaveBytes + 1);
  return bytes && bytes->size() <= kMaxWaveBytes && IsPlayableWave(*bytes);
}

}  // namespace zemra
