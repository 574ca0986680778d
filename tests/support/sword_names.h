// The names of a fighter's swords in use, in slot order, for comparing in tests.
#pragma once

#include <string>
#include <vector>

#include "data/fighter.h"

namespace zemra::testing {

inline std::vector<std::string> SwordNames(const TFighter& f) {
  std::vector<std::string> names;
  for (int i = 0; i < f.SwordCount; ++i) names.push_back(f.Swords[static_cast<std::size_t>(i)].Name);
  return names;
}

}  // namespace zemra::testing
