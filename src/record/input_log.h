// What a front end tells a recorder about the inputs it applies. Both front
// ends apply every input through ApplyLogged, so a sitting's recording holds
// exactly what reached the game, in the order it was taken: an input applied
// inside another (a box's answer) is told before the one that asked for it.
#pragma once

#include <string>

#include "game/input.h"

namespace zemra {

class InputLog {
 public:
  virtual ~InputLog() = default;
  // Just before the input is applied.
  virtual void Applying(const Input& input) = 0;
  // Once the game took it; outermost is false for an input applied inside another.
  virtual void Applied(const Input& input, bool outermost) = 0;
  // Inputs told while a batch is open make one action of the player's (the
  // text front end's long clock step): a log may store them together when
  // the batch closes rather than one by one.
  virtual void OpenBatch() {}
  virtual void CloseBatch() {}
};

// Keeps a batch open on a log, if there is one, for its own lifetime.
class InputLogBatch {
 public:
  explicit InputLogBatch(InputLog* log) : log_(log) {
    if (log_ != nullptr) log_->OpenBatch();
  }
  ~InputLogBatch() {
    if (log_ != nullptr) log_->CloseBatch();
  }
  InputLogBatch(const InputLogBatch&) = delete;
  InputLogBatch& operator=(const InputLogBatch&) = delete;

 private:
  InputLog* log_;
};

// ApplyInput, told to the log when there is one; a refused input is not told
// as applied, and one that changes nothing is neither applied nor told.
std::string ApplyLogged(const Input& input, InputLog* log, bool outermost);

}  // namespace zemra
