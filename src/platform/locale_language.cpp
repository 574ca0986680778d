#include "platform/locale_language.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace zemra {
namespace {

// "en_US.UTF-8@euro" -> English; a language without a catalogue -> none.
std::optional<Language> LocaleLanguage(std::string_view locale) {
  const std::size_t end = locale.find_first_of("_.@");
  return ParseLanguage(locale.substr(0, end));
}

}  // namespace

Language LanguageFromLocale(const std::function<const char*(const char*)>& lookup) {
  // LANGUAGE lists the player's languages in order; glibc ignores it under the C locale, and so do we.
  const auto value = [&](const char* name) -> std::string_view {
    const char* text = lookup(name);
    return text == nullptr ? std::string_view() : std::string_view(text);
  };
  std::string_view locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (!(locale = value(name)).empty()) break;
  }
  const bool c_locale = locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX";
  if (!c_locale) {
    for (std::string_view list = value("LANGUAGE"); !list.empty();) {
      const std::size_t colon = list.find(':');
      if (const auto language = LocaleLanguage(list.substr(0, colon))) return *language;
      list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
  }
  return LocaleLanguage(locale).value_or(Language::kJapanese);
}

Language StartLanguage(const std::optional<std::string>& option, std::string_view chosen) {
  if (option) return ParseLanguage(*option).value_or(Language::kJapanese);
  return ParseLanguage(chosen).value_or(LanguageFromLocale());
}

Language LanguageFromLocale() {
  return LanguageFromLocale([](const char* name) { return static_cast<const char*>(std::getenv(name)); });
}

}  // namespace zemra
