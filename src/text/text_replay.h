// zemra6-text --replay: a recording played headless, its screens printed as
// the text front end prints them.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

namespace zemra {

// Plays the recording with the content in content_roots on a scratch save
// folder; prints every screen reached (only the last with last_only) to out
// and how the replay ended to err. Returns 0 when the run ended as recorded,
// 1 when it did not, 2 when the file cannot be read as a recording.
int RunTextReplay(const std::filesystem::path& file, bool last_only,
                  const std::vector<std::filesystem::path>& content_roots, std::ostream& out, std::ostream& err);

}  // namespace zemra
