// Whole runs through the text front end: start-up, title, name page, main page.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "engine/file_io.h"
#include "platform/save_folder_lock.h"
#include "support/crafted_save.h"
#include "support/text_process.h"
#include "support/text_runner.h"

namespace zemra {
namespace {

using nlohmann::json;
using testing::TextRun;

TEST(TextFrontEnd, StartsOnTheTitlePageWithItsMusic) {
  TextRun run;
  const auto out = run.Run({"tick 200", "state"});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0]["page"], "title");
  EXPECT_EQ(out[0]["sounds"], json::parse(R"([["dat/04b.wav", true]])"));
  EXPECT_EQ(out[1]["boxes"], json::array());
  EXPECT_FALSE(out[2]["terminated"].get<bool>());
}

// A step of the largest size used to run the title job once per 50 ms of it.
TEST(TextFrontEnd, AHugeClockStepAnswersAndPlayGoesOn) {
  TextRun run;
  const auto out = run.Run({"tick 2147483647", "tick 2147483647", "tick 60", "title"});
  ASSERT_EQ(out.size(), 5u);
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_FALSE(out[i].contains("error")) << i;
    EXPECT_EQ(out[i]["page"], "title") << i;
  }
  EXPECT_EQ(out[4]["page"], "name");
}

TEST(TextFrontEnd, ReachesTheMainPageThroughTitleAndName) {
  TextRun run;
  const auto out = run.Run({"title", "name ", "answer no", "name 剣聖", "name 剣聖"});
  ASSERT_EQ(out.size(), 6u);
  EXPECT_EQ(out[1]["page"], "name");
  EXPECT_EQ(out[2]["boxes"], json::parse(R"(["銘が入力されていません。"])"));
  EXPECT_EQ(out[4]["page"], "name");
  EXPECT_EQ(out[4]["boxes"], json::parse(R"(["≪剣聖≫\r\nこれでいいですか？"])"));
  const json& main = out[5];
  EXPECT_EQ(main["page"], "main");
  EXPECT_EQ(main["boxes"], json::parse(R"(["≪剣聖≫\r\nこれでいいですか？", "刻まれました。"])"));
  EXPECT_EQ(main["sounds"][0], json::parse(R"(["dat/water.wav", false])"));
  EXPECT_EQ(main["run"]["playerName"], "剣聖");
}

TEST(TextFrontEnd, ReportsActionsItCannotDo) {
  TextRun run;
  const auto out = run.Run({"press はい", "click 9", "tick -3", "dance", "name x"});
  ASSERT_EQ(out.size(), 6u);
  for (std::size_t i = 1; i < out.size(); ++i) {
    EXPECT_TRUE(out[i].contains("error")) << i;
    EXPECT_EQ(out[i]["page"], "title");
  }
}

TEST(TextFrontEnd, ANewRunStartsAtTheTitleAndKeepsTheOldSaveAside) {
  struct Case {
    const char* what;
    bool older_backup;
  };
  for (const Case c : {Case{"a save", false}, Case{"a save and an older backup", true}}) {
    TextRun run;
    testing::WriteCraftedSave(run.Dir(), {3, {"クロス", "刀"}});
    if (c.older_backup) std::ofstream(run.Dir() / "save.dat.bak") << "older";
    const auto saved = ReadWholeFile(run.Dir() / "save.dat");
    ASSERT_TRUE(saved.has_value());
    const auto out = run.Run({"state"}, 7, "--new-run");
    ASSERT_EQ(out.size(), 2u) << c.what;
    EXPECT_EQ(out[0]["page"], "title") << c.what;
    EXPECT_FALSE(std::filesystem::exists(run.Dir() / "save.dat")) << c.what;
    EXPECT_EQ(ReadWholeFile(run.Dir() / "save.dat.bak"), saved) << c.what;
  }
  // Without a save a new run is an ordinary start, and nothing is made.
  TextRun run;
  const auto out = run.Run({"state"}, 7, "--new-run");
  EXPECT_EQ(out[0]["page"], "title");
  EXPECT_FALSE(std::filesystem::exists(run.Dir() / "save.dat.bak"));
}

TEST(TextFrontEnd, ASecondSittingOnTheSameSaveDoesNotStart) {
  TextRun run;
  testing::WriteCraftedSave(run.Dir(), {3, {"クロス", "刀"}});
  testing::TextProcess first(run.Dir(), 7);
  ASSERT_EQ(first.Read()["page"], "main");
  const std::string second = "cd '" + run.Dir().string() + "' && '" + ZEMRA_TEXT_PROGRAM +
                             "' --seed 7 < /dev/null > second.out 2> second.err";
  const int raw = std::system(second.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), kSaveFolderBusyStatus);
  EXPECT_EQ(ReadWholeFile(run.Dir() / "second.out"), "");
  EXPECT_NE(ReadWholeFile(run.Dir() / "second.err").value_or("").find("already open"), std::string::npos);
  // The first sitting plays on, and only it records.
  EXPECT_EQ(first.Act("press 剣")["page"], "main");
  int recordings = 0;
  for (const auto& entry : std::filesystem::directory_iterator(run.Dir() / "recordings")) recordings += entry.is_regular_file();
  EXPECT_EQ(recordings, 1);
}

TEST(TextFrontEnd, QuitEndsTheRun) {
  TextRun run;
  const auto out = run.Run({"quit", "title"});
  EXPECT_EQ(out.size(), 2u);
}

}  // namespace
}  // namespace zemra
