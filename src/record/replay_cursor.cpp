// Steps through a recording's inputs and compares each screen with the recorded one.
#include "record/replay_cursor.h"

#include <utility>

#include "record/screen_digest.h"

namespace zemra {

ReplayCursor::ReplayCursor(Recording recording) : recording_(std::move(recording)) {}

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
    Differs();
  }
}

bool ReplayCursor::AtScreen() const {
  return !failure_ && at_ < recording_.lines.size() && !recording_.lines[at_].input;
}

bool ReplayCursor::Over() { return Next() == nullptr; }

int ReplayCursor::ExitStatus() const {
  if (failure_) return 1;
  return recording_.cut_at_line ? 2 : 0;
}

std::string ReplayCursor::Verdict() const {
  if (failure_) return *failure_;
  if (recording_.cut_at_line) {
    return "the recording is cut short in the middle of line " + std::to_string(*recording_.cut_at_line) +
           "; replayed the " + std::to_string(applied_) + " whole inputs before it";
  }
  return "the run ended as recorded (" + std::to_string(applied_) + " inputs)";
}

}  // namespace zemra
