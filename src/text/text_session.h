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

class TextSession {
 public:
  explicit TextSession(std::uint64_t seed, GameLocations locations = {}, bool new_run = false);
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
