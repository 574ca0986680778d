// Steps through a recording's inputs and compares each screen with the recorded one.
#include "record/replay_cursor.h"

#include <utility>

#include "record/screen_digest.h"

namespace zemra {

ReplayCursor::ReplayCursor(Recording recording)
    : recording_(std::move(recording)), cut_at_line_(recording_.cut_at_line), cut_mid_line_(cut_at_line_.has_value()) {}

std::string ReplayCursor::Describe(const RecordedLine& line) const {
  return "input " + std::to_string(applied_) + " (line " + std::to_string(line.line) + ": \"" +
         FormatInput(*line.input) + "\")";
}

void ReplayCursor::CheckDigests() {
  while (!failure_ && at_ < recording_.lines.size() && !recording_.lines[at_].input) {
    expected_ = recording_.lines[at_++].digest;
    if (expected_ != ScreenDigest()) Differs();
  }
}

void ReplayCursor::Differs() {
  failure_ = last_input_ == nullptr ? "the first screen differs from the recording"
                                    : "the screen differs from the recording after " + Describe(*last_input_);
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
    failure_ = Describe(line) + " cannot be applied (" + refusal + "); the replay stops there";
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

std::string ReplayCursor::Verdict() const {
  if (failure_) return *failure_;
  if (cut_at_line_) {
    const std::string where = cut_mid_line_ ? "in the middle of line " : "before line ";
    return "the recording is cut short " + where + std::to_string(*cut_at_line_) + "; replayed the " +
           std::to_string(applied_) + " whole inputs before it";
  }
  return "the run ended as recorded (" + std::to_string(applied_) + " inputs)";
}

}  // namespace zemra
