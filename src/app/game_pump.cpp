// The scheduler pump: no polling. A precise single-shot timer is armed for
// the next due job after every handler and every pass; with no job it stays
// off and the program sleeps until the next window event.
#include "app/game_pump.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

#include "shell/game.h"

namespace zemra {

GamePump::GamePump() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { RunDuePass(); });
}

void GamePump::Dispatch(const std::function<void()>& handler) {
  if (!GameStarted() || quitting_) return;
  handler();
  Rearm();
  if (after_event_) after_event_();
}

void GamePump::Rearm() {
  if (InModal() || in_pass_) return;
  if (quitting_ || !GameStarted()) {
    timer_.stop();
    return;
  }
  const auto wait = Scheduler().MsUntilNextDue();
  if (!wait) {
    timer_.stop();
    return;
  }
  timer_.start(static_cast<int>(std::min<std::uint32_t>(*wait, INT_MAX)));
}

void GamePump::RunDuePass() {
  // A modal box from a handler or a job holds the loop: skip; the box's opener re-arms.
  if (InModal() || in_pass_ || quitting_ || !GameStarted()) return;
  in_pass_ = true;
  Scheduler().RunPass();
  ++passes_;
  in_pass_ = false;
  Rearm();
  if (after_event_) after_event_();
}

void GamePump::RequestQuit() {
  if (quitting_) return;
  quitting_ = true;
  timer_.stop();
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace zemra
