// The application message box, reachable from every layer. The game shell
// points it at the window once at start-up; the data tables report their
// internal slips through it without knowing about the console above them.
#pragma once

#include <string_view>

namespace zemra {

using AppMessageSink = void (*)(std::string_view text);

// Where ShowAppMessage sends its text; nullptr drops it (before start-up).
void SetAppMessageSink(AppMessageSink sink);

// Modal OK box captioned "ZEMRA6".
void ShowAppMessage(std::string_view text);

}  // namespace zemra
