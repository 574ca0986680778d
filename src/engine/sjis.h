// Shift-JIS (code page 932) at the program's edges. Text inside the program is
// UTF-8; it becomes code page 932 bytes only where bytes enter or leave (save
// file, report, story script) and wherever a byte limit is counted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zemra {

// Code page 932 bytes of a UTF-8 text; nullopt when the text is not valid
// UTF-8 or holds a character code page 932 cannot hold.
std::optional<std::string> Utf8ToSjis(std::string_view utf8);

// UTF-8 text of code page 932 bytes; nullopt when the bytes are not valid.
std::optional<std::string> SjisToUtf8(std::string_view sjis);

// UTF-8 text of code page 932 bytes; each byte that does not convert becomes
// U+FFFD and the rest is converted as well as it can be.
std::string SjisToUtf8Lenient(std::string_view sjis);

// Length in code page 932 bytes (a full-width character counts two); nullopt
// when the text cannot be held.
std::optional<std::size_t> SjisLength(std::string_view utf8);

// The first character of a UTF-8 text that code page 932 cannot hold, with
// the combining marks that follow it, or a mark with the letter it sits on
// ("é" typed as e and U+0301): what a player would call the character.
// nullopt when every character can be held or the text is not valid UTF-8.
std::optional<std::string> FirstUnheldCharacter(std::string_view utf8);

// The longest head of the text whose code page 932 form fits in capacity
// bytes; never splits a character. Characters that cannot be held end the head.
std::string CutSjis(std::string_view utf8, std::size_t capacity);

}  // namespace zemra
