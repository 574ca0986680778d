// Walks the RIFF chunks with every size checked against the bytes at hand, so
// no length in the file can send a reader past its end.
#include "sound/wave_check.h"

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

std::optional<WaveFormat> PcmFormat(std::string_view chunk) {
  if (chunk.size() < kPcmFormatSize) return std::nullopt;
  const std::uint32_t format = ReadLittleEndian(chunk, 0, 2);
  const WaveFormat pcm{ReadLittleEndian(chunk, 2, 2), ReadLittleEndian(chunk, 4, 4), ReadLittleEndian(chunk, 14, 2)};
  const std::uint32_t block_align = ReadLittleEndian(chunk, 12, 2);
  const bool sound = (format == kFormatPcm || format == kFormatExtensible) && pcm.channels >= 1 && pcm.channels <= 8 &&
                     pcm.rate >= 1 && pcm.rate <= 384000 && pcm.bits >= 8 && pcm.bits <= 32 && pcm.bits % 8 == 0 &&
                     block_align == pcm.FrameBytes();
  if (!sound) return std::nullopt;
  return pcm;
}

}  // namespace

std::optional<WaveSamples> FindWaveSamples(std::string_view bytes) {
  if (bytes.size() < kRiffHeaderSize || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
  std::optional<WaveFormat> format;
  std::size_t at = kRiffHeaderSize;
  while (bytes.size() - at >= kChunkHeaderSize) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = ReadLittleEndian(bytes, at + 4, 4);
    const std::size_t body = at + kChunkHeaderSize;
    if (size > bytes.size() - body) return std::nullopt;  // a chunk that runs past the end of the file
    const std::string_view chunk = bytes.substr(body, size);
    if (id == "fmt ") {
      format = PcmFormat(chunk);
      if (!format) return std::nullopt;
    } else if (id == "data") {
      if (!format || size == 0) return std::nullopt;
      return WaveSamples{*format, chunk};
    }
    at = body + size + (size % 2);  // chunks are padded to an even length
    if (at > bytes.size()) return std::nullopt;
  }
  return std::nullopt;
}

bool IsPlayableWave(std::string_view bytes) { return FindWaveSamples(bytes).has_value(); }

std::optional<std::string> ReadPlayableWaveFile(const std::filesystem::path& path) {
  std::optional<std::string> bytes = ReadFileHead(path, kMaxWaveBytes + 1);
  if (!bytes || bytes->size() > kMaxWaveBytes || !IsPlayableWave(*bytes)) return std::nullopt;
  return bytes;
}

bool IsPlayableWaveFile(const std::filesystem::path& path) { return ReadPlayableWaveFile(path).has_value(); }

}  // namespace zemra
