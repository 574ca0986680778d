// Saving and loading "save.dat": a faithful round trip, silent absence, the two
// warnings for damaged files, and a failed save that keeps the old file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/player_data.h"
#include "data/save_record.h"
#include "engine/file_io.h"
#include "runtime/save_load.h"
#include "support/fake_host.h"
#include "support/file_size_limit.h"

namespace zemra {
namespace {

using testing::FileSizeLimit;
using testing::GameFixture;

constexpr char kReadFailed[] = "（save.datの読み込みに失敗しました。）";
constexpr char kBadContent[] = "（save.datの内容が不適切です。）";

class SaveLoadTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    host.TakeBoxes();
  }

  static void MakeRun() {
    TPlayerData& run = PlayerData();
    run.PlayerName = "剣師";
    run.Fighter.BaseName = "あなた";
    for (const char* name : {"柳屋", "Pawn", "クロス"}) AddSword(run.Fighter, CreateSword(name));
    RecalcFighter(run.Fighter);
    FullHeal(run.Fighter);
    run.Fighter.Card = -1;
    run.Depth = 4;
    run.BattleCount = 31;
  }

  static std::string FileBytes() { return ReadWholeFile(kSaveFileName).value_or("(none)"); }

  // The warnings the scheduler shows once the current handler is over.
  std::vector<std::string> Warnings() {
    Tick(2);
    return host.TakeBoxes();
  }

  std::vector<std::string> DirectoryEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(work_dir)) names.push_back(entry.path().filename());
    return names;
  }
};

TEST_F(SaveLoadTest, ASavedRunLoadsBackByteForByte) {
  MakeRun();
  const TPlayerData saved = PlayerData();
  ASSERT_TRUE(SaveGame());
  EXPECT_EQ(FileBytes(), EncodeSaveRecord(saved));
  ResetPlayerData();
  EXPECT_TRUE(LoadGame());
  EXPECT_EQ(PlayerData(), saved);
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(SaveLoadTest, TwoSavesOfTheSameRunWriteTheSameFile) {
  MakeRun();
  ASSERT_TRUE(SaveGame());
  const std::string first = FileBytes();
  ASSERT_TRUE(SaveGame());
  EXPECT_EQ(FileBytes(), first);
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"save.dat"});
}

TEST_F(SaveLoadTest, NoSaveFileIsSilent) {
  EXPECT_FALSE(LoadGame());
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(SaveLoadTest, BytesAfterTheRecordAreIgnored) {
  MakeRun();
  const TPlayerData saved = PlayerData();
  ASSERT_TRUE(WriteTextFile(kSaveFileName, *EncodeSaveRecord(saved) + "trailing"));
  ResetPlayerData();
  EXPECT_TRUE(LoadGame());
  EXPECT_EQ(PlayerData(), saved);
}

// The record with one byte replaced.
std::string WithByte(std::string record, std::size_t offset, char value) {
  if (offset < record.size()) record[offset] = value;
  return record;
}

struct BadFile {
  const char* what;
  std::function<std::string(std::string)> damage;  // from a valid save record
  const char* warning;
};

const BadFile kBadFiles[] = {
    {"empty", [](std::string) { return std::string(); }, kReadFailed},
    {"one byte short", [](std::string r) { return r.substr(0, kSaveRecordSize - 1); }, kReadFailed},
    {"one byte changed",
     [](std::string r) {
       return WithByte(r, 600, static_cast<char>(r.at(600) ^ 0x10));
     },
     kBadContent},
    {"check code changed",
     [](std::string r) {
       return WithByte(r, 1113, r.at(1113) == 'a' ? 'b' : 'a');
     },
     kBadContent},
    {"depth 10 under a matching check code",
     [](std::string r) {
       r.at(1024) = 10;
       const std::string code = MakeCheckCode(r);
       r.replace(kCheckCodeOffset + 1, code.size(), code);
       return r;
     },
     kBadContent},
};

TEST_F(SaveLoadTest, ADamagedFileIsReportedAndChangesNothing) {
  MakeRun();
  const std::string good = *EncodeSaveRecord(PlayerData());
  ResetPlayerData();
  PlayerData().BattleCount = 77;
  const TPlayerData before = PlayerData();
  for (const BadFile& bad : kBadFiles) {
    SCOPED_TRACE(bad.what);
    const std::string damaged = bad.damage(good);
    ASSERT_TRUE(WriteTextFile(kSaveFileName, damaged));
    EXPECT_FALSE(LoadGame());
    EXPECT_EQ(Warnings(), std::vector<std::string>{bad.warning});
    EXPECT_EQ(PlayerData(), before);
    EXPECT_EQ(FileBytes(), damaged);
  }
}

TEST_F(SaveLoadTest, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  MakeRun();
  ASSERT_TRUE(SaveGame());
  const std::string old_file = FileBytes();
  PlayerData().BattleCount = 32;
  bool saved = true;
  {
    const FileSizeLimit disk_full(512);
    saved = SaveGame();
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(FileBytes(), old_file);
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"save.dat"});
}

TEST_F(SaveLoadTest, SomethingElseInTheSaveFilesPlaceIsAReadFailure) {
  struct Case {
    const char* what;
    std::function<void()> make;
  };
  const Case cases[] = {
      {"a folder", [] { std::filesystem::create_directory(kSaveFileName); }},
      {"a named pipe nobody writes to", [] { ::mkfifo(kSaveFileName, 0600); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(kSaveFileName);
    c.make();
    EXPECT_FALSE(LoadGame());
    EXPECT_EQ(Warnings(), std::vector<std::string>{kReadFailed});
  }
}

TEST_F(SaveLoadTest, AStaleTemporaryDoesNotStopASave) {
  MakeRun();
  std::filesystem::create_directory("save.dat.tmp");
  EXPECT_TRUE(SaveGame());
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"save.dat"});
}

TEST_F(SaveLoadTest, ANameTheCodePageCannotHoldIsNotSaved) {
  MakeRun();
  ASSERT_TRUE(SaveGame());
  const std::string old_file = FileBytes();
  PlayerData().PlayerName = "한글";
  EXPECT_FALSE(SaveGame());
  EXPECT_EQ(FileBytes(), old_file);
}

}  // namespace
}  // namespace zemra
