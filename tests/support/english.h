// English, the language the tests read besides Japanese: its place among the
// catalogues follows po/LINGUAS, so it is found by its code.
#pragma once

#include "engine/translate.h"

namespace zemra::testing {

inline Language English() { return ParseLanguage("en").value(); }

}  // namespace zemra::testing
