// zemra6-bench: measures the window program as a player meets it, side by
// side with the floor that Qt itself sets on the same machine in the same
// run, so that the ratios hold on a busy machine. It starts copies of itself
// in empty working folders: the game (the same window, host, pump, desk
// controls and sound output as zemra6, recording its sitting beside the save
// as zemra6 does by default) and the floor, a bare 500 x 400 widget whose
// 50 ms precise timer fills a 500 x 400 RGB32 image with a new colour and
// repaints all of it with QPainter::drawImage, the area the title redraws each
// frame. It prints:
//   - first frame: process start to the first painted frame, game and floor;
//   - title page: CPU share of the title page and of the floor, both running
//     at once over the same seconds, and their ratio;
//   - idle: CPU share on the pages that show no animation (name, main, field);
//   - memory: peak memory of the window after 10 and after 1,000 battles,
//     and of zemra6-text (recording too) after 1,000 and after 100,000
//     actions. Each battle's kit and field are put in place directly; every
//     press and click of the battle goes through the window's pump as a
//     click does: applied, recorded, and followed by the refresh of what a
//     screen reader hears;
//   - clock step: how long zemra6-text takes to answer "tick 2147483647" on
//     the title page.
// Each figure is the median of --runs runs (5) with their range. Run it with
// QT_QPA_PLATFORM=offscreen, under a real X server (xvfb-run -a), and with an
// audio server up (tools/with_null_sink.sh). "--child SCENE" is the game or
// floor side of a run; "--only PART" runs one part (frame, title, idle,
// memory, step).
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/window/game_pump.h"
#include "app/window/main_window.h"
#include "support/modal_answerer.h"
#include "app/window/picture_box.h"
#include "platform/program_locations.h"
#include "game/game.h"
#include "measure/battle_bench.h"
#include "options/program_options.h"

namespace {

constexpr int kSettleMs = 1000;
constexpr int kReadyTimeoutMs = 120000;
constexpr int kFewBattles = 10;
constexpr int kManyBattles = 1000;
constexpr int kFewActions = 1000;
constexpr int kManyActions = 100000;

std::int64_t MonotonicNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// ---- the floor ------------------------------------------------------------

class FloorWidget : public QWidget {
 public:
  explicit FloorWidget(std::function<void()> on_first_paint)
      : image_(500, 400, QImage::Format_RGB32), on_first_paint_(std::move(on_first_paint)) {
    setFixedSize(500, 400);
    image_.fill(QColor::fromHsv(0, 255, 160));
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
      hue_ = (hue_ + 1) % 360;
      image_.fill(QColor::fromHsv(hue_, 255, 160));
      update();
    });
    timer_.start(50);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    painter.end();
    if (on_first_paint_) std::exchange(on_first_paint_, nullptr)();
  }

 private:
  QImage image_;
  QTimer timer_;
  int hue_ = 0;
  std::function<void()> on_first_paint_;
};

// ---- the game side ---------------------------------------------------------

// Reports the first paint of any widget of a window.
class FirstPaintSpy : public QObject {
 public:
  FirstPaintSpy(QWidget* window, std::function<void()> on_paint) : window_(window), on_paint_(std::move(on_paint)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (on_paint_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_) {
      std::exchange(on_paint_, nullptr)();
    }
    return false;
  }

 private:
  QWidget* window_;
  std::function<void()> on_paint_;
};

// Walks through the title and name pages as a player would.
bool ReachMainPage(zemra::TFormMain& window) {
  window.Pump().Apply(zemra::Input::TitleClick());
  {
    const zemra::ModalAnswerer answerer(zemra::ModalAnswerer::Agree);
    window.Pump().Apply(zemra::Input::NameGiven("ベンチ"));
  }
  return window.ControlWidget(zemra::Control::PageMain)->isVisible();
}

// Plays the battles one per turn of the event loop, so the window paints and
// cleans up between them. Every press and click goes through the pump as the
// window's own would: applied, recorded, followed by the desk's refresh of
// what a screen reader hears and by the pump arming its timer.
void PlayBattles(zemra::TFormMain& window, int left, int played = 0) {
  if (played == left) {
    Say("READY");
    return;
  }
  {
    const zemra::ModalAnswerer answerer(zemra::ModalAnswerer::Agree);
    zemra::GamePump& pump = window.Pump();
    const zemra::BenchHands hands{
        [&pump](int button, std::string_view caption) { pump.Apply(zemra::Input::Command(button, std::string(caption))); },
        [&pump](int label) { pump.Apply(zemra::Input::SwordClick(label)); }, [] {}};
    zemra::GiveBenchKit(played % 10);
    zemra::PlayBenchBattle(hands);
  }
  QTimer::singleShot(0, &window, [&window, left, played] { PlayBattles(window, left, played + 1); });
}

// SCENE: "frame" (report the first title frame, then quit), "title" (stay on
// the title page), "name" (open the name page, stay idle), "main" (walk
// through the name page, stay idle), "battles N" (then play N battles and
// stay idle in the field); "floor-frame" and "floor" are the floor's.
int RunChild(int argc, char* argv[], const QString& scene, int battles) {
  QApplication app(argc, argv);
  if (scene.startsWith(QLatin1String("floor"))) {
    FloorWidget floor([&] {
      Say("FRAME " + std::to_string(MonotonicNs()));
      if (scene == QLatin1String("floor-frame")) QTimer::singleShot(0, &app, &QCoreApplication::quit);
      Say("READY");
    });
    floor.show();
    return QApplication::exec();
  }
  QApplication::setApplicationName(QString::fromUtf8(zemra::kAppTitle));
  zemra::TFormMain window(zemra::ResolveProgramLocations(QApplication::applicationDirPath().toStdString(), false).locations);
  // As zemra6 starts by default: the sitting is recorded beside the save.
  std::string program = zemra::VersionText(zemra::Program::kWindow);
  program.pop_back();
  window.RecordSittings(std::move(program));
  // The first frame: the first paint of any part of the window, as for the floor.
  FirstPaintSpy spy(&window, [&] {
    Say("FRAME " + std::to_string(MonotonicNs()));
    if (scene == QLatin1String("frame")) Say("READY");
  });
  app.installEventFilter(&spy);
  auto* title = static_cast<zemra::PictureBox*>(window.ControlWidget(zemra::Control::PntTitle));
  bool first_title = true;
  title->SetOnPainted([&] {
    if (!first_title) return;
    first_title = false;
    Say("TITLE " + std::to_string(MonotonicNs()));
    if (scene == QLatin1String("frame")) QTimer::singleShot(0, &app, &QCoreApplication::quit);
    if (scene == QLatin1String("title")) Say("READY");
  });
  window.show();
  // Run right after the start: the title page is up.
  window.StartDeferred(static_cast<std::uint64_t>(MonotonicNs()), false, std::nullopt, [&window, &scene, battles] {
    if (scene == QLatin1String("name")) {
      window.Pump().Apply(zemra::Input::TitleClick());
      Say("READY");
    } else if (scene == QLatin1String("main") || scene == QLatin1String("battles")) {
      // Queued: the name page's boxes are answered from the event loop.
      QTimer::singleShot(0, &window, [&window, &scene, battles] {
        if (!ReachMainPage(window)) {
          Say("FAILED");
        } else if (scene == QLatin1String("main")) {
          Say("READY");
        } else {
          PlayBattles(window, battles);
        }
      });
    }
  });
  return QApplication::exec();
}

// ---- the measuring side ----------------------------------------------------

// Nanoseconds the process's threads have run, summed over its live threads
// (/proc/PID/task/*/schedstat): exact where the clock-tick counts of
// /proc/PID/stat would round a 1 % share by a tenth.
std::optional<double> CpuSeconds(qint64 pid) {
  const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
  if (!tasks.exists()) return std::nullopt;
  double total = 0;
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    std::ifstream stat(tasks.filePath(task + QStringLiteral("/schedstat")).toStdString());
    double ns = 0;
    if (stat >> ns) total += ns / 1e9;
  }
  return total;
}

std::optional<double> PeakMiB(qint64 pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string entry; std::getline(status, entry);) {
    if (entry.rfind("VmHWM:", 0) == 0) return std::stod(entry.substr(6)) / 1024.0;
  }
  return std::nullopt;
}

class Child {
 public:
  explicit Child(const QStringList& arguments, const QString& program = QCoreApplication::applicationFilePath()) {
    process_.setWorkingDirectory(folder_.path());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    start_ns_ = MonotonicNs();
    process_.start(program, arguments);
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

  // One line to standard input, and the line that answers it.
  std::optional<QByteArray> Ask(const QByteArray& line) {
    process_.write(line + '\n');
    while (!process_.canReadLine()) {
      if (!process_.waitForReadyRead(10000)) return std::nullopt;
    }
    return process_.readLine();
  }

  qint64 Pid() const { return process_.processId(); }
  std::int64_t StartNs() const { return start_ns_; }

 private:
  QTemporaryDir folder_;  // no save.dat: a new run
  QProcess process_;
  std::int64_t start_ns_ = 0;
};

Child GameChild(const QString& scene, int battles = 0) {
  return Child({QStringLiteral("--child"), scene, QString::number(battles)});
}

struct Figures {
  std::vector<double> values;
  void Add(double value) { values.push_back(value); }
  bool Empty() const { return values.empty(); }
  double Median() const {
    std::vector<double> v = values;
    std::sort(v.begin(), v.end());
    return v.size() % 2 == 1 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
  }
  double Min() const { return *std::min_element(values.begin(), values.end()); }
  double Max() const { return *std::max_element(values.begin(), values.end()); }
};

std::string Show(const Figures& f, const char* format) {
  if (f.Empty()) return "none";
  char text[160];
  std::snprintf(text, sizeof text, format, f.Median());
  std::string out = text;
  std::snprintf(text, sizeof text, (std::string(" (") + format + "–" + format + ")").c_str(), f.Min(), f.Max());
  return out + text;
}

// Game and floor start together, so that a busy moment slows both.
void MeasureFirstFrame(int runs) {
  Figures game;
  Figures title;
  Figures floor;
  Figures ratio;
  for (int run = 0; run < runs; ++run) {
    Child game_child = GameChild(QStringLiteral("frame"));
    Child floor_child = GameChild(QStringLiteral("floor-frame"));
    const auto since = [](const Child& child, const std::optional<std::string>& line) -> std::optional<double> {
      if (!line) return std::nullopt;
      return static_cast<double>(std::stoll(*line) - child.StartNs()) / 1e6;
    };
    const auto g = since(game_child, game_child.WaitFor("FRAME "));
    const auto f = since(floor_child, floor_child.WaitFor("FRAME "));
    if (const auto t = since(game_child, game_child.WaitFor("TITLE "))) title.Add(*t);
    if (g) game.Add(*g);
    if (f) floor.Add(*f);
    if (g && f) ratio.Add(*g / *f);
  }
  std::printf("first frame      game %s ms, floor %s ms, ratio %s (aim <= 1.5)\n", Show(game, "%.0f").c_str(),
              Show(floor, "%.0f").c_str(), Show(ratio, "%.2f").c_str());
  // The animation's first frame comes one title interval (50 ms) after the game starts, by the game's rules.
  std::printf("first title frame game %s ms\n", Show(title, "%.0f").c_str());
}

// CPU shares, in per cent of one core, of processes sampled over the same seconds.
std::vector<std::optional<double>> SharesTogether(const std::vector<qint64>& pids, int seconds) {
  std::vector<std::optional<double>> before;
  for (qint64 pid : pids) before.push_back(CpuSeconds(pid));
  const std::int64_t start = MonotonicNs();
  QThread::sleep(static_cast<unsigned long>(seconds));
  const double elapsed = static_cast<double>(MonotonicNs() - start) / 1e9;
  std::vector<std::optional<double>> shares;
  for (std::size_t i = 0; i < pids.size(); ++i) {
    const auto after = CpuSeconds(pids[i]);
    shares.push_back(before[i] && after ? std::optional<double>(100.0 * (*after - *before[i]) / elapsed) : std::nullopt);
  }
  return shares;
}

void MeasureTitle(int runs, int seconds) {
  Figures game;
  Figures floor;
  Figures ratio;
  for (int run = 0; run < runs; ++run) {
    Child title = GameChild(QStringLiteral("title"));
    Child bare = GameChild(QStringLiteral("floor"));
    if (!title.WaitFor("READY") || !bare.WaitFor("READY")) {
      std::printf("title page       could not reach the page\n");
      return;
    }
    QThread::msleep(kSettleMs);
    const auto shares = SharesTogether({title.Pid(), bare.Pid()}, seconds);
    if (!shares[0] || !shares[1]) continue;
    game.Add(*shares[0]);
    floor.Add(*shares[1]);
    if (*shares[1] > 0) ratio.Add(*shares[0] / *shares[1]);
  }
  std::printf("title page       game %s %%, floor %s %% of a core over %d s, ratio %s (aim <= 1.5)\n",
              Show(game, "%.2f").c_str(), Show(floor, "%.2f").c_str(), seconds, Show(ratio, "%.2f").c_str());
}

void MeasureIdle(const char* label, const QString& scene, int runs, int seconds, int battles = 0) {
  Figures share;
  for (int run = 0; run < runs; ++run) {
    Child child = GameChild(scene, battles);
    if (!child.WaitFor("READY")) {
      std::printf("%-16s could not reach the page\n", label);
      return;
    }
    QThread::msleep(kSettleMs);
    if (const auto s = SharesTogether({child.Pid()}, seconds)[0]) share.Add(*s);
  }
  std::printf("%-16s CPU %s %% of a core over %d s (aim 0.00)\n", label, Show(share, "%.2f").c_str(), seconds);
}

std::optional<double> WindowPeakAfter(int battles) {
  Child child = GameChild(QStringLiteral("battles"), battles);
  if (!child.WaitFor("READY")) return std::nullopt;
  return PeakMiB(child.Pid());
}

// The next action for zemra6-text: a player that fights while its life holds,
// flees when it runs low, takes the first spoil, and now and then looks at a
// sword, leaves it, waits a moment or asks for the screen.
QByteArray NextAction(const QJsonObject& screen, int count) {
  const QString page = screen.value(QStringLiteral("page")).toString();
  if (page == QLatin1String("title")) return "title";
  if (page == QLatin1String("name")) return "name ベンチ";
  static const char* const kAsides[] = {"hover 0", "leave", "tick 60", "state", "hover 3", "leave"};
  if (count % 7 == 0) return kAsides[(count / 7) % 6];
  QStringList commands;
  for (const auto& command : screen.value(QStringLiteral("commands")).toArray()) commands << command.toString();
  const QJsonArray lines = screen.value(QStringLiteral("lines")).toArray();
  if (!lines.isEmpty() && lines[0].toString() == QStringLiteral("どの剣を奪いますか？")) return "click 0";
  const QString life = screen.value(QStringLiteral("self")).toObject().value(QStringLiteral("life")).toString();
  const int hp = life.contains(QStringLiteral("／")) ? life.section(QStringLiteral("／"), 0, 0).toInt()
                                                     : static_cast<int>(life.count(QStringLiteral("★")));
  const auto press = [](const QString& caption) { return ("press " + caption).toUtf8(); };
  if (commands.contains(QStringLiteral("戦う"))) return press(hp >= 3 ? QStringLiteral("戦う") : QStringLiteral("逃げる"));
  if (commands.contains(QStringLiteral("ファイト"))) return press(hp >= 3 ? QStringLiteral("ファイト") : QStringLiteral("逃走"));
  for (const char* caption : {"≫", "徘徊"}) {
    if (commands.contains(QString::fromUtf8(caption))) return press(QString::fromUtf8(caption));
  }
  // Anything else but the end: the first command shown.
  if (!commands.isEmpty() && commands[0] != QStringLiteral("終")) return press(commands[0]);
  return kAsides[count % 6];
}

std::optional<double> TextPeakAfter(int actions) {
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zemra6-text");
  Child child({QStringLiteral("--seed"), QStringLiteral("1")}, program);
  auto line = child.WaitFor("{");
  if (!line) return std::nullopt;
  QJsonObject screen = QJsonDocument::fromJson(QByteArray("{") + QByteArray::fromStdString(*line)).object();
  for (int count = 0; count < actions; ++count) {
    const auto answer = child.Ask(NextAction(screen, count));
    if (!answer) return std::nullopt;
    screen = QJsonDocument::fromJson(*answer).object();
    if (screen.value(QStringLiteral("terminated")).toBool()) return std::nullopt;
  }
  return PeakMiB(child.Pid());
}

// Peak memory after a few and after many steps of play, and the growth between.
void MeasureGrowth(int runs, const char* label, const char* unit, int few_steps, int many_steps,
                   const std::function<std::optional<double>(int)>& peak_after) {
  Figures few;
  Figures many;
  Figures growth;
  for (int run = 0; run < runs; ++run) {
    const auto a = peak_after(few_steps);
    const auto b = peak_after(many_steps);
    if (a) few.Add(*a);
    if (b) many.Add(*b);
    if (a && b) growth.Add(*b - *a);
  }
  std::printf("%-16s peak %s MiB after %d %s, %s MiB after %d, growth %s MiB (aim < 1)\n", label,
              Show(few, "%.1f").c_str(), few_steps, unit, Show(many, "%.1f").c_str(), many_steps,
              Show(growth, "%.2f").c_str());
}

void MeasureMemory(int runs) {
  MeasureGrowth(runs, "window memory", "battles", kFewBattles, kManyBattles, WindowPeakAfter);
  MeasureGrowth(runs, "text memory", "actions", kFewActions, kManyActions, TextPeakAfter);
}

void MeasureClockStep(int runs) {
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zemra6-text");
  Figures step;
  for (int run = 0; run < runs; ++run) {
    Child child({QStringLiteral("--seed"), QStringLiteral("1")}, program);
    if (!child.WaitFor("{")) break;
    const std::int64_t start = MonotonicNs();
    if (!child.Ask("tick 2147483647")) break;
    step.Add(static_cast<double>(MonotonicNs() - start) / 1e6);
  }
  std::printf("clock step       zemra6-text answers tick 2147483647 on the title page in %s ms (aim < 10)\n",
              Show(step, "%.1f").c_str());
}

int RunBenchmark(const QString& only, int runs, int seconds) {
  const auto wanted = [&only](const char* part) { return only.isEmpty() || only == QLatin1String(part); };
  std::printf("medians of %d runs (range)\n", runs);
  if (wanted("frame")) MeasureFirstFrame(runs);
  if (wanted("title")) MeasureTitle(runs, seconds);
  if (wanted("idle")) {
    MeasureIdle("name page idle", QStringLiteral("name"), runs, seconds);
    MeasureIdle("main page idle", QStringLiteral("main"), runs, seconds);
    MeasureIdle("field idle", QStringLiteral("battles"), runs, seconds, kFewBattles);
  }
  if (wanted("memory")) MeasureMemory(runs);
  if (wanted("step")) MeasureClockStep(runs);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc >= 3 && std::string(argv[1]) == "--child") {
    return RunChild(argc, argv, QString::fromLocal8Bit(argv[2]), argc >= 4 ? std::atoi(argv[3]) : 0);
  }
  QCoreApplication app(argc, argv);
  QString only;
  int runs = 5;
  int seconds = 10;
  const QStringList arguments = QCoreApplication::arguments();
  for (int i = 1; i + 1 < arguments.size(); i += 2) {
    if (arguments[i] == QLatin1String("--only")) only = arguments[i + 1];
    if (arguments[i] == QLatin1String("--runs")) runs = std::max(1, arguments[i + 1].toInt());
    if (arguments[i] == QLatin1String("--seconds")) seconds = std::max(1, arguments[i + 1].toInt());
  }
  return RunBenchmark(only, runs, seconds);
}
