// The save record codec: every field at its offset, the check code, byte-exact
// round trips, and refusal of records the game could never have written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/common.h"
#include "data/player_data.h"
#include "data/save_record.h"
#include "engine/sjis.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

using testing::GameFixture;
using Bytes = std::vector<int>;

class SaveRecordTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    host.TakeBoxes();
  }
};

Bytes At(const std::string& record, std::size_t offset, std::size_t count) {
  Bytes bytes;
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<unsigned char>(record.at(offset + i)));
  return bytes;
}

void Put(std::string& record, std::size_t offset, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) record.at(offset + i) = static_cast<char>(bytes[i]);
}

// A record whose every field is recognisable at its offset.
TPlayerData MarkedRecord() {
  TPlayerData data;
  TFighter& f = data.Fighter;
  f.Name = "Abc";
  f.BaseName = "あなた";
  f.HP = 0x01020304;
  f.MaxHP = -2;
  f.Hit = 77;
  TSword& first = f.Swords[0];
  first.Kind = 0x11223344;
  first.Name = "nm";
  first.Inscribed = true;
  first.Cursed = true;
  first.Life = 5;
  first.Hit = 6;
  first.DriveName = "dv";
  first.Infinite = true;
  first.Description = "desc";
  f.Swords[7].Kind = 78;
  f.SwordCount = 8;
  f.Card = -1;
  f.Cards = {1, 2, 3, 4, 99};
  data.PlayerName = "PN";
  data.Depth = 9;
  data.Cleared = true;
  data.KingDefeated = true;
  data.Obtained[1] = true;
  data.Obtained[78] = true;
  data.BattleCount = 258;
  return data;
}

struct FieldCase {
  const char* field;
  std::size_t offset;
  Bytes bytes;
};

const FieldCase kFields[] = {
    {"Fighter.Name", 0, {3, 'A', 'b', 'c', 0}},
    {"Fighter.BaseName in code page 932", 17, {6, 0x82, 0xA0, 0x82, 0xC8, 0x82, 0xBD, 0}},
    {"padding after BaseName", 34, {0, 0}},
    {"HP", 36, {4, 3, 2, 1}},
    {"MaxHP", 40, {0xFE, 0xFF, 0xFF, 0xFF}},
    {"Hit", 44, {77, 0, 0, 0}},
    {"Swords[0].Kind", 48, {0x44, 0x33, 0x22, 0x11}},
    {"Swords[0].Name", 52, {2, 'n', 'm', 0}},
    {"Swords[0].Inscribed, Cursed, padding", 69, {1, 1, 0}},
    {"Swords[0].Life", 72, {5, 0, 0, 0}},
    {"Swords[0].Hit", 76, {6, 0, 0, 0}},
    {"Swords[0].DriveName", 80, {2, 'd', 'v', 0}},
    {"Swords[0].Infinite", 97, {1}},
    {"Swords[0].Description", 98, {4, 'd', 'e', 's', 'c', 0}},
    {"Swords[0] padding and Swords[1].Kind", 163, {0, 0, 0, 0, 0}},
    {"Swords[7].Kind", 860, {78, 0, 0, 0}},
    {"SwordCount", 976, {8, 0, 0, 0}},
    {"Card", 980, {0xFF, 0xFF, 0xFF, 0xFF}},
    {"Cards", 984, {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 99, 0, 0, 0}},
    {"PlayerName and its padding", 1004, {2, 'P', 'N', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Depth", 1024, {9, 0, 0, 0}},
    {"Cleared, KingDefeated, Obtained[1], Obtained[2]", 1028, {1, 1, 1, 0}},
    {"Obtained[78]", 1107, {1}},
    {"BattleCount", 1108, {2, 1, 0, 0}},
};

TEST_F(SaveRecordTest, EveryFieldStandsAtItsOffset) {
  const std::optional<std::string> record = EncodePlayerData(MarkedRecord());
  ASSERT_TRUE(record);
  ASSERT_EQ(record->size(), kPlayerRecordSize);
  for (const FieldCase& c : kFields) EXPECT_EQ(At(*record, c.offset, c.bytes.size()), c.bytes) << c.field;
}

TEST_F(SaveRecordTest, RecordsHaveTheirFixedSizes) {
  EXPECT_EQ(EncodeSword(CreateSword("剣"))->size(), 116u);
  EXPECT_EQ(EncodeFighter(TFighter{})->size(), 1004u);
  EXPECT_EQ(EncodePlayerData(TPlayerData{})->size(), 1112u);
  const std::optional<std::string> save = EncodeSaveRecord(TPlayerData{});
  ASSERT_TRUE(save);
  EXPECT_EQ(save->size(), 1124u);
  EXPECT_EQ(At(*save, 1112, 1), Bytes{10});
  EXPECT_EQ(At(*save, 1123, 1), Bytes{0});
  EXPECT_TRUE(CheckCodeMatches(*save));
}

TEST_F(SaveRecordTest, AStringOverItsCapacityIsCutWithoutSplittingACharacter) {
  TSword sword;
  sword.Description = std::string(63, 'x') + "剣";
  const std::string bytes = *EncodeSword(sword);
  EXPECT_EQ(At(bytes, 50, 1), Bytes{63});
  EXPECT_EQ(At(bytes, 113, 3), (Bytes{'x', 0, 0}));
}

TEST_F(SaveRecordTest, AStringTheCodePageCannotHoldRefusesTheRecord) {
  TPlayerData data;
  data.PlayerName = "한글";
  EXPECT_FALSE(EncodePlayerData(data));
  EXPECT_FALSE(EncodeSaveRecord(data));
  TSword sword = CreateSword("剣");
  sword.Description = "\xF0\x9F\x97\xA1";  // a dagger pictograph
  EXPECT_FALSE(EncodeSword(sword));
}

TEST_F(SaveRecordTest, IntToAlfSpellsLowerThenUpperCase) {
  const std::pair<int, char> kLetters[] = {{0, 'a'}, {25, 'z'}, {26, 'A'}, {51, 'Z'}};
  for (const auto& [n, letter] : kLetters) EXPECT_EQ(IntToAlf(n), letter) << n;
  for (int n : {-1, 52}) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(IntToAlf(n), ' ');
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "error in IntToAlf(" + std::to_string(n) + ")\n");
  }
}

TEST_F(SaveRecordTest, CheckCodesOfKnownRecords) {
  std::string zeros(kSaveRecordSize, '\0');
  EXPECT_EQ(MakeCheckCode(zeros), "fyoMEiKWIy");
  // The padding byte counts; the code's own bytes are replaced by the salt.
  zeros[1123] = 7;
  EXPECT_EQ(MakeCheckCode(zeros), "mFvTLpRdPF");
  std::string pattern;
  for (std::size_t i = 0; i < kSaveRecordSize; ++i) pattern += static_cast<char>(i % 256);
  EXPECT_EQ(MakeCheckCode(pattern), "iZTnLNVZLZ");
}

// A run as the game leaves it: swords added and removed, player-named swords.
TPlayerData PlayedRun() {
  ResetPlayerData();
  TPlayerData& run = PlayerData();
  run.PlayerName = "霧の剣師";
  run.Depth = 9;
  TFighter& f = run.Fighter;
  f.BaseName = "あなた";
  for (const char* name : {"柳屋", "Queen", "斬子", "霧葉記憶絵巻・終", "剣", "バイヨネット3.0", "Pawn", "大聖堂剣"}) {
    AddSword(f, CreateSword(name));
  }
  RemoveSword(f, 4);
  RecalcFighter(f);
  FullHeal(f);
  f.HP -= 2;
  f.Card = 42;
  f.Cards = {0, 99, 50, 7, 1};
  run.KingDefeated = true;
  run.BattleCount = 123456;
  return run;
}

TEST_F(SaveRecordTest, ARecordRoundTripsByteForByte) {
  const TPlayerData run = PlayedRun();
  const std::optional<std::string> bytes = EncodePlayerData(run);
  ASSERT_TRUE(bytes);
  const std::optional<TPlayerData> decoded = DecodePlayerData(*bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(*decoded, run);
  EXPECT_EQ(EncodePlayerData(*decoded), bytes);
}

TEST_F(SaveRecordTest, ChangingAnyOneByteBreaksTheCheckCode) {
  const std::string save = *EncodeSaveRecord(PlayedRun());
  ASSERT_TRUE(CheckCodeMatches(save));
  for (std::size_t i = 0; i < save.size(); ++i) {
    std::string changed = save;
    changed[i] = static_cast<char>(changed[i] ^ 0x01);
    EXPECT_FALSE(CheckCodeMatches(changed)) << "offset " << i;
  }
}

// Offsets in the base record below: sword 0 (剣) at 48, sword 1 (Queen) at 164,
// slot 2 unused at 280.
TPlayerData BaseRecord() {
  TPlayerData data;
  data.PlayerName = "剣師";
  data.Fighter.BaseName = "あなた";
  data.Fighter.Swords[0] = CreateSword("剣");
  data.Fighter.Swords[1] = CreateSword("Queen");
  data.Fighter.Swords[1].Name = "剣師";
  data.Fighter.SwordCount = 2;
  RecalcFighter(data.Fighter);
  data.Depth = 3;
  return data;
}

struct Mutation {
  const char* what;
  std::size_t offset;
  Bytes bytes;
  bool accepted;
};

const Mutation kMutations[] = {
    {"sword count 9", 976, {9, 0, 0, 0}, false},
    {"sword count -1", 976, {0xFF, 0xFF, 0xFF, 0xFF}, false},
    {"depth 10", 1024, {10, 0, 0, 0}, false},
    {"depth -1", 1024, {0xFF, 0xFF, 0xFF, 0xFF}, false},
    {"kind 0 in use", 48, {0, 0, 0, 0}, false},
    {"kind 79 in use", 48, {79, 0, 0, 0}, false},
    {"剣 stored as kind 刀", 48, {30, 0, 0, 0}, false},
    {"kind 剣 renamed 刀", 52, {2, 0x93, 0x81}, false},
    {"剣 with a changed life", 72, {9, 0, 0, 0}, false},
    {"Cleared 2", 1028, {2}, false},
    {"KingDefeated 2", 1029, {2}, false},
    {"Obtained[40] 2", 1069, {2}, false},
    {"Inscribed 2 in use", 69, {2}, false},
    {"Infinite 2 in use", 213, {2}, false},
    {"PlayerName length 17", 1004, {17}, false},
    {"Fighter.Name length 17", 0, {17}, false},
    {"description length 65 in use", 98, {65}, false},
    {"Fighter.Name not code page 932", 0, {1, 0x80}, false},
    {"PlayerName cut inside a character", 1004, {1, 0x8C}, false},
    {"HP 2147483647", 36, {0xFF, 0xFF, 0xFF, 0x7F}, false},
    {"HP one above MaxHP", 36, {9, 0, 0, 0}, false},
    {"HP far below zero", 36, {0, 0, 0, 0x80}, true},
    {"MaxHP -5", 40, {0xFB, 0xFF, 0xFF, 0xFF}, false},
    {"MaxHP not the swords' life", 40, {2, 0, 0, 0}, false},
    {"hit rate -2147483648", 44, {0, 0, 0, 0x80}, false},
    {"hit rate 101", 44, {101, 0, 0, 0}, false},
    {"hit rate below the swords' (after a drive)", 44, {0, 0, 0, 0}, true},
    {"hit rate 100", 44, {100, 0, 0, 0}, true},
    {"display name no sword gives", 0, {2, 'X', 'Y'}, false},
    {"card in play 12345", 980, {0x39, 0x30, 0, 0}, false},
    {"card in play -2", 980, {0xFE, 0xFF, 0xFF, 0xFF}, false},
    {"card in play none", 980, {0xFF, 0xFF, 0xFF, 0xFF}, true},
    {"card in play 100", 980, {100, 0, 0, 0}, true},
    {"upcoming card -1", 984, {0xFF, 0xFF, 0xFF, 0xFF}, false},
    {"upcoming card 2147483647", 1000, {0xFF, 0xFF, 0xFF, 0x7F}, false},
    {"upcoming card 101", 988, {101, 0, 0, 0}, false},
    {"upcoming card 100", 988, {100, 0, 0, 0}, true},
    {"battle count -1", 1108, {0xFF, 0xFF, 0xFF, 0xFF}, false},
    {"battle count 2147483647", 1108, {0xFF, 0xFF, 0xFF, 0x7F}, true},
    {"Queen renamed, the display name left behind", 168, {6, 0x83, 0x89, 0x81, 0x5B, 0x83, 0x5F}, false},
    {"garbage in an unused slot", 280, {0xE7, 3, 0, 0, 200, 0x80}, true},
    {"booleans 5 in an unused slot", 301, {5, 5}, true},
    {"padding bytes", 34, {0xAA, 0xBB}, true},
    {"bytes past a string's length", 1010, {0x41, 0x42}, true},
};

TEST_F(SaveRecordTest, RecordsTheGameNeverWritesAreRefused) {
  const std::string base = *EncodePlayerData(BaseRecord());
  ASSERT_TRUE(DecodePlayerData(base));
  for (const Mutation& m : kMutations) {
    std::string changed = base;
    Put(changed, m.offset, m.bytes);
    EXPECT_EQ(DecodePlayerData(changed).has_value(), m.accepted) << m.what;
  }
  EXPECT_FALSE(DecodePlayerData(base.substr(0, kPlayerRecordSize - 1)));

  // A Queen may bear any name, and the display name follows it.
  std::string renamed = base;
  for (const std::size_t at : {std::size_t{0}, std::size_t{168}}) Put(renamed, at, {6, 0x83, 0x89, 0x81, 0x5B, 0x83, 0x5F});
  EXPECT_TRUE(DecodePlayerData(renamed));
}

TEST_F(SaveRecordTest, UnusedSlotsKeepWhatDecodes) {
  std::string bytes = *EncodePlayerData(BaseRecord());
  Put(bytes, 280, {46, 0, 0, 0, 6, 0x83, 0x4E, 0x83, 0x8D, 0x83, 0x58});  // kind 46, "クロス"
  Put(bytes, 280 + 50, {70});                                           // description over capacity
  const std::optional<TPlayerData> decoded = DecodePlayerData(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Fighter.Swords[2].Kind, 46);
  EXPECT_EQ(decoded->Fighter.Swords[2].Name, "クロス");
}

}  // namespace
}  // namespace zemra
