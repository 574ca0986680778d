// The one translation lookup: every text a player sees goes through Tr, keyed
// by its Japanese text, which stays the identity the game saves, compares and
// records. Japanese is the default and is the key itself, byte for byte; the
// other languages are the catalogues the build made from po/LINGUAS.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zemra {

// Japanese, or the catalogue at place N-1 in po/LINGUAS.
enum class Language : std::uint8_t { kJapanese = 0 };

// "ja" or a code po/LINGUAS lists; nullopt for any other code.
std::optional<Language> ParseLanguage(std::string_view code);
std::string_view LanguageCode(Language language);
// The language's name in itself ("日本語", "English"), as a menu offers it.
std::string_view LanguageName(Language language);
// Every language the game speaks: Japanese first, then po/LINGUAS in order.
std::vector<Language> Languages();

// The language of every text shown from now on (Japanese until set).
Language CurrentLanguage();
void SetLanguage(Language language);

// The current language's text for this Japanese text, or the text itself
// when the catalogue has none (a name the player typed stays as typed).
std::string Tr(std::string_view japanese);
// The same as a view: of the catalogue's text, or of the argument itself
// when the catalogue has none, so it lives as long as the argument does.
std::string_view TrView(std::string_view japanese);
// The same in a given language, whatever the current one.
std::string TrIn(Language language, std::string_view japanese);
// The text as it reads in one context (a msgctxt: "剣" on a button and as a
// sword's kind); the text itself where the catalogue has no such context.
std::string TrCtx(std::string_view context, std::string_view japanese);
std::string TrCtxIn(Language language, std::string_view context, std::string_view japanese);
// Whether the current language's catalogue has the text in that context.
bool HasTrCtx(std::string_view context, std::string_view japanese);
// A text that counts n: the catalogue's form for n, as its Plural-Forms
// picks it; untranslated, the first text for one and the second otherwise.
std::string TrN(std::string_view japanese, std::string_view japanese_plural, unsigned long n);

// Mark a text for the catalogue where it is only stored (a table's row);
// it is translated where it is shown. NC_ gives it a context as well.
#define N_(text) text
#define NC_(context, text) text

// A name as a sentence takes it: as it stands inside a sentence (a subject or
// an object: "the enemy", "you"), as an owner ("the enemy's", "your"), and
// whether it takes a capital when it opens one (a typed name stays as typed).
struct ShownName {
  std::string text;
  std::string possessive;
  bool capital = false;
};

// An argument of FormatText: a text, or a name with its forms.
class FormatArg {
 public:
  FormatArg(std::string_view text) : text_(text) {}             // NOLINT: a text is an argument as it is
  FormatArg(const std::string& text) : text_(text) {}           // NOLINT
  FormatArg(const char* text) : text_(text) {}                  // NOLINT
  FormatArg(const ShownName& name) : text_(name.text), name_(&name) {}  // NOLINT
  std::string_view Text() const { return text_; }
  const ShownName* Name() const { return name_; }

 private:
  std::string_view text_;
  const ShownName* name_ = nullptr;
};

// The pattern with %1 … %9 replaced by the arguments in that order of
// numbers, so a translation may move them; "%%" is a single "%". A name is
// put as it stands, "%1's" puts its owner form, and a name opening a
// sentence takes its capital: "%1's mind" reads "Your mind", "the enemy's mind".
std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args);

// The text with each "\n" made "\r\n", the console's line break: catalogue
// texts keep plain line breaks, as translators' tools expect.
std::string CrLfLines(std::string_view text);

// Tr and FormatText in one: Tf("%1は%2点のダメージを受けた。", {name, points}).
inline std::string Tf(std::string_view japanese, std::initializer_list<FormatArg> args) {
  return FormatText(Tr(japanese), args);
}

// A language's catalogue as the build generated it from its .po file, sorted
// by key; a key with a context is "context\x04text", a plural entry holds its
// forms "\0" apart.
struct CatalogueEntry {
  std::string_view key;
  std::string_view text;
};
struct LanguageCatalogue {
  std::string_view code;
  std::string_view name;
  const CatalogueEntry* entries;
  std::size_t size;
  std::size_t (*plural_form)(unsigned long n);
};
// The catalogues of po/LINGUAS, in its order.
std::span<const LanguageCatalogue> Catalogues();
// A language's catalogue; empty for Japanese.
std::span<const CatalogueEntry> CatalogueOf(Language language);

}  // namespace zemra
