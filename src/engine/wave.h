// TVorbWave: fire-and-forget sounds, one at a time; a new sound cuts the old.
// Playback itself belongs to the front end's audio service (SoundOutput).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zemra {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Starts the file at once, replacing anything playing; a missing or
  // unreadable file plays nothing and reports nothing.
  virtual void PlaySound(std::string_view file, bool loop) = 0;
  virtual void StopSound() = 0;
};

class TVorbWave {
 public:
  // Only one wave player may be live; a second one beeps and stays inert.
  TVorbWave(SoundOutput& output, const std::function<void()>& beep);
  ~TVorbWave();
  TVorbWave(const TVorbWave&) = delete;
  TVorbWave& operator=(const TVorbWave&) = delete;

  void Play(std::string_view file, bool loop);
  void Stop();

  const std::string& CurrentFile() const { return file_; }
  bool Looping() const { return loop_; }
  bool IsActive() const { return active_; }

 private:
  SoundOutput& output_;
  std::string file_;
  bool loop_ = false;
  bool active_ = false;
};

}  // namespace zemra
