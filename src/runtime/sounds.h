// The sounds the game plays: one table, read by the screens that play them
// and by the window that loads them ahead.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zemra {

enum class Sound : std::uint8_t {
  TitleMusic, Break, Bub, Dh, Dun, Duty, Hyuun, Kin, Open,
  Popon, Roar, Suka, Thathatha, Turn, Up, Water, Weak, Zurl,
};

// The files in the dat folder, in the order of Sound.
inline constexpr std::array<std::string_view, 18> kSoundFiles{
    "04b.wav",       "break.wav", "bub.wav",  "dh.wav",    "dun.wav",  "duty.wav",
    "hyuun.wav",     "kin.wav",   "open.wav", "popon.wav", "roar.wav", "suka.wav",
    "thathatha.wav", "turn.wav",  "up.wav",   "water.wav", "weak.wav", "zurl.wav"};

// The content name of a sound, "dat/water.wav".
inline std::string SoundPath(Sound sound) { return "dat/" + std::string(kSoundFiles[static_cast<std::size_t>(sound)]); }

}  // namespace zemra
