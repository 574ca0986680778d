// The home of every subsystem's module state. Each subsystem keeps its state
// in one struct reached through ModuleState<T>(); ResetModuleStates puts every
// one of them back as at program start, so a reset cannot forget a module.
#pragma once

namespace zemra {

using StateReset = void (*)();

// Adds a reset to the list that ResetModuleStates runs.
void RegisterStateReset(StateReset reset);
// Puts every module state made so far back to its initial value.
void ResetModuleStates();

// The one instance of a module's state; T is the module's own state struct.
template <class T>
T& ModuleState() {
  static T state = [] {
    RegisterStateReset([] { ModuleState<T>() = T{}; });
    return T{};
  }();
  return state;
}

}  // namespace zemra
