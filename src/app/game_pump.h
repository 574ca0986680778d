// Drives the core from Qt's event loop: every window event is passed to the
// core through Dispatch, and the scheduler's next pass is one single-shot
// timer away. Between passes the program sleeps in the event loop.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <utility>

namespace zemra {

class GamePump : public QObject {
 public:
  GamePump();

  // Runs a window event's handler in the core, then arms the timer for the
  // next due job. Ignored before the game starts and once it is ending.
  void Dispatch(const std::function<void()>& handler);
  // Arms the one timer for the scheduler's next due job, or none.
  void Rearm();

  // While a modal box is open no pass runs; the code that opened it re-arms
  // once it returns.
  void BeginModal() { ++modal_depth_; }
  void EndModal() { --modal_depth_; }
  bool InModal() const { return modal_depth_ > 0; }

  // Ends the application once the current pass or handler is over.
  void RequestQuit();
  bool Quitting() const { return quitting_; }

  // Called after every handler and every pass, for the window's own upkeep.
  void SetAfterEvent(std::function<void()> after) { after_event_ = std::move(after); }

  bool TimerActive() const { return timer_.isActive(); }
  int PassCount() const { return passes_; }

 private:
  void RunDuePass();

  QTimer timer_;
  int modal_depth_ = 0;
  bool in_pass_ = false;
  bool quitting_ = false;
  int passes_ = 0;
  std::function<void()> after_event_;
};

// Opens and closes a modal span on the pump.
class ModalScope {
 public:
  explicit ModalScope(GamePump& pump) : pump_(pump) { pump_.BeginModal(); }
  ~ModalScope() { pump_.EndModal(); }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  GamePump& pump_;
};

}  // namespace zemra
