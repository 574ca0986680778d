// Names and texts of the run as the player sees them. What a sword or a
// fighter holds stays the Japanese identity the game saves and compares; it is
// translated only where it is shown. A name the player typed is shown as typed.
#pragma once

#include <string>

#include "data/fighter.h"
#include "data/sword.h"
#include "engine/translate.h"

namespace zemra {

std::string ShownSwordName(const TSword& sword);
// The same as a view of the sword's name or of the catalogue's text.
std::string_view ShownSwordNameView(const TSword& sword);
// A fighter's name on its panel ("Enemy", "You").
std::string ShownFighterName(const TFighter& fighter);
// The same name as a sentence takes it, for a template's %1 or %1's:
// "the enemy"/"the enemy's", "you"/"your", "the Unknowable King", "Toro's"
// (its own owner form), a typed name as typed.
ShownName FighterInSentence(const TFighter& fighter);
std::string ShownDriveName(const TSword& sword);
std::string ShownDescription(const TSword& sword);

}  // namespace zemra
