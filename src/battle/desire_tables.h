// How much an enemy wants to start each sword: base desires that grow with
// the depth, and the bosses' own overrides.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zemra {

struct BaseDesire {
  std::string_view name;
  std::int32_t per_depth;  // desire = per_depth x depth
};

struct DesireOverride {
  std::string_view name;
  std::int32_t value;
};

struct BossDesires {
  std::string_view boss;
  std::array<DesireOverride, 3> desires;  // unused rows have an empty name
};

extern const std::array<BaseDesire, 14> BaseDesireTable;
extern const std::array<BossDesires, 8> BossDesireTable;

}  // namespace zemra
