// The screen's look as JSON, for a front end that draws it elsewhere (the
// page): the same table the window builds its widgets from.
#pragma once

#include <string>

namespace zemra {

// Boxes as [left, top, width, height], colours as [r, g, b] or null, the
// controls grouped and named as the page's elements are.
std::string ScreenLookJson();

}  // namespace zemra
