// A recording watched at a pace a person can follow, in the window and in the
// page alike: about two inputs a second, the command or sword about to be
// used marked for a moment first, pause and resume, one step while paused,
// faster and slower, and a closing word on whether the run went as recorded.
// The front end owns one timer: it arms it for `wait_ms` of every turn, draws
// the turn's mark, and calls Advance when it fires.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/translate.h"
#include "record/replay_cursor.h"

namespace zemra {

// The control a replay marks before it presses it.
struct ReplayMark {
  enum class Kind { None, Command, Sword } kind = Kind::None;
  int index = -1;
  friend bool operator==(const ReplayMark&, const ReplayMark&) = default;
};

// What the front end does after a call: show `mark` (None: no mark); when
// `rearm`, stop its timer and arm it again for `wait_ms` if set; say the
// closing words when `finished` has just become true. `applied` tells that an
// input went in.
struct ReplayTurn {
  ReplayMark mark;
  std::optional<int> wait_ms;
  bool rearm = true;
  bool applied = false;
  bool finished = false;
};

enum class ReplayKey { PauseResume, Step, Faster, Slower };

class ReplayPace {
 public:
  // `apply` hands one input to the game and returns "" or why it was refused.
  ReplayPace(Recording recording, std::function<std::string(const Input&)> apply);

  // The first turn: where the timer goes first.
  ReplayTurn Start();
  // The timer fired; `box_open`: a box from the last input is still closing itself.
  ReplayTurn Advance(bool box_open);
  // A key of the replay's: Space pauses and resumes, Right steps while paused,
  // + and - change the pace. `box_open` as for Advance.
  ReplayTurn Key(ReplayKey key, bool box_open);
  // Ends the replay where it stands (the window closing).
  ReplayTurn Stop();

  bool Paused() const { return paused_; }
  bool Finished() const { return finished_; }
  int PaceMs() const { return pace_ms_; }
  const ReplayCursor& Cursor() const { return cursor_; }
  // The next input, or nullptr once the replay is over.
  const Input* Next() { return cursor_.Next(); }

  // "再生中", "再生・一時停止" or "再生終了".
  std::string StateText(Language language) const;
  // The box at the end: whether the run went as recorded, then how it ended.
  std::string ClosingWords(Language language) const;

 private:
  ReplayTurn Arm(ReplayTurn turn);
  ReplayTurn ApplyOne();
  ReplayTurn Finish(ReplayTurn turn);

  ReplayCursor cursor_;
  std::function<std::string(const Input&)> apply_;
  int pace_ms_;
  bool paused_ = false;
  bool finished_ = false;
  ReplayMark marked_;
};

}  // namespace zemra
