// zemra6-soundcheck: plays the game's sounds through the game's own sound
// output, without a window, so a recording of the audio server can prove
// what is heard. Modes:
//   play FILE   load every game sound first, then play FILE once
//   early FILE  play FILE at once, while it is still loading
//   cut         loop the title music, cut it with a one-shot, then print
//               "CUT" and stay quiet for a while
//   cut-early   the same, both asked for at once before either has loaded:
//               the loop must never start
//   mute-music  loop the title music, mute every sound, then print "CUT"
//               and stay quiet for a while: what the server holds must not
//               be heard either
//   again FILE  play FILE, and again while it still plays (the restart must
//               be heard: it is reported as a second start)
//   muted FILE  as play, with every sound muted first
//   quieter FILE  as play, at 30 % volume
// "--qt" first sends every sound through Qt Multimedia, as without a server.
// Prints how long each sound took to start; exits 1 when a sound that should
// play never did.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>

#include "app/window/sound_output.h"
#include "platform/program_locations.h"

namespace {

constexpr int kLoadTimeoutMs = 5000;
constexpr int kPlayTimeoutMs = 10000;
constexpr int kLoopMs = 1500;
constexpr int kQuietMs = 2000;
constexpr int kAgainMs = 150;
constexpr double kQuieterVolume = 0.3;

// Runs the event loop until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    if (condition() || clock.elapsed() >= timeout_ms) loop.quit();
  });
  tick.start(5);
  if (!condition()) loop.exec();
  return condition();
}

void Pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Plays a file and reports the start delay; false if it never started.
bool PlayAndReport(zemra::QtSoundOutput& sound, const std::string& file, bool loop) {
  bool started = false;
  QElapsedTimer clock;
  sound.SetOnPlayingChanged([&](bool playing) {
    if (playing && !started) {
      started = true;
      std::printf("%s started after %lld ms\n", file.c_str(), static_cast<long long>(clock.elapsed()));
      std::fflush(stdout);
    }
  });
  clock.start();
  sound.PlaySound(file, loop);
  WaitUntil([&] { return started; }, kLoadTimeoutMs);
  if (!started) std::printf("%s did not start\n", file.c_str());
  return started;
}

// Plays the one-shot over the music, marks its end on standard output and
// stays quiet a while, so the recording shows whether the music stopped.
int CutWithOneShot(zemra::QtSoundOutput& sound) {
  if (!PlayAndReport(sound, "dat/popon.wav", false)) return 1;
  WaitUntil([&] { return !sound.IsBusy(); }, kPlayTimeoutMs);
  std::printf("CUT\n");
  std::fflush(stdout);
  Pause(kQuietMs);
  return 0;
}


int Usage() {
  std::fprintf(stderr, "usage: zemra6-soundcheck [--qt] play FILE | early FILE | again FILE | muted FILE | quieter FILE | cut | cut-early | mute-music\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QStringList args = QCoreApplication::arguments();
  zemra::QtSoundOutput sound;
  if (args.size() > 1 && args.at(1) == QLatin1String("--qt")) {
    sound.UseQtOnly();
    args.removeAt(1);
  }
  if (args.size() < 2) return Usage();
  const QString mode = args.at(1);
  sound.SetLocations(zemra::ResolveProgramLocations(QCoreApplication::applicationDirPath().toStdString(), false).locations);

  if (mode == QLatin1String("muted")) sound.SetMuted(true);
  if (mode == QLatin1String("quieter")) sound.SetVolume(kQuieterVolume);
  const bool as_play = mode == QLatin1String("play") || mode == QLatin1String("muted") || mode == QLatin1String("quieter");
  if (as_play || mode == QLatin1String("early")) {
    if (args.size() < 3) return Usage();
    const std::string file = args.at(2).toStdString();
    if (as_play) {
      sound.PreloadGameSounds();
      sound.Preload(file);
      WaitUntil([&] { return !sound.Loading(); }, kLoadTimeoutMs);
    }
    const bool started = PlayAndReport(sound, file, false);
    WaitUntil([&] { return !sound.IsBusy(); }, kPlayTimeoutMs);
    std::printf("played %s\n", sound.LastSoundDirect() ? "through the server directly" : "through Qt");
    return started ? 0 : 1;
  }

  if (mode == QLatin1String("again")) {
    if (args.size() < 3) return Usage();
    const std::string file = args.at(2).toStdString();
    sound.PreloadGameSounds();
    sound.Preload(file);
    WaitUntil([&] { return !sound.Loading(); }, kLoadTimeoutMs);
    if (!PlayAndReport(sound, file, false)) return 1;
    Pause(kAgainMs);
    const bool restarted = PlayAndReport(sound, file, false);
    WaitUntil([&] { return !sound.IsBusy(); }, kPlayTimeoutMs);
    return restarted ? 0 : 1;
  }

  const bool mute_music = mode == QLatin1String("mute-music");
  if (mode == QLatin1String("cut") || mute_music) {
    sound.PreloadGameSounds();
    WaitUntil([&] { return !sound.Loading(); }, kLoadTimeoutMs);
    if (!PlayAndReport(sound, "dat/04b.wav", true)) return 1;
    std::printf("sounds %s\n", sound.Direct() ? "through the server directly" : "through Qt");
    Pause(kLoopMs);
    if (!mute_music) return CutWithOneShot(sound);
    sound.SetMuted(true);
    std::printf("CUT\n");
    std::fflush(stdout);
    Pause(kQuietMs);
    return 0;
  }

  if (mode == QLatin1String("cut-early")) {
    sound.PlaySound("dat/04b.wav", true);
    return CutWithOneShot(sound);
  }
  return Usage();
}
