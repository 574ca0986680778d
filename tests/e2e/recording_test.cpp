// Sittings recorded by zemra6-text and replayed by it: a whole run, a sitting
// started from a save, and a recording cut short.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/crafted_save.h"
#include "support/scripted_player.h"
#include "support/text_runner.h"

namespace zemra {
namespace {

using nlohmann::json;
using testing::TextRun;

struct Replayed {
  int status = -1;
  std::vector<json> screens;
  std::string message;
};

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The one recording the sitting in dir left.
std::filesystem::path RecordingIn(const std::filesystem::path& dir) {
  std::filesystem::path found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir / "recordings", error)) found = entry.path();
  return found;
}

Replayed Replay(const std::filesystem::path& dir, const std::filesystem::path& file, bool last) {
  const std::string command = "cd '" + dir.string() + "' && '" + ZEMRA_TEXT_PROGRAM + "' --replay '" + file.string() +
                              "'" + (last ? " --last" : "") + " > replay.out 2> replay.err";
  Replayed r;
  const int raw = std::system(command.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::istringstream out(FileText(dir / "replay.out"));
  for (std::string line; std::getline(out, line);) r.screens.push_back(json::parse(line, nullptr, false));
  r.message = FileText(dir / "replay.err");
  std::filesystem::remove(dir / "replay.out");
  std::filesystem::remove(dir / "replay.err");
  return r;
}

TEST(Recording, AWholeRunReplaysToTheSameEnding) {
  TextRun dir;
  testing::ScriptedPlayer player(dir.Dir(), 7, true);
  const testing::RunFigures figures = player.Play(3000);
  ASSERT_TRUE(figures.reached_ending);
  const json last = json::parse(figures.last_screen);
  const auto file = RecordingIn(dir.Dir());
  ASSERT_FALSE(file.empty());

  const auto start = std::chrono::steady_clock::now();
  const Replayed r = Replay(dir.Dir(), file, true);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("whole run recording: %ju bytes, replayed headless in %.2f s\n",
              static_cast<std::uintmax_t>(std::filesystem::file_size(file)), seconds);
  EXPECT_EQ(r.status, 0) << r.message;
  ASSERT_EQ(r.screens.size(), 1u);
  for (const char* key : {"page", "lines", "commands", "self", "swords", "run", "terminated"}) {
    EXPECT_EQ(r.screens[0][key], last[key]) << key;
  }
}

class RecordingFromASave : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteCraftedSave(recorded.Dir(), {3, {"クロス", "クロス"}, {10, 20, 30, 40, 50}});
    const auto out = recorded.Run({"press 剣", "hover 1", "leave", "click 0", "press 徘徊", "tick 800"});
    ASSERT_EQ(out.front()["page"], "main");
    file = RecordingIn(recorded.Dir());
    ASSERT_FALSE(file.empty());
  }
  TextRun recorded;
  std::filesystem::path file;
};

TEST_F(RecordingFromASave, ReplaysWithItsOwnSaveAndLeavesTheFolderAsItWas) {
  TextRun elsewhere;
  testing::WriteCraftedSave(elsewhere.Dir(), {6, {"クロス"}, {1, 2, 3, 4, 5}});
  const std::string save = FileText(elsewhere.Dir() / "save.dat");
  const Replayed r = Replay(elsewhere.Dir(), file, false);
  EXPECT_EQ(r.status, 0) << r.message;
  ASSERT_GE(r.screens.size(), 2u);
  EXPECT_EQ(r.screens.front()["run"]["depth"], 3);
  EXPECT_EQ(FileText(elsewhere.Dir() / "save.dat"), save);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(elsewhere.Dir())) names.push_back(entry.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"save.dat"});
}

// The wall clock is only read: a file with it and one an older program wrote
// without it replay alike.
TEST_F(RecordingFromASave, ReplaysAsWrittenNowAndAsVersion1WroteIt) {
  const std::string now = FileText(file);
  ASSERT_NE(now.find("\"version\":2"), std::string::npos) << now;
  ASSERT_NE(now.find("{\"elapsed\":"), std::string::npos) << now;
  std::string old;
  std::istringstream lines(now);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("{\"elapsed\":")) continue;
    if (const auto at = line.find("\"version\":2"); at != std::string::npos) line.replace(at, 11, "\"version\":1");
    old += line + "\n";
  }
  for (const auto& [what, text] : {std::pair{"now", now}, std::pair{"version 1", old}}) {
    std::ofstream(recorded.Dir() / "copy.zrec", std::ios::binary | std::ios::trunc) << text;
    const Replayed r = Replay(recorded.Dir(), recorded.Dir() / "copy.zrec", true);
    EXPECT_EQ(r.status, 0) << what << ": " << r.message;
    EXPECT_NE(r.message.find("the run ended as recorded"), std::string::npos) << what << ": " << r.message;
  }
}

TEST(Recording, ASittingWithoutAnInputOfThePlayersLeavesNoRecording) {
  TextRun dir;
  testing::WriteCraftedSave(dir.Dir(), {3, {"クロス", "クロス"}, {10, 20, 30, 40, 50}});
  const auto out = dir.Run({"tick 800", "state"});
  ASSERT_EQ(out.front()["page"], "main");
  std::error_code error;
  EXPECT_TRUE(std::filesystem::is_empty(dir.Dir() / "recordings", error) || error) << RecordingIn(dir.Dir());
}

TEST(Recording, MouseMovesThatShowNothingNewAreNotRecorded) {
  TextRun dir;
  testing::WriteCraftedSave(dir.Dir(), {3, {"クロス", "クロス"}, {10, 20, 30, 40, 50}});
  dir.Run({"press 剣", "hover 1", "hover 1", "hover 1", "leave", "leave", "hover 6", "hover 0", "leave"});
  const auto file = RecordingIn(dir.Dir());
  const std::string recorded = FileText(file);
  const auto count = [&recorded](const std::string& input) {
    std::size_t n = 0;
    for (std::size_t at = 0; (at = recorded.find("\"" + input + "\"", at)) != std::string::npos; ++at) ++n;
    return n;
  };
  EXPECT_EQ(count("hover 1"), 1u) << recorded;
  EXPECT_EQ(count("hover 0"), 1u) << recorded;
  EXPECT_EQ(count("leave"), 2u) << recorded;
  EXPECT_EQ(count("hover 6"), 0u) << recorded;
  EXPECT_EQ(Replay(dir.Dir(), file, false).status, 0);
}

TEST_F(RecordingFromASave, ACutRecordingReplaysItsWholeLinesAndSaysSo) {
  const std::string whole = FileText(file);
  // The last screen in the file and the input that reached it.
  const std::size_t last_digest = whole.rfind("{\"digest\"");
  const std::size_t last_input = whole.rfind("{\"input\"", last_digest);
  ASSERT_NE(last_input, std::string::npos);
  ASSERT_NE(last_digest, std::string::npos);
  const int digest_line = static_cast<int>(std::count(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(last_digest), '\n')) + 1;
  struct Cut {
    const char* what;
    std::size_t at;
    std::string says;
  };
  const Cut cuts[] = {
      {"inside the last input", last_input + 5, "cut short in the middle of line " + std::to_string(digest_line - 1)},
      {"inside the last screen", last_digest + 14, "cut short in the middle of line " + std::to_string(digest_line)},
      {"before the last screen", last_digest, "cut short before line " + std::to_string(digest_line)},
  };
  for (const Cut& cut : cuts) {
    std::ofstream(recorded.Dir() / "cut.zrec", std::ios::binary | std::ios::trunc) << whole.substr(0, cut.at);
    const Replayed r = Replay(recorded.Dir(), recorded.Dir() / "cut.zrec", false);
    EXPECT_EQ(r.status, 2) << cut.what << ": " << r.message;
    EXPECT_NE(r.message.find(cut.says), std::string::npos) << cut.what << ": " << r.message;
    EXPECT_FALSE(r.screens.empty()) << cut.what;
  }

  std::ofstream(recorded.Dir() / "empty.zrec", std::ios::binary) << "";
  const Replayed empty = Replay(recorded.Dir(), recorded.Dir() / "empty.zrec", false);
  EXPECT_EQ(empty.status, 2);
  EXPECT_TRUE(empty.screens.empty());
  EXPECT_NE(empty.message.find("the file is empty"), std::string::npos) << empty.message;
}

}  // namespace
}  // namespace zemra
