// The game's sounds through Qt Multimedia: one QSoundEffect per file, loaded
// ahead so a sound starts the moment it is asked for; one sound at a time.
#pragma once

#include <QObject>
#include <QSoundEffect>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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
  // Starts loading a file (a content name such as "dat/popon.wav") in the background.
  void Preload(std::string_view file);
  void PreloadGameSounds();

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
  // The effect that plays a file, once it is loading; none before or without a device.
  const QSoundEffect* LoadedEffect(std::string_view file) const;

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

  std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> effects_;
  std::optional<bool> has_device_;
  QSoundEffect* current_ = nullptr;
  bool current_waits_ = false;
  bool muted_ = false;
  double volume_ = 1.0;
  std::function<void(bool)> on_playing_changed_;
  GameLocations locations_;
};

}  // namespace zemra
