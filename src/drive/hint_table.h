// The eleven hints that ヒンティア shows, by number 1..11.
#pragma once

#include <array>
#include <string_view>

namespace zemra {

extern const std::array<std::string_view, 11> HintTable;

}  // namespace zemra
