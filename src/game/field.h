// The field, hub of a run. Lower screens reach it as EnterField (screen_routes.h).
#pragma once

namespace zemra {

void ShowField();

}  // namespace zemra
