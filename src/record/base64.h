// Base64 (RFC 4648, with padding) for the save a recording carries.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zemra {

std::string EncodeBase64(std::string_view bytes);
// The bytes, or nullopt for text that is not padded base64.
std::optional<std::string> DecodeBase64(std::string_view text);

}  // namespace zemra
