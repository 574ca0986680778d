// The scheduler pump: no polling. A precise single-shot timer is armed for
// the next due job after every input; with no job it stays off and the
// program sleeps until the next window event. The game's clock moves only by
// the clock steps applied here, each carrying the real time since the last.
#include "app/window/game_pump.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

#include "game/game.h"
#include "record/input_log.h"

namespace zemra {

GamePump::GamePump() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { RunDuePass(); });
}

void GamePump::StartClock() { since_start_.start(); }

std::uint32_t GamePump::RealMs() const {
  return since_start_.isValid() ? static_cast<std::uint32_t>(since_start_.elapsed()) : 0;
}

std::string GamePump::Apply(const Input& input) {
  if (!GameStarted() || quitting_) return "the game is not running";
  ++apply_depth_;
  std::string refusal = ApplyLogged(input, log_, apply_depth_ == 1);
  --apply_depth_;
  if (apply_depth_ > 0) return refusal;
  Rearm();
  if (after_event_) after_event_();
  return refusal;
}

void GamePump::Rearm() {
  if (InModal() || apply_depth_ > 0) return;
  if (quitting_ || replaying_ || !GameStarted()) {
    timer_.stop();
    return;
  }
  const auto wait = Scheduler().MsUntilNextDue();
  if (!wait) {
    timer_.stop();
    return;
  }
  // The game's clock stands where the last step left it; real time has moved on since.
  const std::uint32_t lag = RealMs() - GameClock();
  const std::uint32_t delay = *wait > lag ? *wait - lag : 0;
  timer_.start(static_cast<int>(std::min<std::uint32_t>(delay, INT_MAX)));
}

void GamePump::RunDuePass() {
  // A modal box from a handler or a job holds the loop: skip; the box's opener re-arms.
  if (InModal() || apply_depth_ > 0 || quitting_ || !GameStarted()) return;
  ++passes_;
  Apply(Input::ClockStep(RealMs() - GameClock()));
}

void GamePump::RequestQuit() {
  if (quitting_) return;
  quitting_ = true;
  timer_.stop();
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace zemra
