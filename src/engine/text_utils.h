// Small string helpers shared by the game: head, split and the reversible
// scrambling of script lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zemra {

// The one value that scrambles and unscrambles the story script; only the low
// four bits are set so bytes of 32 and above stay printable.
inline constexpr unsigned char kScrambleMask = 0x0B;

// The first n code page 932 bytes of the text, never splitting a character.
std::string HeadStr(std::string_view text, std::size_t n);

// Splits the text at every separator into list. An empty separator leaves the
// list as it was. The list has one more element than the text has separators.
void SplitString(std::string_view text, std::string_view separator, std::vector<std::string>& list);

// XORs every byte of 32 and above with kScrambleMask; applied twice it gives
// the text back. Works on raw bytes (the script file's code page 932 lines).
std::string ScrambleText(std::string_view bytes);

}  // namespace zemra
