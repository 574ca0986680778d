// Screens of the game module above this layer that lower screens lead to.
// The game module names them once at start; battle, story and drives reach
// the field through these continuations instead of including it.
#pragma once

#include "runtime/console.h"

namespace zemra {

struct ScreenRoutes {
  Continuation field = nullptr;
};

void SetScreenRoutes(const ScreenRoutes& routes);

// The field, hub of a run: a continuation for every screen that returns there.
void EnterField();

}  // namespace zemra
