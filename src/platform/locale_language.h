// The language a program starts in when the command line names none: the
// locale's, where the game has a catalogue for it, else Japanese.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/translate.h"

namespace zemra {

// Reads LANGUAGE (a list), LC_ALL, LC_MESSAGES and LANG in that order; the
// first that is set decides ("en_GB.UTF-8" is English, "C" or "de" Japanese).
// `lookup` is the environment (getenv, or a table in a test).
Language LanguageFromLocale(const std::function<const char*(const char*)>& lookup);
Language LanguageFromLocale();

// The language a sitting starts in: the command line's ("ja" or "en"), else
// the one the player chose and the program kept (empty for none), else the
// locale's.
Language StartLanguage(const std::optional<std::string>& option, std::string_view chosen = {});

}  // namespace zemra
