// QSoundEffect loads asynchronously and ignores a play() that comes before
// it is ready, so a sound asked for too early is remembered and started from
// its status change.
#include "app/sound_output.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>

#include "engine/wave_check.h"
#include "runtime/sounds.h"

namespace zemra {

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput() {
  on_playing_changed_ = nullptr;
  if (current_ != nullptr) current_->stop();
}

bool QtSoundOutput::HasDevice() {
  if (!has_device_) has_device_ = !QMediaDevices::defaultAudioOutput().isNull();
  return *has_device_;
}

QSoundEffect* QtSoundOutput::Effect(std::string_view file) {
  if (auto found = effects_.find(file); found != effects_.end()) return found->second.get();
  // Without an audio device (a server with no desktop session) the game is silent.
  if (!HasDevice()) return nullptr;
  // A damaged file never reaches Qt: its loader thread can hang on it, and
  // the effect's destructor then waits for that thread forever at quit.
  const std::filesystem::path resolved = locations_.Content(file);
  if (!IsPlayableWaveFile(resolved)) return nullptr;
  auto effect = std::make_unique<QSoundEffect>();
  QSoundEffect* raw = effect.get();
  raw->setMuted(muted_);
  raw->setVolume(static_cast<float>(volume_));
  connect(raw, &QSoundEffect::statusChanged, this, [this, raw] { OnStatusChanged(raw); });
  connect(raw, &QSoundEffect::playingChanged, this, [this, raw] {
    if (raw == current_ && on_playing_changed_) on_playing_changed_(raw->isPlaying());
  });
  const QString path = QString::fromStdString(resolved.string());
  raw->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  return effects_.emplace(std::string(file), std::move(effect)).first->second.get();
}

void QtSoundOutput::Preload(std::string_view file) { Effect(file); }

void QtSoundOutput::PreloadGameSounds() {
  for (std::size_t i = 0; i < kSoundFiles.size(); ++i) Preload(SoundPath(static_cast<Sound>(i)));
}

void QtSoundOutput::OnStatusChanged(QSoundEffect* effect) {
  if (effect != current_ || !current_waits_) return;
  if (effect->status() == QSoundEffect::Ready) {
    current_waits_ = false;
    effect->play();
  } else if (effect->status() == QSoundEffect::Error) {
    current_waits_ = false;
  }
}

void QtSoundOutput::PlaySound(std::string_view file, bool loop) {
  StopSound();
  QSoundEffect* effect = Effect(file);
  if (effect == nullptr) return;
  effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
  current_ = effect;
  switch (effect->status()) {
    case QSoundEffect::Ready:
      effect->play();
      break;
    case QSoundEffect::Null:
    case QSoundEffect::Loading:
      current_waits_ = true;
      break;
    case QSoundEffect::Error:
      break;  // unreadable: silent by design
  }
}

void QtSoundOutput::StopSound() {
  current_waits_ = false;
  if (current_ == nullptr) return;
  QSoundEffect* previous = current_;
  current_ = nullptr;
  previous->stop();
}

void QtSoundOutput::SetMuted(bool muted) {
  muted_ = muted;
  for (const auto& [file, effect] : effects_) effect->setMuted(muted);
}

void QtSoundOutput::SetVolume(double volume) {
  volume_ = std::clamp(volume, 0.0, 1.0);
  for (const auto& [file, effect] : effects_) effect->setVolume(static_cast<float>(volume_));
}

const QSoundEffect* QtSoundOutput::LoadedEffect(std::string_view file) const {
  const auto found = effects_.find(file);
  return found != effects_.end() ? found->second.get() : nullptr;
}

bool QtSoundOutput::IsBusy() const { return current_ != nullptr && (current_waits_ || current_->isPlaying()); }

bool QtSoundOutput::Loading() const {
  for (const auto& [file, effect] : effects_) {
    const QSoundEffect::Status status = effect->status();
    if (status == QSoundEffect::Null || status == QSoundEffect::Loading) return true;
  }
  return false;
}

}  // namespace zemra
