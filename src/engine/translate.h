// The one translation lookup: every text a player sees goes through Tr, keyed
// by its Japanese text, which stays the identity the game saves, compares and
// records. Japanese is the default and is the key itself, byte for byte.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace zemra {

enum class Language { kJapanese, kEnglish };

// "ja" or "en"; nullopt for any other code.
std::optional<Language> ParseLanguage(std::string_view code);
std::string_view LanguageCode(Language language);

// The language of every text shown from now on (Japanese until set).
Language CurrentLanguage();
void SetLanguage(Language language);

// The current language's text for this Japanese text, or the text itself
// when the catalogue has none (a name the player typed stays as typed).
std::string Tr(std::string_view japanese);
// The same in a given language, whatever the current one.
std::string TrIn(Language language, std::string_view japanese);

// Marks a text for the catalogue where it is only stored (a table's row);
// it is translated where it is shown.
#define N_(text) text

// The pattern with %1 … %9 replaced by the arguments in that order of
// numbers, so a translation may move them; "%%" is a single "%".
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// The text with each "\n" made "\r\n", the console's line break: catalogue
// texts keep plain line breaks, as translators' tools expect.
std::string CrLfLines(std::string_view text);

// Tr and FormatText in one: Tf("%1は%2点のダメージを受けた。", {name, points}).
inline std::string Tf(std::string_view japanese, std::initializer_list<std::string_view> args) {
  return FormatText(Tr(japanese), args);
}

// The English catalogue as the build generated it from po/en.po, sorted by key.
struct CatalogueEntry {
  std::string_view key;
  std::string_view text;
};
struct CatalogueView {
  const CatalogueEntry* entries;
  std::size_t size;
};
CatalogueView EnglishCatalogue();

}  // namespace zemra
