#include "engine/translate.h"

#include <algorithm>

namespace zemra {
namespace {

Language& Current() {
  static Language language = Language::kJapanese;
  return language;
}

}  // namespace

std::optional<Language> ParseLanguage(std::string_view code) {
  if (code == "ja") return Language::kJapanese;
  if (code == "en") return Language::kEnglish;
  return std::nullopt;
}

std::string_view LanguageCode(Language language) { return language == Language::kEnglish ? "en" : "ja"; }

Language CurrentLanguage() { return Current(); }
void SetLanguage(Language language) { Current() = language; }

std::string Tr(std::string_view japanese) { return TrIn(Current(), japanese); }

std::string TrIn(Language language, std::string_view japanese) {
  if (language == Language::kJapanese || japanese.empty()) return std::string(japanese);
  const CatalogueView catalogue = EnglishCatalogue();
  const CatalogueEntry* end = catalogue.entries + catalogue.size;
  const CatalogueEntry* found = std::lower_bound(
      catalogue.entries, end, japanese, [](const CatalogueEntry& entry, std::string_view key) { return entry.key < key; });
  if (found == end || found->key != japanese) return std::string(japanese);
  return std::string(found->text);
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

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
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
        text += *(args.begin() + number);
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

}  // namespace zemra
