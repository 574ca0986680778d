// A short digest of what the game shows and of the run record, taken from the
// core's own state only, so the window and the text front end digest the same
// screen identically and a replay can tell where it first differs.
#pragma once

#include <string>

namespace zemra {

// 16 hex digits; the same game state always gives the same digest.
std::string ScreenDigest();

}  // namespace zemra
