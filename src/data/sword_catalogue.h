// The constant catalogue of the 78 sword kinds, read by CreateSword. Row i
// holds kind i + 1, so the row order is both the kind numbering and the order
// in which definitions are tried.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "data/sword.h"

namespace zemra {

// How a row becomes a sword beyond copying its fields.
enum class SwordRule : std::uint8_t {
  Plain,
  PlayerName,        // Queen, Pawn: the sword bears the player's name
  DepthDescription,  // 斬子: the description follows the depth of its creation
  MemoryScroll,      // 霧葉記憶絵巻: drive and description built from the chapter
};

struct SwordDefinition {
  std::string_view name;
  std::int32_t life;
  std::int32_t hit;
  bool inscribed;
  bool cursed;
  std::string_view drive;
  bool infinite;
  std::string_view description;
  SwordRule rule;
};

extern const std::array<SwordDefinition, kSwordKindCount> SwordCatalogue;

// 斬子's description at each depth 0..9.
extern const std::array<std::string_view, 10> ZankoDescriptions;

}  // namespace zemra
