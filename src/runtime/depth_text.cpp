// The depth as text, from the run state.
#include "runtime/depth_text.h"

#include "data/player_data.h"

namespace zemra {

std::string DepthText() {
  const std::int32_t depth = PlayerData().Depth;
  if (depth >= kMaxDepth) return "深度Another";
  return "深度" + std::to_string(depth);
}

}  // namespace zemra
