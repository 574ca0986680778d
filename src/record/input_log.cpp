// Inputs applied through the log, so a recorder sees each one as it returns.
#include "record/input_log.h"

#include "game/game.h"

namespace zemra {

std::string ApplyLogged(const Input& input, InputLog* log, bool outermost) {
  // A mouse move that shows nothing new is taken but not recorded: a replay need not wait for it.
  if (InputChangesNothing(input)) return "";
  if (log != nullptr) log->Applying(input);
  std::string refusal = ApplyInput(input);
  if (log != nullptr && refusal.empty()) log->Applied(input, outermost);
  return refusal;
}

}  // namespace zemra
