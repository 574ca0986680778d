// zemra6-bench: measures the window program as a player meets it. It starts
// copies of itself as the game (the same window, host and pump as zemra6) in
// an empty working folder and reports:
//   - time from process start to the first painted title frame (5 runs);
//   - CPU share of one core over ten seconds on the title page and on an
//     idle main page (reached by answering the name page), and peak memory.
// Run it under a display (xvfb-run -a build/zemra6-bench) or with
// QT_QPA_PLATFORM=offscreen. "--child SCENE" is the game side of a run.
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_pump.h"
#include "app/main_window.h"
#include "app/modal_answerer.h"
#include "app/picture_box.h"
#include "engine/program_locations.h"
#include "game/game.h"

namespace {

constexpr int kFrameRuns = 5;
constexpr int kSettleMs = 1000;
constexpr int kSampleSeconds = 10;
constexpr int kReadyTimeoutMs = 15000;

std::int64_t MonotonicNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// ---- the game side -------------------------------------------------------

// SCENE is "frame" (report the first title frame, then quit), "title" (stay
// on the title page) or "main" (walk through the name page, stay idle).
int RunChild(int argc, char* argv[], const QString& scene) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  zemra::TFormMain window(zemra::ResolveProgramLocations(QApplication::applicationDirPath().toStdString(), false).locations);
  auto* title = static_cast<zemra::PictureBox*>(window.ControlWidget(zemra::Control::PntTitle));
  bool first_frame = true;
  title->SetOnPainted([&] {
    if (!first_frame) return;
    first_frame = false;
    Say("FRAME " + std::to_string(MonotonicNs()));
    if (scene == QLatin1String("frame")) QTimer::singleShot(0, &app, &QCoreApplication::quit);
    if (scene == QLatin1String("title")) Say("READY");
  });
  window.show();
  window.StartDeferred(static_cast<std::uint64_t>(MonotonicNs()));

  if (scene == QLatin1String("main")) {
    // Queued after the start: the title page is up when this runs.
    QTimer::singleShot(0, &window, [&window] {
      window.Pump().Apply(zemra::Input::TitleClick());
      {
        const zemra::ModalAnswerer answerer(zemra::ModalAnswerer::Agree);
        window.Pump().Apply(zemra::Input::NameGiven("ベンチ"));
      }
      Say(window.ControlWidget(zemra::Control::PageMain)->isVisible() ? "READY" : "FAILED");
    });
  }
  return QApplication::exec();
}

// ---- the measuring side --------------------------------------------------

struct Sample {
  double cpu_seconds = 0;
  long peak_kib = 0;
};

std::optional<Sample> ReadProc(qint64 pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return std::nullopt;
  // Fields after the command name, which is in parentheses and may hold spaces.
  std::istringstream rest(line.substr(line.rfind(')') + 2));
  std::vector<std::string> fields;
  for (std::string field; rest >> field;) fields.push_back(field);
  if (fields.size() < 13) return std::nullopt;
  Sample sample;
  const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
  sample.cpu_seconds = (std::stod(fields[11]) + std::stod(fields[12])) / ticks;  // utime, stime
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string entry; std::getline(status, entry);) {
    if (entry.rfind("VmHWM:", 0) == 0) sample.peak_kib = std::stol(entry.substr(6));
  }
  return sample;
}

class Child {
 public:
  explicit Child(const QString& scene) {
    process_.setWorkingDirectory(folder_.path());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    start_ns_ = MonotonicNs();
    process_.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), scene});
  }
  ~Child() {
    if (process_.state() != QProcess::NotRunning) {
      process_.terminate();
      if (!process_.waitForFinished(3000)) process_.kill();
      process_.waitForFinished(3000);
    }
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Waits for a line starting with the word; returns the rest of it.
  std::optional<std::string> WaitFor(const std::string& word) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReadyTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
      while (process_.canReadLine()) {
        const std::string line = process_.readLine().trimmed().toStdString();
        if (line.rfind(word, 0) == 0) return line.substr(word.size());
      }
      if (!process_.waitForReadyRead(200) && process_.state() == QProcess::NotRunning) break;
    }
    return std::nullopt;
  }

  qint64 Pid() const { return process_.processId(); }
  std::int64_t StartNs() const { return start_ns_; }

 private:
  QTemporaryDir folder_;  // no save.dat: a new run
  QProcess process_;
  std::int64_t start_ns_ = 0;
};

std::optional<double> FirstFrameMs() {
  Child child(QStringLiteral("frame"));
  const auto frame = child.WaitFor("FRAME ");
  if (!frame) return std::nullopt;
  return static_cast<double>(std::stoll(*frame) - child.StartNs()) / 1e6;
}

bool MeasureIdle(const char* label, const QString& scene, double aim_percent) {
  Child child(scene);
  if (!child.WaitFor("READY")) {
    std::printf("%-16s could not reach the page\n", label);
    return false;
  }
  QThread::msleep(kSettleMs);
  const auto before = ReadProc(child.Pid());
  QThread::sleep(kSampleSeconds);
  const auto after = ReadProc(child.Pid());
  if (!before || !after) {
    std::printf("%-16s the program ended early\n", label);
    return false;
  }
  const double percent = 100.0 * (after->cpu_seconds - before->cpu_seconds) / kSampleSeconds;
  std::printf("%-16s CPU %5.2f %% of a core over %d s (aim < %.0f %%), peak memory %.1f MiB\n", label, percent,
              kSampleSeconds, aim_percent, static_cast<double>(after->peak_kib) / 1024.0);
  return percent < aim_percent;
}

int RunBenchmark() {
  std::vector<double> frames;
  for (int run = 0; run < kFrameRuns; ++run) {
    if (const auto ms = FirstFrameMs()) frames.push_back(*ms);
  }
  bool within = !frames.empty();
  if (frames.empty()) {
    std::printf("first frame      never painted\n");
  } else {
    std::sort(frames.begin(), frames.end());
    const double median = frames[frames.size() / 2];
    std::printf("first frame      median %.0f ms, min %.0f ms, max %.0f ms over %zu runs (aim < 300 ms)\n", median,
                frames.front(), frames.back(), frames.size());
    within = median < 300.0;
  }
  within = MeasureIdle("title page", QStringLiteral("title"), 5.0) && within;
  within = MeasureIdle("main page idle", QStringLiteral("main"), 1.0) && within;
  std::printf("%s\n", within ? "all within aim" : "some figures over aim");
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc >= 3 && std::string(argv[1]) == "--child") return RunChild(argc, argv, QString::fromLocal8Bit(argv[2]));
  QCoreApplication app(argc, argv);
  return RunBenchmark();
}
