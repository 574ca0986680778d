// The key list F1 shows: one row a key, what to press, then what it does.
#pragma once

#include <string>

namespace zemra {

// The page has no window factor and no right-click menu; the window has both.
enum class KeyHelpFor { Window, Page };

std::string KeyHelpText(KeyHelpFor front_end);

}  // namespace zemra
