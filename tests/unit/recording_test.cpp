// The recording file: its hashes and base64, the reader's refusals, and the
// number of recordings kept beside the save.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "support/english.h"
#include "data/player_data.h"
#include "data/save_record.h"
#include "record/base64.h"
#include "record/recording.h"
#include "record/recording_folder.h"
#include "record/recording_writer.h"
#include "record/sha256.h"
#include "platform/temp_folder.h"

namespace zemra {
namespace {

TEST(Sha256, MatchesTheStandardVectors) {
  const struct {
    std::string bytes;
    const char* hex;
  } cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      // The padding fits in the last block, and needs a block of its own.
      {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
      {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
  };
  for (const auto& c : cases) EXPECT_EQ(Sha256Hex(c.bytes), c.hex) << c.bytes.size();
}

TEST(Base64, RoundTripsEveryTailAndRefusesWhatIsNotBase64) {
  for (const std::string& bytes : {std::string(), std::string("f"), std::string("fo"), std::string("foo"), std::string("foob"), std::string("\0\xff\x80", 3)}) {
    EXPECT_EQ(DecodeBase64(EncodeBase64(bytes)), bytes);
  }
  EXPECT_EQ(EncodeBase64("foob"), "Zm9vYg==");
  for (const char* bad : {"Zm9", "Zm9v!A==", "Zg==Zg==", "Z===", "Zm=v"}) EXPECT_FALSE(DecodeBase64(bad)) << bad;
}

std::string Header(const std::string& fields) {
  return R"({"format":"zemra6-recording","version":1,"program":"zemra6-text 1.0","seed":"7","newRun":false,)" + fields + "}\n";
}

const std::string kStory = "story-hash";
const std::string kGood = Header(R"("story":"story-hash","save":null)");

// What another reader sees of the file while the writer still holds it.
std::size_t LinesOnDisk(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const std::string bytes = text.str();
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

TEST(RecordingWriter, EachLineIsOnDiskAtOnceAndABatchsLinesWhenItCloses) {
  const TempFolder dir;
  const auto file = dir.Path() / "sitting.zrec";
  RecordingWriter writer(file, RecordingHeader{"zemra6-text 1.0", 7, false, std::nullopt, std::nullopt});
  ASSERT_TRUE(writer.Ok());
  writer.Applied(Input::Leave(), true);
  const std::size_t first = LinesOnDisk(file);
  EXPECT_GE(first, 2u);  // the header and the input, a digest perhaps
  {
    const InputLogBatch batch(&writer);
    for (int i = 0; i < 3; ++i) writer.Applied(Input::TitleClick(), true);
  }
  EXPECT_EQ(LinesOnDisk(file), first + 3);
}

TEST(RecordingReader, ReadsInputsAndScreens) {
  const auto read = ReadRecording(kGood + "{\"digest\":\"00ff\"}\n{\"input\":\"title\"}\n{\"input\":\"name 霧葉\"}\n");
  ASSERT_TRUE(read.recording) << read.error;
  EXPECT_EQ(read.recording->header.seed, 7u);
  ASSERT_EQ(read.recording->lines.size(), 3u);
  EXPECT_EQ(read.recording->lines[0].digest, "00ff");
  EXPECT_EQ(read.recording->lines[2].input, Input::NameGiven("霧葉"));
  EXPECT_EQ(read.recording->lines[2].line, 4);
  EXPECT_FALSE(read.recording->cut_at_line);
  EXPECT_EQ(RecordingMismatch(read.recording->header, kStory), "");
}

// A Japanese sitting's header stays as older programs wrote it; an English
// one names its language, and a header without one means Japanese.
TEST(RecordingReader, TheLanguageIsNamedOnlyWhenItIsNotJapanese) {
  RecordingHeader header{"zemra6-text 1.0", 7, false, kStory, std::nullopt};
  EXPECT_EQ(HeaderLine(header).find("lang"), std::string::npos);
  EXPECT_EQ(ReadRecording(HeaderLine(header) + "\n").recording->header.language, Language::kJapanese);
  header.language = testing::English();
  const std::string line = HeaderLine(header);
  EXPECT_NE(line.find(R"("lang":"en")"), std::string::npos) << line;
  EXPECT_EQ(ReadRecording(line + "\n").recording->header.language, testing::English());
}

TEST(RecordingReader, KeepsTheWholeLinesBeforeOneCutShort) {
  const auto read = ReadRecording(kGood + "{\"input\":\"title\"}\n{\"input\":\"na");
  ASSERT_TRUE(read.recording);
  EXPECT_EQ(read.recording->lines.size(), 1u);
  EXPECT_EQ(read.recording->cut_at_line, 3);
}

TEST(RecordingReader, RefusesDamagedRecordingsWithOneLine) {
  std::string bad_save(kSaveRecordSize, 'x');
  const std::string good_save = EncodeSaveRecord(TPlayerData{}).value_or("");
  const struct {
    const char* what;
    std::string bytes;
    const char* error;  // from ReadRecording, or from RecordingMismatch when the file reads
  } cases[] = {
      {"empty", "", "the file is empty"},
      {"not JSON", "hello\n", "it is not a recording (its first line is not JSON)"},
      {"another format", "{\"format\":\"other\"}\n", "it is not a recording of this game"},
      {"another version", R"({"format":"zemra6-recording","version":2})" "\n",
       "it is a recording of format version 2; this program reads version 1"},
      {"header cut short", kGood.substr(0, 20), "its first line is cut short"},
      {"a field missing", Header(R"("story":null)"), "its first line lacks a field of the recording"},
      {"a seed too large", R"({"format":"zemra6-recording","version":1,"program":"p","seed":"18446744073709551616","newRun":false,"story":null,"save":null})" "\n",
       "its seed is not a whole number"},
      {"a line not JSON", kGood + "{\"input\":\"title\"}\n{oops\n", "line 3 is not JSON"},
      {"an unknown input", kGood + "{\"input\":\"jump 3\"}\n", "line 2 is not an input of this game"},
      {"neither", kGood + "{\"input\":\"title\",\"digest\":\"0\"}\n", "line 2 is neither an input nor a screen digest"},
      {"save not base64", Header(R"("story":"story-hash","save":"%%")"), "the save it carries is not base64"},
      {"another story", Header(R"("story":"another","save":null)"),
       "it was recorded with another story file (dat/kiriha.dat)"},
      {"an unknown language", Header(R"("story":"story-hash","save":null,"lang":"xx")"),
       "it was played in a language this program does not have (xx)"},
      {"a language that is no code", Header(R"("story":"story-hash","save":null,"lang":3)"),
       "its language is not a language code"},
      {"another English story", Header(R"("story":"another","save":null,"lang":"en")"),
       "it was recorded with another story file (dat/kiriha_en.dat)"},
      {"a save refused", Header(R"("story":"story-hash","save":")" + EncodeBase64(bad_save) + "\""),
       "the save it carries is one the game refuses to load"},
  };
  for (const auto& c : cases) {
    const RecordingRead read = ReadRecording(c.bytes);
    const std::string error = read.recording ? RecordingMismatch(read.recording->header, kStory) : read.error;
    EXPECT_EQ(error, c.error) << c.what;
  }
  const auto with_save = ReadRecording(Header(R"("story":"story-hash","save":")" + EncodeBase64(good_save) + "\""));
  ASSERT_TRUE(with_save.recording);
  EXPECT_EQ(RecordingMismatch(with_save.recording->header, kStory), "");
}

TEST(RecordingFolder, KeepsTheNewestRecordingsAndNothingElseIsTouched) {
  const TempFolder dir;
  const auto folder = dir.Path() / kRecordingsFolder;
  std::filesystem::create_directories(folder);
  for (int i = 0; i < kRecordingsKept + 3; ++i) {
    std::ofstream(folder / ("2026-01-01T00-00-" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".zrec")) << i;
  }
  std::ofstream(folder / "notes.txt") << "mine";
  const auto next = NewRecordingPath(dir.Path(), std::chrono::system_clock::now());
  ASSERT_TRUE(next);
  std::ofstream(*next) << "new";
  PruneRecordings(folder);
  int kept = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) kept += entry.path().extension() == ".zrec";
  EXPECT_EQ(kept, kRecordingsKept);
  EXPECT_TRUE(std::filesystem::exists(*next));
  EXPECT_TRUE(std::filesystem::exists(folder / "notes.txt"));
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(std::filesystem::exists(folder / ("2026-01-01T00-00-0" + std::to_string(i) + ".zrec"))) << i;
  EXPECT_TRUE(std::filesystem::exists(folder / "2026-01-01T00-00-04.zrec"));
}

TEST(RecordingFolder, ASecondSittingInTheSameSecondGetsAFileOfItsOwn) {
  const TempFolder dir;
  const auto now = std::chrono::system_clock::now();
  const auto first = NewRecordingPath(dir.Path(), now);
  ASSERT_TRUE(first);
  // The name is taken the moment it is given, before anything is written to it.
  EXPECT_TRUE(std::filesystem::exists(*first));
  const auto second = NewRecordingPath(dir.Path(), now);
  ASSERT_TRUE(second);
  EXPECT_NE(*first, *second);
  EXPECT_EQ(second->stem().string(), first->stem().string() + "-2");
}

}  // namespace
}  // namespace zemra
