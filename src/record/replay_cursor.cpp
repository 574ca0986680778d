// Steps through a recording's inputs and compares each screen with the recorded one.
#include "record/replay_cursor.h"

#include <utility>

#include "record/screen_digest.h"

namespace zemra {
namespace {

// Each ending in the one line zemra6-text has always written to standard
// error, and in the words the player reads in the closing box.
constexpr ReplayCursor::Ending kAsRecorded{"the run ended as recorded (%1 inputs)",
                                           N_("記録どおりに終わりました（入力%1個）。")};
constexpr ReplayCursor::Ending kCutInLine{
    "the recording is cut short in the middle of line %1; replayed the %2 whole inputs before it",
    N_("記録は%1行目の途中で切れています。\nその前の入力%2個を再生しました。")};
constexpr ReplayCursor::Ending kCutBeforeLine{
    "the recording is cut short before line %1; replayed the %2 whole inputs before it",
    N_("記録は%1行目の前で切れています。\nその前の入力%2個を再生しました。")};
constexpr ReplayCursor::Ending kFirstScreenDiffers{"the first screen differs from the recording",
                                                   N_("最初の画面が記録と違います。")};
constexpr ReplayCursor::Ending kScreenDiffers{
    "the screen differs from the recording after input %1 (line %2: \"%3\")",
    N_("%1個目の入力（%2行目：「%3」）の\nあとの画面が記録と違います。")};
constexpr ReplayCursor::Ending kCannotApply{
    "input %1 (line %2: \"%3\") cannot be applied (%4); the replay stops there",
    N_("%1個目の入力（%2行目：「%3」）を適用できないため、\n再生をそこで止めました（%4）。")};

}  // namespace

ReplayCursor::ReplayCursor(Recording recording)
    : recording_(std::move(recording)), cut_at_line_(recording_.cut_at_line), cut_mid_line_(cut_at_line_.has_value()) {}

ReplayCursor::Words ReplayCursor::Describe(const Ending& ending, const RecordedLine& line) const {
  return {&ending, {std::to_string(applied_), std::to_string(line.line), FormatInput(*line.input), ""}};
}

void ReplayCursor::CheckDigests() {
  while (!failure_ && at_ < recording_.lines.size() && !recording_.lines[at_].input) {
    expected_ = recording_.lines[at_++].digest;
    if (expected_ != ScreenDigest()) Differs();
  }
}

void ReplayCursor::Differs() {
  failure_ = last_input_ == nullptr ? Words{&kFirstScreenDiffers, {}} : Describe(kScreenDiffers, *last_input_);
}

const Input* ReplayCursor::Next() {
  CheckDigests();
  if (failure_ || at_ >= recording_.lines.size()) return nullptr;
  return &*recording_.lines[at_].input;
}

void ReplayCursor::ApplyNext(const std::function<std::string(const Input&)>& apply) {
  const Input* input = Next();
  if (input == nullptr) return;
  const RecordedLine& line = recording_.lines[at_++];
  ++applied_;
  last_input_ = &line;
  const std::string refusal = apply(*input);
  if (!refusal.empty()) {
    failure_ = Describe(kCannotApply, line);
    failure_->places[3] = refusal;
  } else if (!AtScreen() && !expected_.empty() && expected_ != ScreenDigest()) {
    // The writer puts an input's screen right after it: a file that ends here
    // lost that screen when it was cut, so the run did not differ.
    if (at_ < recording_.lines.size()) {
      Differs();
    } else if (!cut_at_line_) {
      cut_at_line_ = line.line + 1;
    }
  }
}

bool ReplayCursor::AtScreen() const {
  return !failure_ && at_ < recording_.lines.size() && !recording_.lines[at_].input;
}

bool ReplayCursor::Over() { return Next() == nullptr; }

int ReplayCursor::ExitStatus() const {
  if (failure_) return 1;
  return cut_at_line_ ? 2 : 0;
}

ReplayCursor::Words ReplayCursor::Ended() const {
  if (failure_) return *failure_;
  if (cut_at_line_) {
    return {cut_mid_line_ ? &kCutInLine : &kCutBeforeLine, {std::to_string(*cut_at_line_), std::to_string(applied_)}};
  }
  return {&kAsRecorded, {std::to_string(applied_)}};
}

std::string ReplayCursor::Verdict() const {
  const Words words = Ended();
  const auto& p = words.places;
  return FormatText(words.ending->diagnostic, {p[0], p[1], p[2], p[3]});
}

std::string ReplayCursor::VerdictIn(Language language) const {
  const Words words = Ended();
  const auto& p = words.places;
  return FormatText(TrIn(language, words.ending->shown), {p[0], p[1], p[2], p[3]});
}

}  // namespace zemra
