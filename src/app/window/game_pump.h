// Drives the core from Qt's event loop: every window event becomes an Input
// applied through Apply, and the scheduler's next pass is one single-shot
// timer away, applied as a clock step. Between them the program sleeps in
// the event loop.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "game/input.h"

namespace zemra {

class InputLog;

class GamePump : public QObject {
 public:
  GamePump();

  // Starts the real clock the game's clock steps follow; called with StartGame.
  void StartClock();
  // Applies one input to the game, then arms the timer for the next due job.
  // Ignored before the game starts and once it is ending. An input applied
  // while another is being applied (a box's answer) arms nothing itself.
  // Returns "" or why the game refused it.
  std::string Apply(const Input& input);
  // Tells every input applied from now on to the log (a recording); nullptr for none.
  void SetInputLog(InputLog* log) { log_ = log; }
  // During a replay the clock moves only by the recorded clock steps: the
  // pump's own timer stays off.
  void SetReplaying(bool replaying) { replaying_ = replaying; }
  bool Replaying() const { return replaying_; }
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
  // Milliseconds since StartClock, wrapping as the game's clock does.
  std::uint32_t RealMs() const;

  QTimer timer_;
  QElapsedTimer since_start_;
  int modal_depth_ = 0;
  int apply_depth_ = 0;
  bool quitting_ = false;
  bool replaying_ = false;
  InputLog* log_ = nullptr;
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
