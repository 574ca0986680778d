#include "engine/translate.h"

#include <algorithm>
#include <cctype>

namespace zemra {
namespace {

Language& Current() {
  static Language language = Language::kJapanese;
  return language;
}

constexpr char kContextGlue = '\x04';  // gettext's own joint of a context and its text

const LanguageCatalogue* CatalogueFor(Language language) {
  const auto index = static_cast<std::size_t>(language);
  const std::span<const LanguageCatalogue> all = Catalogues();
  return index == 0 || index > all.size() ? nullptr : &all[index - 1];
}

std::optional<std::string_view> Find(Language language, std::string_view key) {
  const std::span<const CatalogueEntry> entries = CatalogueOf(language);
  const auto found = std::lower_bound(entries.begin(), entries.end(), key,
                                      [](const CatalogueEntry& entry, std::string_view k) { return entry.key < k; });
  if (found == entries.end() || found->key != key) return std::nullopt;
  return found->text;
}

std::string ContextKey(std::string_view context, std::string_view japanese) {
  std::string key(context);
  key += kContextGlue;
  key += japanese;
  return key;
}

// A sentence opens at the start of the text and after its end marks.
bool OpensSentence(std::string_view before) {
  const std::size_t last = before.find_last_not_of(' ');
  if (last == std::string_view::npos) return true;
  const char c = before[last];
  return c == '.' || c == '!' || c == '?' || c == '\n';
}

}  // namespace

std::optional<Language> ParseLanguage(std::string_view code) {
  if (code == "ja") return Language::kJapanese;
  const std::span<const LanguageCatalogue> all = Catalogues();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i].code == code) return static_cast<Language>(i + 1);
  }
  return std::nullopt;
}

std::string_view LanguageCode(Language language) {
  const LanguageCatalogue* catalogue = CatalogueFor(language);
  return catalogue == nullptr ? "ja" : catalogue->code;
}

std::string_view LanguageName(Language language) {
  const LanguageCatalogue* catalogue = CatalogueFor(language);
  return catalogue == nullptr ? "日本語" : catalogue->name;
}

std::vector<Language> Languages() {
  std::vector<Language> languages{Language::kJapanese};
  for (std::size_t i = 1; i <= Catalogues().size(); ++i) languages.push_back(static_cast<Language>(i));
  return languages;
}

std::span<const CatalogueEntry> CatalogueOf(Language language) {
  const LanguageCatalogue* catalogue = CatalogueFor(language);
  if (catalogue == nullptr) return {};
  return {catalogue->entries, catalogue->size};
}

Language CurrentLanguage() { return Current(); }
void SetLanguage(Language language) { Current() = language; }

std::string Tr(std::string_view japanese) { return TrIn(Current(), japanese); }

std::string_view TrView(std::string_view japanese) {
  if (japanese.empty()) return japanese;
  return Find(Current(), japanese).value_or(japanese);
}

std::string TrIn(Language language, std::string_view japanese) {
  if (japanese.empty()) return std::string();
  return std::string(Find(language, japanese).value_or(japanese));
}

std::string TrCtx(std::string_view context, std::string_view japanese) { return TrCtxIn(Current(), context, japanese); }

std::string TrCtxIn(Language language, std::string_view context, std::string_view japanese) {
  if (japanese.empty()) return std::string();
  const std::optional<std::string_view> found = Find(language, ContextKey(context, japanese));
  return std::string(found.value_or(japanese));
}

bool HasTrCtx(std::string_view context, std::string_view japanese) {
  return Find(Current(), ContextKey(context, japanese)).has_value();
}

std::string TrN(std::string_view japanese, std::string_view japanese_plural, unsigned long n) {
  const LanguageCatalogue* catalogue = CatalogueFor(Current());
  const std::optional<std::string_view> forms = Find(Current(), japanese);
  if (catalogue == nullptr || !forms) return std::string(n == 1 ? japanese : japanese_plural);
  std::string_view rest = *forms;
  for (std::size_t form = catalogue->plural_form(n); form > 0 && rest.find('\0') != std::string_view::npos; --form) {
    rest.remove_prefix(rest.find('\0') + 1);
  }
  return std::string(rest.substr(0, rest.find('\0')));
}

std::string CrLfLines(std::string_view text) {
  std::string lines;
  lines.reserve(text.size() + 8);
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return lines;
}

std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      const char next = pattern[i + 1];
      if (next == '%') {
        text += '%';
        ++i;
        continue;
      }
      const auto number = static_cast<std::size_t>(next - '1');
      if (next >= '1' && next <= '9' && number < args.size()) {
        const FormatArg& arg = *(args.begin() + number);
        ++i;
        const ShownName* name = arg.Name();
        if (name == nullptr) {
          text += arg.Text();
          continue;
        }
        const bool capital = name->capital && OpensSentence(text);
        const std::size_t at = text.size();
        if (pattern.substr(i + 1).starts_with("'s")) {
          text += name->possessive;
          i += 2;
        } else {
          text += name->text;
        }
        if (capital && at < text.size()) text[at] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
        continue;
      }
    }
    text += c;
  }
  return text;
}

}  // namespace zemra
