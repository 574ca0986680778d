// A wave file's own structure checked before any audio library sees it: a
// damaged file is treated like a missing one and plays nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zemra {

struct WaveFormat {
  std::uint32_t channels = 0;
  std::uint32_t rate = 0;
  std::uint32_t bits = 0;  // per sample: 8 (unsigned), 16, 24 or 32 (signed)
  std::uint32_t FrameBytes() const { return channels * bits / 8; }
};

// The format and the data chunk of a playable wave; samples is a view into the bytes.
struct WaveSamples {
  WaveFormat format;
  std::string_view samples;
};

// The samples of a wave that passes the check below, or nullopt.
std::optional<WaveSamples> FindWaveSamples(std::string_view bytes);

// True for a RIFF/WAVE file with a PCM format chunk (1 to 8 channels, 8 to 32
// bits, a sample rate of 1 Hz to 384 kHz) and a non-empty data chunk that lies
// wholly within the bytes.
bool IsPlayableWave(std::string_view bytes);

// The same for a file on disk; false when it cannot be read.
bool IsPlayableWaveFile(const std::filesystem::path& path);

// The bytes of a playable wave file, or nullopt when it cannot be read or is damaged.
std::optional<std::string> ReadPlayableWaveFile(const std::filesystem::path& path);

}  // namespace zemra
