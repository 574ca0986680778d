// String helpers. Text is UTF-8 here, so a separator can never match inside a
// multi-byte character and a plain search is character-safe.
#include "engine/text_utils.h"

#include "engine/sjis.h"

namespace zemra {

std::string HeadStr(std::string_view text, std::size_t n) { return CutSjis(text, n); }

void SplitString(std::string_view text, std::string_view separator, std::vector<std::string>& list) {
  if (separator.empty()) return;
  list.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t found = text.find(separator, start);
    if (found == std::string_view::npos) {
      list.emplace_back(text.substr(start));
      return;
    }
    list.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
}

std::string ScrambleText(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 32) c = static_cast<char>(b ^ kScrambleMask);
  }
  return out;
}

}  // namespace zemra
