// A recording played in the window at a watchable pace, one input at a time.
#include "app/replay/replay_player.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <iostream>

#include "app/window/game_pump.h"
#include "app/window/main_window.h"
#include "app/window/qt_convert.h"
#include "engine/translate.h"
#include "runtime/game_objects.h"

namespace zemra {

ReplayPlayer::ReplayPlayer(TFormMain& window, GamePump& pump, Recording recording)
    : window_(window), pump_(pump), pace_(std::move(recording), [&pump](const Input& input) { return pump.Apply(input); }) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Take(pace_.Advance(pump_.InModal())); });
}

void ReplayPlayer::Start() {
  UpdateCaption();
  Take(pace_.Start());
}

void ReplayPlayer::Take(const ReplayTurn& turn) {
  ShowMark(turn.mark);
  if (turn.rearm) {
    timer_.stop();
    if (turn.wait_ms) timer_.start(*turn.wait_ms);
  }
  // The window closed under the replay: it ends where it stands.
  if (turn.applied && pump_.Quitting() && !pace_.Finished()) {
    Take(pace_.Stop());
    return;
  }
  if (turn.finished) Finish();
}

void ReplayPlayer::ShowMark(const ReplayMark& mark) {
  QWidget* wanted = nullptr;
  if (mark.kind == ReplayMark::Kind::Command) wanted = window_.ControlWidget(CommandButton(mark.index));
  if (mark.kind == ReplayMark::Kind::Sword) wanted = window_.ControlWidget(SwordLabel(mark.index));
  if (wanted == marked_) return;
  if (auto* button = qobject_cast<QAbstractButton*>(marked_)) button->setDown(false);
  if (auto* label = qobject_cast<QLabel*>(marked_)) label->setFrameStyle(QFrame::NoFrame);
  marked_ = wanted;
  if (auto* button = qobject_cast<QAbstractButton*>(marked_)) button->setDown(true);
  if (auto* label = qobject_cast<QLabel*>(marked_)) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(2);
  }
}

void ReplayPlayer::HandleKey(const QKeyEvent* key) {
  const bool box_open = pump_.InModal();
  switch (key->key()) {
    case Qt::Key_Space:
      Take(pace_.Key(ReplayKey::PauseResume, box_open));
      UpdateCaption();
      break;
    case Qt::Key_Right:
      Take(pace_.Key(ReplayKey::Step, box_open));
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      Take(pace_.Key(ReplayKey::Faster, box_open));
      break;
    case Qt::Key_Minus:
      Take(pace_.Key(ReplayKey::Slower, box_open));
      break;
    default:
      break;
  }
}

void ReplayPlayer::UpdateCaption() {
  window_.setWindowTitle(QtTr(kWindowCaption) + QStringLiteral(" [") + ToQt(pace_.StateText(CurrentLanguage())) + QStringLiteral("]"));
}

void ReplayPlayer::Finish() {
  UpdateCaption();
  const ReplayCursor& cursor = pace_.Cursor();
  const std::string verdict = cursor.Verdict();
  std::cerr << "zemra6: " << verdict << '\n';
  if (on_finished_) {
    on_finished_(cursor.ExitStatus() == 0, verdict);
    return;
  }
  if (pump_.Quitting()) return;
  QMessageBox::information(&window_, QString::fromUtf8(kAppTitle), ToQt(pace_.ClosingWords(CurrentLanguage())));
}

}  // namespace zemra
