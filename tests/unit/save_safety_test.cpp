// A saved run is never lost: a process killed at any moment of a save leaves
// the old or the new record whole, and a full disk keeps the old save and
// tells the player.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "data/player_data.h"
#include "data/save_record.h"
#include "engine/file_io.h"
#include "runtime/console.h"
#include "runtime/ending.h"
#include "runtime/save_load.h"
#include "support/fake_host.h"
#include "support/file_size_limit.h"

namespace zemra {
namespace {

using testing::FileSizeLimit;
using testing::GameFixture;

class SaveSafetyTest : public GameFixture {
 protected:
  static void MakeRun(std::int32_t battles) {
    TPlayerData& run = PlayerData();
    run = TPlayerData{};
    run.PlayerName = "剣師";
    run.Fighter.BaseName = "あなた";
    for (const char* name : {"柳屋", "クロス"}) AddSword(run.Fighter, CreateSword(name));
    RecalcFighter(run.Fighter);
    FullHeal(run.Fighter);
    run.Fighter.Card = -1;
    run.BattleCount = battles;
  }
  static std::string Record(std::int32_t battles) {
    MakeRun(battles);
    return *EncodeSaveRecord(PlayerData());
  }
  std::vector<std::string> Lines() const { return {Console().texts.begin(), Console().texts.begin() + Console().text_count}; }
};

TEST_F(SaveSafetyTest, AKillAtAnyMomentOfASaveLeavesTheOldOrTheNewRecordWhole) {
  constexpr int kKills = 150;
  const std::string first = Record(1);
  const std::string second = Record(2);
  ASSERT_TRUE(WriteFileReplacing(kSaveFileName, first));
  std::mt19937 moments(12345);
  std::uniform_int_distribution<int> delay_us(0, 4000);
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves the two runs in turn until it is killed.
      for (std::int32_t n = 0;; n = 1 - n) {
        MakeRun(n + 1);
        SaveGame();
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(moments)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string left = ReadWholeFile(kSaveFileName).value_or("(no file)");
    ASSERT_TRUE(left == first || left == second) << "after kill " << kill << ": " << left.size() << " bytes";
  }
  ResetPlayerData();
  EXPECT_TRUE(LoadGame());
}

TEST_F(SaveSafetyTest, AFullDiskKeepsTheOldSaveAndTellsThePlayer) {
  ASSERT_TRUE(WriteFileReplacing(kSaveFileName, Record(7)));
  const std::string old_save = *ReadWholeFile(kSaveFileName);
  MakeRun(8);
  ExecuteCommand(ShowEnding);
  {
    const FileSizeLimit disk_full(100);
    BtnMainCommandClick(4);  // セーブ
  }
  EXPECT_EQ(Lines(), std::vector<std::string>{"セーブ出来ませんでした。"});
  EXPECT_EQ(ReadWholeFile(kSaveFileName), old_save);
  EXPECT_EQ(host.Text(CommandButton(4)), "リトライ");
  // With room again, the retry saves the new run.
  BtnMainCommandClick(4);
  EXPECT_EQ(Lines(), std::vector<std::string>{"セーブしました。"});
  EXPECT_EQ(ReadWholeFile(kSaveFileName), *EncodeSaveRecord(PlayerData()));
}

}  // namespace
}  // namespace zemra
