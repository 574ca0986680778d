// The depth as text, from the run state.
#include "runtime/depth_text.h"

#include "data/player_data.h"
#include "engine/translate.h"

namespace zemra {

std::string DepthText() {
  const std::int32_t depth = PlayerData().Depth;
  if (depth >= kMaxDepth) return Tr("深度Another");
  return Tf("深度%1", {std::to_string(depth)});
}

std::string DepthLine() {
  const std::int32_t depth = PlayerData().Depth;
  if (depth >= kMaxDepth) return Tr("深度Another。");
  return Tf("深度%1。", {std::to_string(depth)});
}

}  // namespace zemra
