// The wave check that keeps damaged sound files away from the audio library.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "sound/wave_check.h"

namespace zemra {
namespace {

std::string Le(std::uint32_t value, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFFu);
  return bytes;
}

std::string Chunk(const std::string& id, const std::string& body, std::uint32_t claimed) {
  return id + Le(claimed, 4) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

std::string Format(std::uint32_t format, std::uint32_t channels, std::uint32_t bits) {
  const std::uint32_t align = channels * bits / 8;
  return Le(format, 2) + Le(channels, 2) + Le(22050, 4) + Le(22050 * align, 4) + Le(align, 2) + Le(bits, 2);
}

std::string Wave(const std::string& chunks) { return "RIFF" + Le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks; }

const std::string kFormat = Format(1, 1, 16);
const std::string kSamples(400, '\x10');

TEST(WaveCheck, OnlyWholePcmWavesPass) {
  struct Case {
    const char* what;
    std::string bytes;
    bool playable;
  };
  const std::string good = Wave(Chunk("fmt ", kFormat, 16) + Chunk("data", kSamples, 400));
  const Case cases[] = {
      {"a plain PCM wave", good, true},
      {"another chunk before the data", Wave(Chunk("fmt ", kFormat, 16) + Chunk("LIST", "abc", 3) + Chunk("data", kSamples, 400)), true},
      {"empty", "", false},
      {"cut to 20 bytes", good.substr(0, 20), false},
      {"cut inside the samples", good.substr(0, good.size() - 1), false},
      {"data larger than the file", Wave(Chunk("fmt ", kFormat, 16) + Chunk("data", kSamples, 10'000'000)), false},
      {"a chunk size of 2^32-1", Wave(Chunk("fmt ", kFormat, 16) + Chunk("data", kSamples, 0xFFFFFFFFu)), false},
      {"no data chunk", Wave(Chunk("fmt ", kFormat, 16)), false},
      {"empty data", Wave(Chunk("fmt ", kFormat, 16) + Chunk("data", "", 0)), false},
      {"data before the format", Wave(Chunk("data", kSamples, 400) + Chunk("fmt ", kFormat, 16)), false},
      {"not PCM (format 85)", Wave(Chunk("fmt ", Format(85, 1, 16), 16) + Chunk("data", kSamples, 400)), false},
      {"no channels", Wave(Chunk("fmt ", Format(1, 0, 16), 16) + Chunk("data", kSamples, 400)), false},
      {"12-bit samples", Wave(Chunk("fmt ", Format(1, 1, 12), 16) + Chunk("data", kSamples, 400)), false},
      {"a short format chunk", Wave(Chunk("fmt ", kFormat.substr(0, 8), 8) + Chunk("data", kSamples, 400)), false},
      {"not RIFF", "RIFX" + good.substr(4), false},
      {"not WAVE", good.substr(0, 8) + "AVI " + good.substr(12), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPlayableWave(c.bytes), c.playable) << c.what;

  const std::string stereo = Wave(Chunk("fmt ", Format(1, 2, 16), 16) + Chunk("LIST", "abc", 3) + Chunk("data", kSamples, 400));
  const auto found = FindWaveSamples(stereo);  // its samples view these bytes
  ASSERT_TRUE(found);
  EXPECT_EQ(found->format.channels, 2u);
  EXPECT_EQ(found->format.rate, 22050u);
  EXPECT_EQ(found->format.FrameBytes(), 4u);
  EXPECT_EQ(found->samples, kSamples);
}

TEST(WaveCheck, TheGamesOwnSoundsPass) {
  for (const char* name : {"04b.wav", "popon.wav", "water.wav", "weak.wav"}) {
    EXPECT_TRUE(IsPlayableWaveFile(std::string(ZEMRA_SOURCE_DIR) + "/dat/" + name)) << name;
  }
  EXPECT_FALSE(IsPlayableWaveFile(std::string(ZEMRA_SOURCE_DIR) + "/dat/no_such_sound.wav"));
}

}  // namespace
}  // namespace zemra
