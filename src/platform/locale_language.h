// The language a program starts in when the command line names none: the
// locale's, where the game has a catalogue for it, else Japanese.
#pragma once

#include <functional>
#include <string_view>

#include "engine/translate.h"

namespace zemra {

// Reads LANGUAGE (a list), LC_ALL, LC_MESSAGES and LANG in that order; the
// first that is set decides ("en_GB.UTF-8" is English, "C" or "de" Japanese).
// `lookup` is the environment (getenv, or a table in a test).
Language LanguageFromLocale(const std::function<const char*(const char*)>& lookup);
Language LanguageFromLocale();

}  // namespace zemra
