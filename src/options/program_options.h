// The command line of both programs: one table of options, one parser, and the
// help, usage and version texts, so an option is added in one place.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace zemra {

// kWeb names the browser's page, which takes no command line but signs its recordings.
enum class Program { kWindow, kText, kWeb };

struct ProgramOptions {
  bool desktop = false;                 // save and report in the user's data folder
  bool new_run = false;                 // the title page even with a save, which is kept as save.dat.bak
  std::optional<std::uint64_t> seed;    // the random source's seed; the clock's when absent
  std::optional<std::string> replay;    // the recording to play instead of a sitting
  bool last_only = false;               // a replay prints only its last screen (zemra6-text)
  bool no_record = false;               // this sitting is not recorded
  std::optional<std::string> language;  // "ja" or "en"; the locale's when absent
  bool show_help = false;
  bool show_version = false;
  std::optional<std::string> usage_error;  // set when the command line cannot be used
};

// Reads the arguments after the program name. An unknown option, a stray
// word, or an option whose value is missing or not a number that fits is a
// usage error; "--seed N" and "--seed=N" are the same.
ProgramOptions ParseProgramOptions(std::span<const std::string_view> args);
ProgramOptions ParseProgramOptions(int argc, const char* const* argv);

// "zemra6" or "zemra6-text".
std::string_view ProgramName(Program program);
// The full help for --help, for standard output.
std::string HelpText(Program program);
// The error and a short usage, for standard error.
std::string UsageText(Program program, std::string_view error);
// "zemra6 1.0", for --version.
std::string VersionText(Program program);

// The exit status of a usage error.
inline constexpr int kUsageExitStatus = 2;

// Prints the help, the version or the usage error the options ask for and
// returns the exit status; nullopt when the game should start.
std::optional<int> FinishBeforeStart(Program program, const ProgramOptions& options, std::ostream& out,
                                     std::ostream& err);

}  // namespace zemra
