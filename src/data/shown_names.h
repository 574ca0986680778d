// Names and texts of the run as the player sees them. What a sword or a
// fighter holds stays the Japanese identity the game saves and compares; it is
// translated only where it is shown. A name the player typed is shown as typed.
#pragma once

#include <string>

#include "data/fighter.h"
#include "data/sword.h"

namespace zemra {

std::string ShownSwordName(const TSword& sword);
std::string ShownFighterName(const TFighter& fighter);
std::string ShownDriveName(const TSword& sword);
std::string ShownDescription(const TSword& sword);

}  // namespace zemra
