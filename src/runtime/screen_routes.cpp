// The routes are wiring, not play state: set once at start, never reset. A
// route not yet named is an internal slip, reported as such.
#include "runtime/screen_routes.h"

#include <string>

#include "engine/app_message.h"

namespace zemra {
namespace {

ScreenRoutes& Routes() {
  static ScreenRoutes routes;
  return routes;
}

// The route, or nullptr after the error box naming the routine.
template <class Route>
Route Named(Route route, const char* routine) {
  if (route == nullptr) ShowAppMessage(std::string("error in ") + routine);
  return route;
}

}  // namespace

void SetScreenRoutes(const ScreenRoutes& routes) { Routes() = routes; }

void EnterField() {
  if (const Continuation field = Named(Routes().field, "EnterField")) field();
}

bool StartFieldDriveFromMenu(TFighter& player, int slot) {
  const FieldDriveStarter start = Named(Routes().field_drive, "StartFieldDrive");
  return start != nullptr && start(player, slot);
}

bool StartBattleDriveFromBattle(TFighter& user, TFighter& opponent, int slot) {
  const BattleDriveStarter start = Named(Routes().battle_drive, "StartBattleDrive");
  return start != nullptr && start(user, opponent, slot);
}

}  // namespace zemra
