// A kept recording as the page's list shows it.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

namespace zemra {

// {"began", "inputs", "length", "ending"}, in the core's language: when the
// sitting began (from the file's name), how many inputs it holds, how long it
// was played (or 不明 for a file that does not say), and how it ended, from
// `end` ({"page", "depth", "battles", "cleared", "terminated"} or null).
nlohmann::json RecordingSummaryJson(std::string_view name, std::string_view text, const nlohmann::json& end);

}  // namespace zemra
