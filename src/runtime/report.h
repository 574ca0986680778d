// The run report "レポート.txt", rewritten after every save.
#pragma once

#include <string>

namespace zemra {

inline constexpr char kReportFileName[] = "レポート.txt";

// The report of the run in PlayerData, UTF-8 with "\r\n" line ends.
std::string ReportText();

// Writes the report in code page 932; false when it cannot be written.
bool WriteReport();

}  // namespace zemra
