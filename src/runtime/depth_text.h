// The depth as the field and the report show it.
#pragma once

#include <string>

namespace zemra {

// "深度" and the depth below 9, "深度Another" at 9 or more.
std::string DepthText();

}  // namespace zemra
