// The command line both programs share: what each word sets, and what is refused.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "options/program_options.h"

namespace zemra {
namespace {

ProgramOptions Parse(const std::vector<std::string_view>& args) { return ParseProgramOptions(args); }

TEST(ProgramOptionsTest, UsableCommandLinesSetTheirFields) {
  struct Case {
    std::vector<std::string_view> args;
    bool desktop;
    std::optional<std::uint64_t> seed;
    bool help;
    bool version;
    std::optional<std::string> language = std::nullopt;
  };
  const Case cases[] = {
      {{}, false, std::nullopt, false, false},
      {{"--lang", "en"}, false, std::nullopt, false, false, "en"},
      {{"--lang=ja", "--desktop"}, true, std::nullopt, false, false, "ja"},
      {{"--desktop"}, true, std::nullopt, false, false},
      {{"--seed", "7"}, false, 7, false, false},
      {{"--seed=0"}, false, 0, false, false},
      {{"--seed", "18446744073709551615"}, false, 18446744073709551615ULL, false, false},
      {{"--seed", "1", "--desktop", "--seed", "2"}, true, 2, false, false},
      {{"--help"}, false, std::nullopt, true, false},
      {{"--version", "--seed", "3"}, false, 3, false, true},
  };
  for (const Case& c : cases) {
    const ProgramOptions options = Parse(c.args);
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(options.usage_error, std::nullopt);
    EXPECT_EQ(options.desktop, c.desktop);
    EXPECT_EQ(options.seed, c.seed);
    EXPECT_EQ(options.show_help, c.help);
    EXPECT_EQ(options.show_version, c.version);
    EXPECT_EQ(options.language, c.language);
  }
}

TEST(ProgramOptionsTest, UnusableCommandLinesAreUsageErrorsThatNameTheWord) {
  struct Case {
    std::vector<std::string_view> args;
    std::string error;
  };
  const std::string needs_number = "--seed needs a whole number from 0 to 18446744073709551615, not ";
  const Case cases[] = {
      {{"--seed"}, "--seed needs a value N"},
      {{"--desktop", "--seed"}, "--seed needs a value N"},
      {{"--seed", "abc"}, needs_number + "'abc'"},
      {{"--seed", "99999999999999999999"}, needs_number + "'99999999999999999999'"},
      {{"--seed", "-1"}, needs_number + "'-1'"},
      {{"--seed", "+1"}, needs_number + "'+1'"},
      {{"--seed", "12x"}, needs_number + "'12x'"},
      {{"--seed", " 12"}, needs_number + "' 12'"},
      {{"--seed="}, needs_number + "''"},
      {{"--seed", "--desktop"}, needs_number + "'--desktop'"},
      {{"--desktop=yes"}, "--desktop takes no value"},
      {{"--fullscreen"}, "unknown option '--fullscreen'"},
      {{"-s"}, "unknown option '-s'"},
      {{"--help", "--nope"}, "unknown option '--nope'"},
      {{"save.dat"}, "unexpected word 'save.dat'"},
      {{"--lang"}, "--lang needs a value LANG"},
      {{"--lang", "xx"}, "--lang takes ja or en, not 'xx'"},
      {{"--lang=EN"}, "--lang takes ja or en, not 'EN'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(Parse(c.args).usage_error, c.error);
  }
}

TEST(ProgramOptionsTest, OnlyAUsableCommandLineLetsTheGameStart) {
  struct Case {
    std::vector<std::string_view> args;
    std::optional<int> status;
    std::string out_start;
    std::string err_start;
  };
  const Case cases[] = {
      {{"--seed", "5"}, std::nullopt, "", ""},
      {{"--help"}, 0, "Usage: zemra6-text [--desktop] [--new-run] [--seed N] [--replay FILE] [--last] [--no-record] [--lang LANG]\n", ""},
      {{"--version"}, 0, "zemra6-text ", ""},
      {{"--help", "--version"}, 0, "Usage: ", ""},
      {{"--replay", "a.zrec", "--last"}, std::nullopt, "", ""},
      {{"--last"}, 2, "", "zemra6-text: --last goes with --replay FILE\n"},
      {{"--version", "--bad"}, 2, "", "zemra6-text: unknown option '--bad'\nUsage: zemra6-text [--desktop] [--new-run] [--seed N] [--replay FILE] [--last] [--no-record] [--lang LANG]\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(FinishBeforeStart(Program::kText, Parse(c.args), out, err), c.status);
    EXPECT_TRUE(out.str().starts_with(c.out_start)) << out.str();
    EXPECT_TRUE(err.str().starts_with(c.err_start)) << err.str();
    EXPECT_EQ(out.str().empty(), c.out_start.empty());
    EXPECT_EQ(err.str().empty(), c.err_start.empty());
  }
}

TEST(ProgramOptionsTest, TheHelpOfEachProgramNamesEveryOptionAndItsManualPage) {
  for (const Program program : {Program::kWindow, Program::kText}) {
    const std::string help = HelpText(program);
    // Every option of the synopsis, and the two it leaves out, stands whole on
    // a line of its own, with at least two spaces before its explanation.
    std::vector<std::string> options{"--help", "--version"};
    const std::string synopsis = help.substr(0, help.find('\n'));
    for (std::size_t open = 0; (open = synopsis.find('[', open)) != std::string::npos; ++open) {
      options.push_back(synopsis.substr(open + 1, synopsis.find(']', open) - open - 1));
    }
    EXPECT_GE(options.size(), 6u);
    for (const std::string& option : options) {
      EXPECT_NE(help.find("\n  " + option + "  "), std::string::npos) << ProgramName(program) << " " << option << "\n" << help;
    }
    EXPECT_NE(help.find(std::string(ProgramName(program)) + "(6)"), std::string::npos);
    // The languages come from the catalogues the build made, each with its name.
    EXPECT_NE(help.find("LANG: ja (日本語) or en (English);"), std::string::npos) << help;
  }
}

}  // namespace
}  // namespace zemra
