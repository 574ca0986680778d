// Whole-file reading and writing. Errors come back as results, never as
// exceptions, so callers can turn them into the game's own messages.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zemra {

// Creates or overwrites the file with the bytes unchanged; false on any failure.
bool WriteTextFile(const std::filesystem::path& path, std::string_view bytes);

// Replaces the file only once the new bytes are safely on disk: a temporary
// file in the same folder is written, flushed and renamed over the target.
// On any failure the old file is untouched, no temporary is left, and the result is false.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);

// At most max_bytes from the start of a regular file, or nullopt when it is
// not a regular file or cannot be opened or read. Never blocks on a pipe.
std::optional<std::string> ReadFileHead(const std::filesystem::path& path, std::size_t max_bytes);

// The whole of a regular file, or nullopt as for ReadFileHead.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace zemra
