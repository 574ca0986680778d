// The game's sounds straight through the PulseAudio server, one at a time: a
// stream of its own per sound, holding up to two seconds and topped up once
// a second. Qt's audio sink wakes the program every 20 ms while any sound
// plays (on the title page as much as the title's own drawing costs) and
// keeps a little memory from every sound it plays.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "sound/wave_check.h"

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

namespace zemra {

// A wave file's bytes with its whole frames found once; shared with the audio thread.
struct SoundWave {
  std::string bytes;
  WaveSamples wave;  // views bytes

  // Null when the file is missing, damaged or holds less than one frame.
  static std::shared_ptr<const SoundWave> Read(const std::filesystem::path& path);
};

class PulseSound {
 public:
  enum class Event {
    Started,      // the sound of this generation plays
    Finished,     // a sound played once has been heard to its end
    Refused,      // the sound of this generation could not start: play it another way
    Unavailable,  // no server, or it went away; every later call is ignored
  };
  // notify runs on the audio thread (or in the constructor, for a failed
  // connection) with the audio lock held: it may only hand the event on.
  explicit PulseSound(std::function<void(Event, std::uint64_t generation)> notify);
  ~PulseSound();
  PulseSound(const PulseSound&) = delete;
  PulseSound& operator=(const PulseSound&) = delete;

  // False once the server could not be reached or was lost.
  bool Available() const { return available_; }
  // Plays the wave from its start, once or looping, replacing any sound, at
  // a linear volume of 0 to 1; returns the generation its events carry.
  std::uint64_t Play(std::shared_ptr<const SoundWave> wave, bool loop, double volume);
  void Stop();
  // Applied by the server at once, to what is buffered too.
  void SetVolume(double volume);

 private:
  static void OnContextState(pa_context* context, void* self);
  static void OnStreamState(pa_stream* stream, void* self);
  static void OnWrite(pa_stream* stream, std::size_t bytes, void* self);
  static void OnDrained(pa_stream* stream, int success, void* self);
  void StartStream();
  void DropStream();
  void ApplyVolume();
  void Lost();
  void Notify(Event event);

  std::function<void(Event, std::uint64_t)> notify_;
  std::atomic<bool> available_{true};
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  // Below: guarded by the main loop's lock.
  pa_stream* stream_ = nullptr;
  pa_operation* drain_ = nullptr;
  std::shared_ptr<const SoundWave> wave_;
  bool looping_ = false;
  std::size_t position_ = 0;
  double volume_ = 1.0;
  std::uint64_t generation_ = 0;
  bool stream_ready_ = false;  // the current stream has started
};

}  // namespace zemra
