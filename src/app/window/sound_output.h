// The game's sounds, one at a time. With a PulseAudio server each sound goes
// to it directly (sound/pulse_sound.h); without one, through Qt Multimedia: one
// QSoundEffect per file, loaded ahead so a sound starts the moment it is
// asked for. Either way a file is read once and kept.
#pragma once

#include <QObject>
#include <QSoundEffect>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "sound/pulse_sound.h"
#include "engine/locations.h"
#include "engine/wave.h"

namespace zemra {

class QtSoundOutput : public QObject, public SoundOutput {
 public:
  QtSoundOutput();
  ~QtSoundOutput() override;
  QtSoundOutput(const QtSoundOutput&) = delete;
  QtSoundOutput& operator=(const QtSoundOutput&) = delete;

  // Where content names such as "dat/popon.wav" are looked up.
  void SetLocations(GameLocations locations) { locations_ = std::move(locations); }
  // Reads a file (a content name such as "dat/popon.wav") ahead; for Qt it loads in the background.
  void Preload(std::string_view file);
  void PreloadGameSounds();
  // Sends every sound through Qt even when there is a server (for the sound check).
  void UseQtOnly() { direct_off_ = true; }

  // A sound asked for while its file is still loading starts once it is
  // ready, unless another sound (or a stop) was asked for meanwhile.
  void PlaySound(std::string_view file, bool loop) override;
  void StopSound() override;

  // Silences every sound at once; a looping sound goes on silently, so it is
  // heard again where the loop has come to. Applies to files loaded later too.
  void SetMuted(bool muted);
  bool Muted() const { return muted_; }
  // Linear volume from 0 to 1 for every sound.
  void SetVolume(double volume);
  double Volume() const { return volume_; }
  // True once sounds go to the server directly.
  bool Direct() const { return direct_ != nullptr && direct_->Available(); }
  // True when the sound last asked for went to the server directly, false when Qt took it.
  bool LastSoundDirect() const { return last_direct_; }

  // True while the sound last asked for plays or waits for its file.
  bool IsBusy() const;
  // True while any file asked for is still loading.
  bool Loading() const;
  // Called whenever the sound last asked for starts or stops playing.
  void SetOnPlayingChanged(std::function<void(bool)> callback) { on_playing_changed_ = std::move(callback); }

 private:
  // The effect for a file, made and loading on first use; none without an audio device.
  QSoundEffect* Effect(std::string_view file);
  bool HasDevice();
  void OnStatusChanged(QSoundEffect* effect);
  // The server's player, connecting on first use; null when sounds go through Qt.
  PulseSound* DirectPlayer();
  const std::shared_ptr<const SoundWave>& DirectWave(std::string_view file);
  // Plays through the server; false when there is none, so Qt plays it.
  bool PlayDirect(std::string_view file, bool loop);
  void PlayThroughQt(std::string_view file, bool loop);
  void OnDirectEvent(PulseSound::Event event, std::uint64_t generation);
  bool DirectActive() const { return direct_waits_ || direct_plays_; }

  std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> effects_;
  std::set<std::string, std::less<>> unplayable_;  // files found missing or damaged: looked at once
  std::optional<bool> has_device_;
  QSoundEffect* current_ = nullptr;
  bool current_waits_ = false;
  bool muted_ = false;
  double volume_ = 1.0;
  std::function<void(bool)> on_playing_changed_;
  std::unique_ptr<PulseSound> direct_;
  bool direct_off_ = false;
  bool game_sounds_preloaded_ = false;
  std::map<std::string, std::shared_ptr<const SoundWave>, std::less<>> direct_waves_;
  std::string direct_file_;
  bool direct_loop_ = false;
  std::uint64_t direct_generation_ = 0;
  bool direct_waits_ = false;
  bool direct_plays_ = false;
  bool last_direct_ = false;
  GameLocations locations_;
};

}  // namespace zemra
