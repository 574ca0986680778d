// Every callback runs on libpulse's own thread with its lock held; the
// public calls take that lock, so the two never touch the stream at once.
#include "sound/pulse_sound.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

namespace zemra {
namespace {

constexpr pa_usec_t kRefillUsec = 1'000'000;  // the server asks for more once a second
constexpr int kBufferedRefills = 2;           // and holds two seconds
// The server remembers a stream's volume under this name. Left to itself it
// would use the role, and the game's volume would become every game's.
constexpr char kRestoreId[] = "sink-input-by-application-id:org.zemra6.Zemra6";

class LoopLock {
 public:
  explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
  LoopLock(const LoopLock&) = delete;
  LoopLock& operator=(const LoopLock&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

std::optional<pa_sample_format_t> SampleFormat(std::uint32_t bits) {
  switch (bits) {
    case 8: return PA_SAMPLE_U8;
    case 16: return PA_SAMPLE_S16LE;
    case 24: return PA_SAMPLE_S24LE;
    case 32: return PA_SAMPLE_S32LE;
    default: return std::nullopt;
  }
}

pa_cvolume Volume(std::uint8_t channels, double linear) {
  pa_cvolume volume;
  pa_cvolume_set(&volume, channels, pa_sw_volume_from_linear(std::clamp(linear, 0.0, 1.0)));
  return volume;
}

void Forget(pa_operation* operation) {
  if (operation != nullptr) pa_operation_unref(operation);
}

}  // namespace

std::shared_ptr<const SoundWave> SoundWave::Read(const std::filesystem::path& path) {
  std::optional<std::string> bytes = ReadPlayableWaveFile(path);
  if (!bytes) return nullptr;
  auto sound = std::make_shared<SoundWave>();
  sound->bytes = std::move(*bytes);
  sound->wave = *FindWaveSamples(sound->bytes);
  // The server takes whole frames only.
  std::string_view& samples = sound->wave.samples;
  samples = samples.substr(0, samples.size() - samples.size() % sound->wave.format.FrameBytes());
  if (samples.empty() || !SampleFormat(sound->wave.format.bits)) return nullptr;
  return sound;
}

PulseSound::PulseSound(std::function<void(Event, std::uint64_t)> notify) : notify_(std::move(notify)) {
  loop_ = pa_threaded_mainloop_new();
  if (loop_ == nullptr) {
    available_ = false;
    return;
  }
  // How the desktop's mixer lists the game's streams.
  const std::unique_ptr<pa_proplist, decltype(&pa_proplist_free)> properties(pa_proplist_new(), &pa_proplist_free);
  pa_proplist_sets(properties.get(), PA_PROP_APPLICATION_ID, "org.zemra6.Zemra6");
  pa_proplist_sets(properties.get(), PA_PROP_APPLICATION_ICON_NAME, "org.zemra6.Zemra6");
  pa_proplist_sets(properties.get(), PA_PROP_MEDIA_ROLE, "game");
  context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "ZEMRA6", properties.get());
  if (context_ == nullptr) {
    available_ = false;
    return;
  }
  pa_context_set_state_callback(context_, &PulseSound::OnContextState, this);
  // No server is started for us: without one the game falls back to Qt's output.
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
      pa_threaded_mainloop_start(loop_) < 0) {
    available_ = false;
  }
}

PulseSound::~PulseSound() {
  if (loop_ == nullptr) return;
  {
    LoopLock lock(loop_);
    notify_ = nullptr;
    DropStream();
    if (context_ != nullptr) {
      pa_context_set_state_callback(context_, nullptr, nullptr);
      pa_context_disconnect(context_);
      pa_context_unref(context_);
      context_ = nullptr;
    }
  }
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
}

std::uint64_t PulseSound::Play(std::shared_ptr<const SoundWave> wave, bool loop, double volume) {
  if (!available_ || wave == nullptr) return 0;
  LoopLock lock(loop_);
  DropStream();
  wave_ = std::move(wave);
  looping_ = loop;
  position_ = 0;
  volume_ = volume;
  ++generation_;
  if (pa_context_get_state(context_) == PA_CONTEXT_READY) StartStream();  // else once the server answers
  return generation_;
}

void PulseSound::Stop() {
  if (loop_ == nullptr) return;
  LoopLock lock(loop_);
  ++generation_;
  wave_.reset();
  DropStream();
}

void PulseSound::SetVolume(double volume) {
  if (!available_) return;
  LoopLock lock(loop_);
  volume_ = volume;
  ApplyVolume();
}

void PulseSound::StartStream() {
  const WaveFormat& format = wave_->wave.format;
  const pa_sample_spec layout{*SampleFormat(format.bits), format.rate, static_cast<std::uint8_t>(format.channels)};
  stream_ready_ = false;
  if (pa_sample_spec_valid(&layout) == 0) {
    Notify(Event::Refused);
    return;
  }
  const std::unique_ptr<pa_proplist, decltype(&pa_proplist_free)> properties(pa_proplist_new(), &pa_proplist_free);
  pa_proplist_sets(properties.get(), "module-stream-restore.id", kRestoreId);
  stream_ = pa_stream_new_with_proplist(context_, looping_ ? "music" : "sound", &layout, nullptr, properties.get());
  if (stream_ == nullptr) {
    Notify(Event::Refused);
    return;
  }
  pa_stream_set_state_callback(stream_, &PulseSound::OnStreamState, this);
  pa_stream_set_write_callback(stream_, &PulseSound::OnWrite, this);
  const auto refill = static_cast<std::uint32_t>(pa_usec_to_bytes(kRefillUsec, &layout));
  const pa_buffer_attr buffer{static_cast<std::uint32_t>(-1), kBufferedRefills * refill, static_cast<std::uint32_t>(-1),
                              refill, static_cast<std::uint32_t>(-1)};
  const pa_cvolume volume = Volume(layout.channels, volume_);
  if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_NOFLAGS, &volume, nullptr) < 0) {
    DropStream();
    Notify(Event::Refused);
  }
}

void PulseSound::DropStream() {
  if (drain_ != nullptr) {
    pa_operation_cancel(drain_);
    pa_operation_unref(drain_);
    drain_ = nullptr;
  }
  if (stream_ == nullptr) return;
  pa_stream_set_state_callback(stream_, nullptr, nullptr);
  pa_stream_set_write_callback(stream_, nullptr, nullptr);
  pa_stream_disconnect(stream_);
  pa_stream_unref(stream_);
  stream_ = nullptr;
}

void PulseSound::ApplyVolume() {
  if (stream_ == nullptr || pa_stream_get_state(stream_) != PA_STREAM_READY) return;  // connected with volume_
  const pa_cvolume volume = Volume(pa_stream_get_sample_spec(stream_)->channels, volume_);
  Forget(pa_context_set_sink_input_volume(context_, pa_stream_get_index(stream_), &volume, nullptr, nullptr));
}

void PulseSound::Notify(Event event) {
  if (notify_) notify_(event, generation_);
}

void PulseSound::Lost() {
  available_ = false;
  DropStream();
  wave_.reset();
  Notify(Event::Unavailable);
}

void PulseSound::OnContextState(pa_context* context, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
      if (sound.wave_ != nullptr && sound.stream_ == nullptr) sound.StartStream();
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      sound.Lost();
      break;
    default:
      break;
  }
}

void PulseSound::OnStreamState(pa_stream* stream, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
      sound.stream_ready_ = true;
      // A volume set while the stream was connecting came after the one it was connected with.
      sound.ApplyVolume();
      sound.Notify(Event::Started);
      break;
    case PA_STREAM_FAILED:
      // A stream the server would not start is played another way; a lost
      // sink ends the sound; a lost server ends the context too.
      sound.DropStream();
      sound.Notify(sound.stream_ready_ ? Event::Finished : Event::Refused);
      break;
    default:
      break;
  }
}

void PulseSound::OnWrite(pa_stream* stream, std::size_t bytes, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  const std::string_view samples = sound.wave_->wave.samples;
  while (bytes > 0) {
    void* data = nullptr;
    std::size_t size = bytes;
    if (pa_stream_begin_write(stream, &data, &size) < 0) return;
    size -= size % sound.wave_->wave.format.FrameBytes();  // the loop's position stays on a frame
    if (size == 0) {
      pa_stream_cancel_write(stream);
      return;
    }
    auto* out = static_cast<char*>(data);
    if (!sound.looping_) size = std::min(size, samples.size() - sound.position_);
    for (std::size_t done = 0; done < size;) {
      const std::size_t part = std::min(size - done, samples.size() - sound.position_);
      std::memcpy(out + done, samples.data() + sound.position_, part);
      done += part;
      sound.position_ += part;
      if (sound.looping_ && sound.position_ == samples.size()) sound.position_ = 0;
    }
    if (pa_stream_write(stream, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
    bytes -= std::min(bytes, size);
    if (!sound.looping_ && sound.position_ == samples.size()) {
      // All of it is with the server: no more requests, and word once it is heard.
      pa_stream_set_write_callback(stream, nullptr, nullptr);
      sound.drain_ = pa_stream_drain(stream, &PulseSound::OnDrained, self);
      return;
    }
  }
}

void PulseSound::OnDrained(pa_stream* stream, int success, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  if (stream != sound.stream_) return;
  if (sound.drain_ != nullptr) pa_operation_unref(sound.drain_);
  sound.drain_ = nullptr;
  if (success == 0) return;  // cut short: a newer sound or a stop took over
  sound.DropStream();
  sound.wave_.reset();
  sound.Notify(Event::Finished);
}

}  // namespace zemra
