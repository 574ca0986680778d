// TFormMain: the game's one window. It builds the three pages and every
// control of the main page, owns the Qt host, the sound output and the pump
// that carries window events into the core, and starts the game once shown.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/locations.h"
#include "host/controls.h"
#include "record/recording.h"
#include "runtime/screen_look.h"

class QLabel;
class QPushButton;

class QKeyEvent;

namespace zemra {

class DeskControls;
class RecordingWriter;
class ReplayPlayer;
class GamePump;
class QtHost;
class QtSoundOutput;

class TFormMain : public QWidget {
 public:
  explicit TFormMain(GameLocations locations = {});
  ~TFormMain() override;
  TFormMain(const TFormMain&) = delete;
  TFormMain& operator=(const TFormMain&) = delete;

  // Starts the game once the window's first frame is painted (or after a
  // moment when the window is not shown): the first frame needs only the
  // window, not the story file or the sounds. A start-up warning comes as the
  // game's deferred warning box.
  // `then` runs right after the start.
  void StartDeferred(std::uint64_t seed, bool new_run = false, std::optional<std::string> warning = std::nullopt,
                     std::function<void()> then = nullptr);
  // Starts (or starts again) the game now, recording the sitting when recording is on.
  void BeginGame(std::uint64_t seed, bool new_run);
  // Each sitting from now on is recorded beside the save as the given program.
  void RecordSittings(std::string program) { record_as_ = std::move(program); }
  // Plays the recording instead of a sitting, from the event loop; the save
  // folder is then a scratch folder of the replay's own.
  void StartReplay(Recording recording);
  ReplayPlayer* Replay() { return replay_.get(); }

  QWidget* ControlWidget(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
  QtHost& Host() { return *host_; }
  GamePump& Pump() { return *pump_; }
  QtSoundOutput& Sound() { return *sound_; }
  const GameLocations& ContentLocations() const { return locations_; }
  DeskControls& Desk() { return *desk_; }

  // Top-left corner that centres a window of the given outer size on the
  // screen; negative when the screen is the smaller.
  static QPoint CentredTopLeft(const QRect& screen, const QSize& frame);
  void CentreOnScreen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Each control is made as the screen's look places and colours it.
  QWidget* AddPage(Control page, bool visible);
  QWidget* AddPanel(Control panel, QWidget* page, bool visible);
  QLabel* AddLabel(QWidget* parent, const ControlLook& look);
  static void StyleLabel(QLabel* label, const ControlLook& look);
  QPushButton* AddButton(QWidget* parent, Control control);
  void Register(Control control, QWidget* widget);

  void BuildTitlePage();
  void BuildNamePage();
  void BuildMainPage();
  void BuildSwordRow(QWidget* panel);
  void BuildFighterPanel(QWidget* panel, Control first);
  void BuildConsole(QWidget* panel);
  void BuildSwordInfo(QWidget* panel);
  void BuildOverlays();

  std::array<QWidget*, kControlCount> controls_{};
  std::unique_ptr<QtSoundOutput> sound_;
  std::unique_ptr<GamePump> pump_;
  std::unique_ptr<QtHost> host_;
  GameLocations locations_;
  std::unique_ptr<DeskControls> desk_;
  bool shown_once_ = false;
  std::optional<std::string> record_as_;
  std::unique_ptr<RecordingWriter> recording_;
  std::unique_ptr<ReplayPlayer> replay_;
  bool painted_ = false;          // the first frame is painted
  std::function<void()> start_;  // the deferred start, until it runs
};

}  // namespace zemra
