// The list of module resets, in the order the states were first used.
#include "engine/module_state.h"

#include <vector>

namespace zemra {
namespace {

std::vector<StateReset>& Resets() {
  static std::vector<StateReset> resets;
  return resets;
}

}  // namespace

void RegisterStateReset(StateReset reset) { Resets().push_back(reset); }

void ResetModuleStates() {
  for (StateReset reset : Resets()) reset();
}

}  // namespace zemra
