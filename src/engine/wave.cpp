// The wave player keeps the name and loop flag of the last sound.
#include "engine/wave.h"

namespace zemra {
namespace {

bool g_wave_exists = false;

}  // namespace

TVorbWave::TVorbWave(SoundOutput& output, const std::function<void()>& beep) : output_(output) {
  if (g_wave_exists) {
    if (beep) beep();
    return;
  }
  g_wave_exists = true;
  active_ = true;
  Stop();
}

TVorbWave::~TVorbWave() {
  if (!active_) return;
  Stop();
  g_wave_exists = false;
}

void TVorbWave::Play(std::string_view file, bool loop) {
  if (!active_) return;
  file_ = file;
  loop_ = loop;
  output_.PlaySound(file, loop);
}

void TVorbWave::Stop() {
  if (!active_) return;
  output_.StopSound();
  file_.clear();
  loop_ = false;
}

}  // namespace zemra
