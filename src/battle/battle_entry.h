// The field's way into battle and the field sword menu.
#pragma once

namespace zemra {

void Wander();
void FieldSwordMenu();

}  // namespace zemra
