// One run of the text front end: actions in, one JSON object out per action.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/locations.h"
#include "game/input.h"
#include "text/text_host.h"

namespace zemra {

class InputLog;

// The name field's text as the field would hold it: at most its limit of characters.
std::string NameFieldText(std::string_view typed);

class TextSession {
 public:
  explicit TextSession(std::uint64_t seed, GameLocations locations = {}, bool new_run = false,
                       PictureSink* pictures = nullptr);
  ~TextSession();
  TextSession(const TextSession&) = delete;
  TextSession& operator=(const TextSession&) = delete;

  // Performs one action line and returns the JSON object that follows it.
  std::string Perform(std::string_view line);
  // The object describing the screen now (also used for the first screen).
  std::string StateJson(const std::string& error = "");
  bool Finished() const { return finished_; }
  // Applies one input as it is, with no pass after it (a replay's recorded inputs).
  std::string Apply(const Input& input);
  // Applies one input in its recording line form ("command 2 徘徊", "step 50")
  // as the window applies it, with no pass after it; the screen after it.
  std::string ApplyLine(std::string_view line);
  // The same for an input given as a value.
  std::string ApplyInput(const Input& input);
  // The screen as this session's host holds it.
  const TextHost& Host() const { return host_; }
  // Tells every input applied from now on to the log (a recording); nullptr for none.
  void SetInputLog(InputLog* log) { log_ = log; }

 private:
  std::string Act(std::string_view verb, std::string_view rest);
  void Tick(std::uint32_t ms);

  TextHost host_;
  bool finished_ = false;
  InputLog* log_ = nullptr;
};

}  // namespace zemra
