// Both programs' options, read from one table.
#include "options/program_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "engine/translate.h"

namespace zemra {
namespace {

enum class Field { kDesktop, kNewRun, kSeed, kReplay, kLast, kNoRecord, kLang, kHelp, kVersion };

struct OptionRow {
  std::string_view name;
  std::string_view value_name;  // empty for an option without a value
  std::string_view help;        // wrapped for --help, two lines at most
  Field field;
  bool text_only = false;       // offered by zemra6-text alone
};

constexpr std::array kOptions{
    OptionRow{"--desktop", "",
              "keep the save and the report in $XDG_DATA_HOME/zemra6\n(by default ~/.local/share/zemra6) instead of the working folder",
              Field::kDesktop},
    OptionRow{"--new-run", "", "start at the title page even when a save exists;\nthe old save is kept as save.dat.bak", Field::kNewRun},
    OptionRow{"--seed", "N", "start the random source from N (0 to 18446744073709551615)", Field::kSeed},
    OptionRow{"--replay", "FILE", "play the recording FILE instead of a sitting of your own;\nyour save, report and recordings stay untouched", Field::kReplay},
    OptionRow{"--last", "", "with --replay, print only the last screen", Field::kLast, true},
    OptionRow{"--no-record", "", "do not record this sitting in recordings/ beside the save", Field::kNoRecord},
    OptionRow{"--lang", "LANG", "show the game in LANG: {languages};\nby default the locale's, where the game has it, else ja",
              Field::kLang},
    OptionRow{"--help", "", "show this help and exit", Field::kHelp},
    OptionRow{"--version", "", "show the version and exit", Field::kVersion},
};

const OptionRow* FindOption(std::string_view name) {
  for (const OptionRow& row : kOptions) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

std::optional<std::uint64_t> ParseNumber(std::string_view text) {
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

// "ja or en", "ja, en or fr" (with their names: "ja (日本語) or en (English)"):
// the languages the game speaks, as po/LINGUAS lists them.
std::string LanguageCodes(bool named = false) {
  const std::vector<Language> languages = Languages();
  std::string codes;
  for (std::size_t i = 0; i < languages.size(); ++i) {
    if (i > 0) codes += i + 1 == languages.size() ? " or " : ", ";
    codes += LanguageCode(languages[i]);
    if (named) codes += " (" + std::string(LanguageName(languages[i])) + ")";
  }
  return codes;
}

// Stores one option's value; returns the error when the value is unusable.
std::optional<std::string> Apply(const OptionRow& row, std::optional<std::string_view> value, ProgramOptions& options) {
  switch (row.field) {
    case Field::kDesktop: options.desktop = true; break;
    case Field::kNewRun: options.new_run = true; break;
    case Field::kReplay: options.replay = std::string(*value); break;
    case Field::kLast: options.last_only = true; break;
    case Field::kNoRecord: options.no_record = true; break;
    case Field::kHelp: options.show_help = true; break;
    case Field::kVersion: options.show_version = true; break;
    case Field::kLang:
      if (!ParseLanguage(*value)) return "--lang takes " + LanguageCodes() + ", not '" + std::string(*value) + "'";
      options.language = std::string(*value);
      break;
    case Field::kSeed:
      if (const auto number = ParseNumber(*value)) {
        options.seed = *number;
      } else {
        return "--seed needs a whole number from 0 to 18446744073709551615, not '" + std::string(*value) + "'";
      }
      break;
  }
  return std::nullopt;
}

std::string Synopsis(Program program) {
  std::string line = "Usage: " + std::string(ProgramName(program));
  for (const OptionRow& row : kOptions) {
    if (row.field == Field::kHelp || row.field == Field::kVersion) continue;
    if (row.text_only && program != Program::kText) continue;
    line += " [" + std::string(row.name) + (row.value_name.empty() ? "" : " " + std::string(row.value_name)) + "]";
  }
  return line + "\n";
}

}  // namespace

ProgramOptions ParseProgramOptions(std::span<const std::string_view> args) {
  ProgramOptions options;
  for (std::size_t i = 0; i < args.size() && !options.usage_error; ++i) {
    std::string_view word = args[i];
    std::optional<std::string_view> value;
    if (const auto equals = word.find('='); word.starts_with("--") && equals != std::string_view::npos) {
      value = word.substr(equals + 1);
      word = word.substr(0, equals);
    }
    const OptionRow* row = FindOption(word);
    if (row == nullptr) {
      options.usage_error = word.starts_with("-") ? "unknown option '" + std::string(word) + "'"
                                                  : "unexpected word '" + std::string(word) + "'";
    } else if (row->value_name.empty() && value) {
      options.usage_error = std::string(word) + " takes no value";
    } else if (!row->value_name.empty() && !value && i + 1 == args.size()) {
      options.usage_error = std::string(word) + " needs a value " + std::string(row->value_name);
    } else {
      if (!row->value_name.empty() && !value) value = args[++i];
      options.usage_error = Apply(*row, value, options);
    }
  }
  return options;
}

ProgramOptions ParseProgramOptions(int argc, const char* const* argv) {
  std::vector<std::string_view> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return ParseProgramOptions(args);
}

std::string_view ProgramName(Program program) {
  switch (program) {
    case Program::kWindow: return "zemra6";
    case Program::kText: return "zemra6-text";
    case Program::kWeb: return "zemra6-web";
  }
  return "zemra6";
}

std::string HelpText(Program program) {
  std::string text = Synopsis(program);
  text += program == Program::kWindow
              ? "ZEMRA6 (ヴァルミナ・クェル), a turn-based sword-and-card role-playing game.\n"
              : "ZEMRA6 (ヴァルミナ・クェル) without a window: one action a line on standard\n"
                "input, one JSON object a line on standard output.\n";
  text += "\nOptions:\n";
  // The explanations start in one column, two spaces past the widest option.
  const auto spelled = [](const OptionRow& row) {
    return "  " + std::string(row.name) + (row.value_name.empty() ? "" : " " + std::string(row.value_name));
  };
  std::size_t column = 0;
  for (const OptionRow& row : kOptions) column = std::max(column, spelled(row).size() + 2);
  for (const OptionRow& row : kOptions) {
    if (row.text_only && program != Program::kText) continue;
    std::string left = spelled(row);
    left.resize(column, ' ');
    std::string filled(row.help);
    if (const auto at = filled.find("{languages}"); at != std::string::npos) {
      filled.replace(at, std::string_view("{languages}").size(), LanguageCodes(true));
    }
    std::string_view help = filled;
    for (std::size_t newline; (newline = help.find('\n')) != std::string_view::npos; help.remove_prefix(newline + 1)) {
      text += left + std::string(help.substr(0, newline)) + "\n";
      left.assign(column, ' ');
    }
    text += left + std::string(help) + "\n";
  }
  text += "\nThe manual page " + std::string(ProgramName(program)) + "(6) tells more.\n";
  return text;
}

std::string UsageText(Program program, std::string_view error) {
  const std::string name(ProgramName(program));
  return name + ": " + std::string(error) + "\n" + Synopsis(program) + "Try '" + name + " --help' for more.\n";
}

std::string VersionText(Program program) { return std::string(ProgramName(program)) + " " + ZEMRA_VERSION + "\n"; }

std::optional<int> FinishBeforeStart(Program program, const ProgramOptions& options, std::ostream& out,
                                     std::ostream& err) {
  std::optional<std::string> error = options.usage_error;
  if (!error && options.last_only && program != Program::kText) error = "unknown option '--last'";
  if (!error && options.last_only && !options.replay) error = "--last goes with --replay FILE";
  if (error) {
    err << UsageText(program, *error);
    return kUsageExitStatus;
  }
  if (options.show_help) {
    out << HelpText(program);
    return 0;
  }
  if (options.show_version) {
    out << VersionText(program);
    return 0;
  }
  return std::nullopt;
}

}  // namespace zemra
