#include "desk/replay_pace.h"

#include <algorithm>
#include <utility>

#include "game/game.h"

namespace zemra {
namespace {

constexpr int kDefaultPaceMs = 500;  // about two inputs a second
constexpr int kFastestPaceMs = 60;
constexpr int kSlowestPaceMs = 4000;

ReplayMark MarkFor(const Input& input) {
  if (input.kind == InputKind::Command && input.index >= 0 && input.index < kCommandButtonCount) {
    return {ReplayMark::Kind::Command, input.index};
  }
  if (input.kind == InputKind::SwordClick && input.index >= 0 && input.index < kSwordLabelCount) {
    return {ReplayMark::Kind::Sword, input.index};
  }
  return {};
}

}  // namespace

ReplayPace::ReplayPace(Recording recording, std::function<std::string(const Input&)> apply)
    : cursor_(std::move(recording)), apply_(std::move(apply)), pace_ms_(kDefaultPaceMs) {}

ReplayTurn ReplayPace::Start() { return Arm({}); }

ReplayTurn ReplayPace::Arm(ReplayTurn turn) {
  turn.mark = marked_;
  if (finished_ || paused_) return turn;
  const Input* next = cursor_.Next();
  if (next == nullptr) return Finish(turn);
  // A recorded clock step waits its own time, up to the pace; a mouse move
  // that shows nothing new (older recordings hold them) none; the rest the pace.
  int wait = pace_ms_;
  if (next->kind == InputKind::ClockStep) {
    wait = static_cast<int>(std::min<std::uint32_t>(next->ms, static_cast<std::uint32_t>(pace_ms_)));
  } else if (InputChangesNothing(*next)) {
    wait = 0;
  }
  turn.wait_ms = marked_.kind != ReplayMark::Kind::None ? pace_ms_ / 2 : wait;
  return turn;
}

ReplayTurn ReplayPace::Advance(bool box_open) {
  if (finished_ || paused_) return {marked_, std::nullopt, true, false, false};
  // A box from the last input is still closing itself: try again in a moment.
  if (box_open) return {marked_, pace_ms_ / 4, true, false, false};
  const Input* next = cursor_.Next();
  if (next != nullptr && marked_.kind == ReplayMark::Kind::None) {
    marked_ = MarkFor(*next);
    if (marked_.kind != ReplayMark::Kind::None) return Arm({});
  }
  return Arm(ApplyOne());
}

ReplayTurn ReplayPace::ApplyOne() {
  marked_ = {};
  cursor_.ApplyNext(apply_);
  ReplayTurn turn;
  turn.applied = true;
  return turn;
}

ReplayTurn ReplayPace::Finish(ReplayTurn turn) {
  marked_ = {};
  turn.mark = {};
  turn.wait_ms.reset();
  if (!finished_) {
    finished_ = true;
    turn.finished = true;
  }
  return turn;
}

ReplayTurn ReplayPace::Stop() { return Finish({}); }

ReplayTurn ReplayPace::Key(ReplayKey key, bool box_open) {
  if (finished_) return {marked_, std::nullopt, false, false, false};
  switch (key) {
    case ReplayKey::PauseResume:
      paused_ = !paused_;
      return Arm({});
    case ReplayKey::Step: {
      if (!paused_ || box_open) break;
      ReplayTurn turn = ApplyOne();
      if (cursor_.Next() == nullptr) return Finish(turn);
      return turn;
    }
    case ReplayKey::Faster:
      pace_ms_ = std::max(kFastestPaceMs, pace_ms_ / 2);
      break;
    case ReplayKey::Slower:
      pace_ms_ = std::min(kSlowestPaceMs, pace_ms_ * 2);
      break;
  }
  // The timer already set runs on: the new pace counts from the next turn.
  return {marked_, std::nullopt, false, false, false};
}

std::string ReplayPace::StateText(Language language) const {
  if (finished_) return TrIn(language, "再生終了");
  return TrIn(language, paused_ ? "再生・一時停止" : "再生中");
}

std::string ReplayPace::ClosingWords(Language language) const {
  const bool as_recorded = cursor_.ExitStatus() == 0;
  const std::string heading = as_recorded ? TrIn(language, "再生が終わりました。記録どおりに進みました。")
                                          : TrIn(language, "再生が記録と食い違いました。");
  return heading + "\n" + cursor_.VerdictIn(language);
}

}  // namespace zemra
