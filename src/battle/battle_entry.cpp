// Until battles and the sword menu are in place, both field commands lead
// back to the field, so a run never strands the player on an empty screen.
#include "battle/battle_entry.h"

#include "shell/field.h"

namespace zemra {

void Wander() { EnterField(); }

void FieldSwordMenu() { EnterField(); }

}  // namespace zemra
