// The depth as the field and the report show it.
#pragma once

#include <string>

namespace zemra {

// "深度" and the depth below 9, "深度Another" at 9 or more, in the language
// shown: the report's words for the depth.
std::string DepthText();

// The field's line for the depth, "深度3。", in the language shown.
std::string DepthLine();

}  // namespace zemra
