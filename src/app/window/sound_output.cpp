// QSoundEffect loads asynchronously and ignores a play() that comes before
// it is ready, so a sound asked for too early is remembered and started from
// its status change.
#include "app/window/sound_output.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>

#include "sound/wave_check.h"
#include "runtime/sounds.h"

namespace zemra {

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput() {
  on_playing_changed_ = nullptr;
  direct_.reset();  // no event comes from the audio thread after this
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
  if (unplayable_.contains(file)) return nullptr;
  const std::filesystem::path resolved = locations_.Content(file);
  if (!IsPlayableWaveFile(resolved)) {
    unplayable_.emplace(file);
    return nullptr;
  }
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

void QtSoundOutput::Preload(std::string_view file) {
  if (DirectPlayer() != nullptr) {
    DirectWave(file);
  } else {
    Effect(file);
  }
}

PulseSound* QtSoundOutput::DirectPlayer() {
  if (direct_off_) return nullptr;
  if (direct_ == nullptr) {
    // Events come on the audio thread and are handled here in turn; none is
    // delivered once this object is gone.
    direct_ = std::make_unique<PulseSound>([this](PulseSound::Event event, std::uint64_t generation) {
      QMetaObject::invokeMethod(this, [this, event, generation] { OnDirectEvent(event, generation); }, Qt::QueuedConnection);
    });
  }
  return direct_->Available() ? direct_.get() : nullptr;
}

const std::shared_ptr<const SoundWave>& QtSoundOutput::DirectWave(std::string_view file) {
  auto found = direct_waves_.find(file);
  if (found == direct_waves_.end()) {
    found = direct_waves_.emplace(std::string(file), SoundWave::Read(locations_.Content(file))).first;
  }
  return found->second;
}

bool QtSoundOutput::PlayDirect(std::string_view file, bool loop) {
  PulseSound* player = DirectPlayer();
  if (player == nullptr) return false;
  const std::shared_ptr<const SoundWave>& wave = DirectWave(file);
  if (wave == nullptr) return true;  // missing or damaged: silent, as with Qt
  direct_file_ = std::string(file);
  direct_loop_ = loop;
  direct_waits_ = true;
  last_direct_ = true;
  direct_generation_ = player->Play(wave, loop, muted_ ? 0.0 : volume_);
  return true;
}

void QtSoundOutput::OnDirectEvent(PulseSound::Event event, std::uint64_t generation) {
  // With the server gone, preloading again loads the game's sounds for Qt.
  if (event == PulseSound::Event::Unavailable && game_sounds_preloaded_) PreloadGameSounds();
  if (!DirectActive()) return;
  switch (event) {
    case PulseSound::Event::Started:
      if (generation != direct_generation_ || !direct_waits_) return;
      direct_waits_ = false;
      direct_plays_ = true;
      if (on_playing_changed_) on_playing_changed_(true);
      break;
    case PulseSound::Event::Finished:
      if (generation != direct_generation_) return;
      direct_waits_ = direct_plays_ = false;
      if (on_playing_changed_) on_playing_changed_(false);
      break;
    case PulseSound::Event::Refused:
      // The server would not start this sound: Qt plays it rather than nothing waiting forever.
      if (generation != direct_generation_) return;
      direct_waits_ = direct_plays_ = false;
      PlayThroughQt(direct_file_, direct_loop_);
      break;
    case PulseSound::Event::Unavailable:
      // Whatever the generation: the server is gone, so Qt plays the sound from its start.
      PlaySound(std::string(direct_file_), direct_loop_);
      break;
  }
}

void QtSoundOutput::PreloadGameSounds() {
  game_sounds_preloaded_ = true;
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
  if (PlayDirect(file, loop)) return;
  PlayThroughQt(file, loop);
}

void QtSoundOutput::PlayThroughQt(std::string_view file, bool loop) {
  last_direct_ = false;
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
  if (DirectActive()) {
    direct_waits_ = direct_plays_ = false;
    direct_->Stop();
  }
  current_waits_ = false;
  if (current_ == nullptr) return;
  QSoundEffect* previous = current_;
  current_ = nullptr;
  previous->stop();
}

void QtSoundOutput::SetMuted(bool muted) {
  muted_ = muted;
  for (const auto& [file, effect] : effects_) effect->setMuted(muted);
  if (direct_ != nullptr) direct_->SetVolume(muted_ ? 0.0 : volume_);
}

void QtSoundOutput::SetVolume(double volume) {
  volume_ = std::clamp(volume, 0.0, 1.0);
  for (const auto& [file, effect] : effects_) effect->setVolume(static_cast<float>(volume_));
  if (direct_ != nullptr && !muted_) direct_->SetVolume(volume_);
}

bool QtSoundOutput::IsBusy() const {
  return DirectActive() || (current_ != nullptr && (current_waits_ || current_->isPlaying()));
}

bool QtSoundOutput::Loading() const {
  for (const auto& [file, effect] : effects_) {
    const QSoundEffect::Status status = effect->status();
    if (status == QSoundEffect::Null || status == QSoundEffect::Loading) return true;
  }
  return false;
}

}  // namespace zemra
