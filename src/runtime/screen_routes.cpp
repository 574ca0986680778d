// The routes are wiring, not play state: set once at start, never reset.
#include "runtime/screen_routes.h"

#include "engine/app_message.h"

namespace zemra {
namespace {

ScreenRoutes& Routes() {
  static ScreenRoutes routes;
  return routes;
}

}  // namespace

void SetScreenRoutes(const ScreenRoutes& routes) { Routes() = routes; }

void EnterField() {
  if (Routes().field == nullptr) {
    ShowAppMessage("error in EnterField");
    return;
  }
  Routes().field();
}

}  // namespace zemra
