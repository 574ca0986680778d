// Plays a recording in the window at a watchable pace: one single-shot timer,
// armed only while the replay plays, shows the command or sword about to be
// pressed for a moment, then applies the recorded input through the pump.
// Space pauses and resumes, Right steps while paused, + and - change the pace.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "record/replay_cursor.h"

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

  bool Paused() const { return paused_; }
  bool Finished() const { return finished_; }
  int PaceMs() const { return pace_ms_; }
  // Called with the verdict once the replay is over (tests; the box otherwise).
  void SetOnFinished(std::function<void(bool as_recorded, const std::string& verdict)> done) {
    on_finished_ = std::move(done);
  }

 private:
  void Arm();
  void Advance();
  void ApplyOne();
  void Mark(bool on);
  void UpdateCaption();
  void Finish();

  TFormMain& window_;
  GamePump& pump_;
  ReplayCursor cursor_;
  QTimer timer_;
  int pace_ms_;
  bool paused_ = false;
  bool finished_ = false;
  QWidget* marked_ = nullptr;  // the command button or sword label shown as about to be pressed
  std::function<void(bool, const std::string&)> on_finished_;
};

}  // namespace zemra
