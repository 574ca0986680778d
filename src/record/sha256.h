// SHA-256 of a byte string, for naming the story file a recording was made
// with and for the short screen digests a replay compares.
#pragma once

#include <string>
#include <string_view>

namespace zemra {

// The 64 lower-case hex digits of the SHA-256 of bytes.
std::string Sha256Hex(std::string_view bytes);

}  // namespace zemra
