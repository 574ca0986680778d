// A wave file's own structure checked before any audio library sees it: a
// damaged file is treated like a missing one and plays nothing.
#pragma once

#include <filesystem>
#include <string_view>

namespace zemra {

// True for a RIFF/WAVE file with a PCM format chunk (1 to 8 channels, 8 to 32
// bits, a sample rate of 1 Hz to 384 kHz) and a non-empty data chunk that lies
// wholly within the bytes.
bool IsPlayableWave(std::string_view bytes);

// The same for a file on disk; false when it cannot be read.
bool IsPlayableWaveFile(const std::filesystem::path& path);

}  // namespace zemra
