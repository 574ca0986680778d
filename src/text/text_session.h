// One run of the text front end: actions in, one JSON object out per action.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/locations.h"
#include "text/text_host.h"

namespace zemra {

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

 private:
  std::string Act(std::string_view verb, std::string_view rest);
  void Tick(std::uint32_t ms);

  TextHost host_;
  bool finished_ = false;
};

}  // namespace zemra
