// Plays a recording in the window at the replay's watchable pace: one
// single-shot timer, armed only while the replay plays; the marks, pace and
// closing words come from the desk's ReplayPace, the window draws them.
// Space pauses and resumes, Right steps while paused, + and - change the pace.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "desk/replay_pace.h"

class QKeyEvent;
class QWidget;

namespace zemra {

class GamePump;
class TFormMain;

class ReplayPlayer : public QObject {
 public:
  ReplayPlayer(TFormMain& window, GamePump& pump, Recording recording);

  // Starts playing; at the end a box says whether the run ended as recorded.
  void Start();
  // Every key during a replay comes here; the keys of the replay are used, the rest do nothing.
  void HandleKey(const QKeyEvent* key);

  bool Paused() const { return pace_.Paused(); }
  bool Finished() const { return pace_.Finished(); }
  int PaceMs() const { return pace_.PaceMs(); }
  // Called with the verdict once the replay is over (tests; the box otherwise).
  void SetOnFinished(std::function<void(bool as_recorded, const std::string& verdict)> done) {
    on_finished_ = std::move(done);
  }

 private:
  // Draws what a turn of the replay says: the mark, the timer, the end.
  void Take(const ReplayTurn& turn);
  void ShowMark(const ReplayMark& mark);
  void UpdateCaption();
  void Finish();

  TFormMain& window_;
  GamePump& pump_;
  ReplayPace pace_;
  QTimer timer_;
  QWidget* marked_ = nullptr;  // the command button or sword label shown as about to be pressed
  std::function<void(bool, const std::string&)> on_finished_;
};

}  // namespace zemra
