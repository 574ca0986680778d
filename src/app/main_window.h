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

#include "host/controls.h"

class QLabel;

class QKeyEvent;

namespace zemra {

class GamePump;
class QtHost;
class QtSoundOutput;

class TFormMain : public QWidget {
 public:
  TFormMain();
  ~TFormMain() override;
  TFormMain(const TFormMain&) = delete;
  TFormMain& operator=(const TFormMain&) = delete;

  // Starts the game once the window's first frame is painted (or after a
  // moment when the window is not shown), then runs `then`: the first frame
  // needs only the window, not the story file or the sounds.
  void StartDeferred(std::uint64_t seed, std::function<void()> then = nullptr);

  QWidget* ControlWidget(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
  QtHost& Host() { return *host_; }
  GamePump& Pump() { return *pump_; }
  QtSoundOutput& Sound() { return *sound_; }

  // Top-left corner that centres a window of the given outer size on the
  // screen; negative when the screen is the smaller.
  static QPoint CentredTopLeft(const QRect& screen, const QSize& frame);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct LabelLook;

  QWidget* AddPage(Control page, const QColor& background, bool visible);
  QWidget* AddPanel(Control panel, QWidget* page, int top, int height, const QColor& background, bool visible);
  QLabel* AddLabel(QWidget* parent, const QRect& rect, const LabelLook& look);
  static void StyleLabel(QLabel* label, const QRect& rect, const LabelLook& look);
  void Register(Control control, QWidget* widget);

  void BuildTitlePage();
  void BuildNamePage();
  void BuildMainPage();
  void BuildSwordRow(QWidget* panel);
  void BuildFighterPanel(QWidget* panel, Control first);
  void BuildConsole(QWidget* panel);
  void BuildSwordInfo(QWidget* panel);
  void BuildOverlays();
  void CentreOnScreen();
  // Presses the command a key stands for while the main page shows; true when one was pressed.
  bool PressMainPageCommand(const QKeyEvent* key);

  std::array<QWidget*, kControlCount> controls_{};
  std::unique_ptr<QtSoundOutput> sound_;
  std::unique_ptr<GamePump> pump_;
  std::unique_ptr<QtHost> host_;
  bool shown_once_ = false;
  bool painted_ = false;          // the first frame is painted
  std::function<void()> start_;  // the deferred start, until it runs
};

}  // namespace zemra
