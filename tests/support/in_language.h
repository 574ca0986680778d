// A language set for one test: the sitting's language until the scope ends,
// then Japanese again, so no test leaks its language into the next.
#pragma once

#include "engine/translate.h"

namespace zemra::testing {

class InLanguage {
 public:
  explicit InLanguage(Language language) { SetLanguage(language); }
  ~InLanguage() { SetLanguage(Language::kJapanese); }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
};

}  // namespace zemra::testing
