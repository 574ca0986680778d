// Walks a recording for a replay, in the window or headless: hands out the
// next input, checks each recorded screen digest as it is reached, and says
// in one line how the replay ended.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "record/recording.h"

namespace zemra {

class ReplayCursor {
 public:
  explicit ReplayCursor(Recording recording);

  // The next input, once every digest before it matched; nullptr when the
  // recording is over or the replay stopped.
  const Input* Next();
  // Applies Next() through apply, which returns "" or why it was refused; a
  // refused input stops the replay.
  void ApplyNext(const std::function<std::string(const Input&)>& apply);
  // True when the input just applied reached a recorded screen.
  bool AtScreen() const;
  bool Over();

  // 0 the run ended as recorded, 1 it did not, 2 the file was cut short: it
  // stops in the middle of a line, or before the screen its last input reached.
  int ExitStatus() const;
  // How the replay ended: in one line of English for standard error, and in
  // a language for the player.
  std::string Verdict() const;
  std::string VerdictIn(Language language) const;
  int InputsApplied() const { return applied_; }

  // A way a replay ends, in both kinds of words, with %1… for its places.
  struct Ending {
    const char* diagnostic;
    const char* shown;  // a catalogue key
  };

 private:
  // How it ended, and what fills the words' places.
  struct Words {
    const Ending* ending = nullptr;
    std::array<std::string, 4> places;
  };

  void CheckDigests();
  void Differs();
  Words Describe(const Ending& ending, const RecordedLine& line) const;
  Words Ended() const;

  Recording recording_;
  std::size_t at_ = 0;
  int applied_ = 0;
  std::optional<Words> failure_;
  const RecordedLine* last_input_ = nullptr;
  // The screen last recorded: an input followed by no digest left it as it was.
  std::string expected_;
  // The line the file was cut at, in its middle or before it.
  std::optional<int> cut_at_line_;
  bool cut_mid_line_ = false;
};

}  // namespace zemra
