// The save folder of a replay: a fresh temporary folder, so a replayed run
// never touches the player's own save, report or recordings.
#pragma once

#include <optional>
#include <string>

#include "platform/temp_folder.h"

namespace zemra {

// Puts the save a recording carries (if any) into the folder; the error says
// why the folder cannot hold a replay, "" when it can.
std::string PrepareReplayFolder(const TempFolder& folder, const std::optional<std::string>& save);

}  // namespace zemra
