// A recording played in the window at a watchable pace, one input at a time.
#include "app/replay/replay_player.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <iostream>

#include "app/window/game_pump.h"
#include "app/window/main_window.h"
#include "app/window/qt_convert.h"
#include "engine/translate.h"
#include "game/game.h"
#include "runtime/game_objects.h"

namespace zemra {
namespace {

constexpr int kDefaultPaceMs = 500;  // about two inputs a second
constexpr int kFastestPaceMs = 60;
constexpr int kSlowestPaceMs = 4000;

bool Presses(const Input& input) { return input.kind == InputKind::Command || input.kind == InputKind::SwordClick; }

}  // namespace

ReplayPlayer::ReplayPlayer(TFormMain& window, GamePump& pump, Recording recording)
    : window_(window), pump_(pump), cursor_(std::move(recording)), pace_ms_(kDefaultPaceMs) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Advance(); });
}

void ReplayPlayer::Start() {
  UpdateCaption();
  Arm();
}

void ReplayPlayer::Arm() {
  if (finished_ || paused_) return;
  const Input* next = cursor_.Next();
  if (next == nullptr) {
    Finish();
    return;
  }
  // A recorded clock step waits its own time, up to the pace; a mouse move
  // that shows nothing new (older recordings hold them) none; the rest the pace.
  int wait = pace_ms_;
  if (next->kind == InputKind::ClockStep) {
    wait = static_cast<int>(std::min<std::uint32_t>(next->ms, static_cast<std::uint32_t>(pace_ms_)));
  } else if (InputChangesNothing(*next)) {
    wait = 0;
  }
  timer_.start(marked_ != nullptr ? pace_ms_ / 2 : wait);
}

void ReplayPlayer::Advance() {
  // A box from the last input is still closing itself: try again in a moment.
  if (pump_.InModal()) {
    timer_.start(pace_ms_ / 4);
    return;
  }
  const Input* next = cursor_.Next();
  if (next != nullptr && Presses(*next) && marked_ == nullptr) {
    Mark(true);
    if (marked_ != nullptr) {
      Arm();
      return;
    }
  }
  ApplyOne();
  Arm();
}

void ReplayPlayer::ApplyOne() {
  Mark(false);
  cursor_.ApplyNext([this](const Input& input) { return pump_.Apply(input); });
  if (pump_.Quitting()) Finish();
}

void ReplayPlayer::Mark(bool on) {
  if (!on) {
    if (auto* button = qobject_cast<QAbstractButton*>(marked_)) button->setDown(false);
    if (auto* label = qobject_cast<QLabel*>(marked_)) label->setFrameStyle(QFrame::NoFrame);
    marked_ = nullptr;
    return;
  }
  const Input* next = cursor_.Next();
  if (next == nullptr) return;
  if (next->kind == InputKind::Command && next->index >= 0 && next->index < kCommandButtonCount) {
    marked_ = window_.ControlWidget(CommandButton(next->index));
    if (auto* button = qobject_cast<QAbstractButton*>(marked_)) button->setDown(true);
  } else if (next->kind == InputKind::SwordClick && next->index >= 0 && next->index < kSwordLabelCount) {
    marked_ = window_.ControlWidget(SwordLabel(next->index));
    if (auto* label = qobject_cast<QLabel*>(marked_)) {
      label->setFrameStyle(QFrame::Box | QFrame::Plain);
      label->setLineWidth(2);
    }
  }
}

void ReplayPlayer::HandleKey(const QKeyEvent* key) {
  if (finished_) return;
  switch (key->key()) {
    case Qt::Key_Space:
      paused_ = !paused_;
      if (paused_) {
        timer_.stop();
      } else {
        Arm();
      }
      UpdateCaption();
      break;
    case Qt::Key_Right:
      if (paused_ && !pump_.InModal()) {
        ApplyOne();
        if (cursor_.Next() == nullptr) Finish();
      }
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      pace_ms_ = std::max(kFastestPaceMs, pace_ms_ / 2);
      break;
    case Qt::Key_Minus:
      pace_ms_ = std::min(kSlowestPaceMs, pace_ms_ * 2);
      break;
    default:
      break;
  }
}

void ReplayPlayer::UpdateCaption() {
  const char* state = finished_ ? N_("再生終了") : paused_ ? N_("再生・一時停止") : N_("再生中");
  window_.setWindowTitle(QtTr(kWindowCaption) + QStringLiteral(" [") + QtTr(state) + QStringLiteral("]"));
}

void ReplayPlayer::Finish() {
  if (finished_) return;
  finished_ = true;
  timer_.stop();
  Mark(false);
  UpdateCaption();
  const bool as_recorded = cursor_.ExitStatus() == 0;
  const std::string verdict = cursor_.Verdict();
  std::cerr << "zemra6: " << verdict << '\n';
  if (on_finished_) {
    on_finished_(as_recorded, verdict);
    return;
  }
  if (pump_.Quitting()) return;
  const QString heading =
      as_recorded ? QtTr("再生が終わりました。記録どおりに進みました。") : QtTr("再生が記録と食い違いました。");
  QMessageBox::information(&window_, QString::fromUtf8(kAppTitle),
                           heading + QStringLiteral("\n") + ToQt(cursor_.VerdictIn(CurrentLanguage())));
}

}  // namespace zemra
