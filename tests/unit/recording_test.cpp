// The recording file: its hashes and base64, the reader's refusals, the
// sittings worth keeping and their wall clock, and the number of recordings
// kept beside the save, in the order their sittings began.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/english.h"
#include "data/player_data.h"
#include "data/save_record.h"
#include "engine/file_io.h"
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

std::string Header(const std::string& fields, int version = 1) {
  return R"({"format":"zemra6-recording","version":)" + std::to_string(version) +
         R"(,"program":"zemra6-text 1.0","seed":"7","newRun":false,)" + fields + "}\n";
}

const std::string kStory = "story-hash";
const std::string kGood = Header(R"("story":"story-hash","save":null)");

// What another reader sees of the file while the writer still holds it.
std::size_t LinesOnDisk(const std::filesystem::path& file) {
  const std::string bytes = ReadWholeFile(file).value_or("");
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

TEST(RecordingWriter, EachLineIsOnDiskAtOnceAndABatchsLinesWhenItCloses) {
  const TempFolder dir;
  const auto file = dir.Path() / "sitting.zrec";
  RecordingWriter writer(file, RecordingHeader{"zemra6-text 1.0", 7, false, std::nullopt, std::nullopt});
  ASSERT_TRUE(writer.Ok());
  writer.Applied(Input::Leave(), true);
  const std::size_t first = LinesOnDisk(file);
  EXPECT_GE(first, 3u);  // the header, the wall clock and the input, a digest perhaps
  {
    const InputLogBatch batch(&writer);
    for (int i = 0; i < 3; ++i) writer.Applied(Input::TitleClick(), true);
  }
  EXPECT_EQ(LinesOnDisk(file), first + 3);
}

std::string FileText(const std::filesystem::path& path) { return ReadWholeFile(path).value_or(""); }

// What a sitting leaves: nothing until the player gives an input (clock
// steps are the game's), then a recording under its kept name with a
// wall-clock line at the first input and at most one a second after.
TEST(RecordingWriter, KeepsASittingFromThePlayersFirstInputWithItsWallClock) {
  struct Given {
    Input input;
    int at_ms;  // the wall clock when it comes
  };
  const struct {
    const char* what;
    std::vector<Given> inputs;
    bool kept;
    std::vector<std::uint32_t> elapsed;  // the wall-clock lines written, in seconds
  } cases[] = {
      {"no input", {}, false, {}},
      {"clock steps only", {{Input::ClockStep(50), 50}, {Input::ClockStep(5000), 5050}}, false, {}},
      {"one click at once", {{Input::TitleClick(), 300}}, true, {0}},
      {"the clock first, then a click", {{Input::ClockStep(1500), 1500}, {Input::TitleClick(), 2500}}, true, {2}},
      {"many in a second, then a pause",
       {{Input::TitleClick(), 200}, {Input::Leave(), 700}, {Input::Leave(), 1200}, {Input::Leave(), 1900},
        {Input::ClockStep(60000), 61900}, {Input::Leave(), 65400}},
       true,
       {0, 1, 65}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder dir;
    const auto working = dir.Path() / kWorkingRecording;
    const auto kept_as = dir.Path() / "2026-12-11T09-00-00.zrec";
    int now_ms = 0;
    int keeps = 0;
    std::optional<std::filesystem::path> kept;
    {
      RecordingWriter writer(
          working, RecordingHeader{"zemra6-text 1.0", 7, false, std::nullopt, std::nullopt},
          [&] {
            ++keeps;
            std::ofstream(kept_as) << "";  // made for the sitting, as NewRecordingPath makes it
            return std::optional(kept_as);
          },
          [&] { return std::chrono::milliseconds(now_ms); });
      for (const Given& given : c.inputs) {
        now_ms = given.at_ms;
        writer.Applying(given.input);
        writer.Applied(given.input, true);
      }
      kept = writer.KeptFile();
      EXPECT_EQ(std::filesystem::exists(working), !c.kept);
    }
    EXPECT_EQ(keeps, c.kept ? 1 : 0);
    EXPECT_EQ(kept.has_value(), c.kept);
    EXPECT_FALSE(std::filesystem::exists(working));
    ASSERT_EQ(std::filesystem::exists(kept_as), c.kept);
    if (!c.kept) continue;
    const std::string text = FileText(kept_as);
    std::vector<std::uint32_t> elapsed;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with(R"({"elapsed":)")) elapsed.push_back(static_cast<std::uint32_t>(std::stoul(line.substr(11))));
    }
    EXPECT_EQ(elapsed, c.elapsed) << text;
    const auto read = ReadRecording(text);
    ASSERT_TRUE(read.recording) << read.error;
    EXPECT_EQ(read.recording->wall_seconds, c.elapsed.back());
  }
}

// A sitting started through StartSittingRecording, as the programs start one.
TEST(RecordingWriter, ASittingWithoutInputLeavesNoRecordingAndNoWorkingFile) {
  const TempFolder dir;
  const auto folder = dir.Path() / kRecordingsFolder;
  std::filesystem::create_directories(folder);
  std::ofstream(folder / kWorkingRecording) << "left by a sitting that crashed\n";
  const RecordingHeader header{"zemra6-text 1.0", 7, false, std::nullopt, std::nullopt};
  StartSittingRecording(dir.Path(), header).reset();
  EXPECT_TRUE(std::filesystem::is_empty(folder));

  auto writer = StartSittingRecording(dir.Path(), header);
  ASSERT_TRUE(writer);
  EXPECT_FALSE(writer->KeptFile());
  writer->Applied(Input::TitleClick(), true);
  const auto kept = writer->KeptFile();
  ASSERT_TRUE(kept);
  writer.reset();
  std::vector<std::filesystem::path> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) left.push_back(entry.path());
  EXPECT_EQ(left, std::vector<std::filesystem::path>{*kept});
  EXPECT_EQ(kept->extension(), kRecordingExtension);
  const auto read = ReadRecording(FileText(*kept));
  ASSERT_TRUE(read.recording) << read.error;
  ASSERT_FALSE(read.recording->lines.empty());
  EXPECT_EQ(read.recording->lines[0].input, Input::TitleClick());
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
  EXPECT_FALSE(read.recording->wall_seconds);  // a version 1 file does not say
  EXPECT_EQ(RecordingMismatch(read.recording->header, kStory), "");
}

// The wall clock is read beside the inputs and never replayed; the lines keep their numbers.
TEST(RecordingReader, ReadsTheWallClockOfAVersion2File) {
  const auto read = ReadRecording(Header(R"("story":"story-hash","save":null)", 2) +
                                  "{\"elapsed\":0}\n{\"input\":\"title\"}\n{\"elapsed\":75}\n{\"input\":\"leave\"}\n");
  ASSERT_TRUE(read.recording) << read.error;
  ASSERT_EQ(read.recording->lines.size(), 2u);
  EXPECT_EQ(read.recording->lines[1].input, Input::Leave());
  EXPECT_EQ(read.recording->lines[1].line, 5);
  EXPECT_EQ(read.recording->wall_seconds, 75u);
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
      {"a later version", R"({"format":"zemra6-recording","version":3})" "\n",
       "it is a recording of format version 3; this program reads versions 1 to 2"},
      {"no version", R"({"format":"zemra6-recording"})" "\n",
       "it is a recording of format version null; this program reads versions 1 to 2"},
      {"header cut short", kGood.substr(0, 20), "its first line is cut short"},
      {"a field missing", Header(R"("story":null)"), "its first line lacks a field of the recording"},
      {"a seed too large", R"({"format":"zemra6-recording","version":1,"program":"p","seed":"18446744073709551616","newRun":false,"story":null,"save":null})" "\n",
       "its seed is not a whole number"},
      {"a line not JSON", kGood + "{\"input\":\"title\"}\n{oops\n", "line 3 is not JSON"},
      {"an unknown input", kGood + "{\"input\":\"jump 3\"}\n", "line 2 is not an input of this game"},
      {"neither", kGood + "{\"input\":\"title\",\"digest\":\"0\"}\n", "line 2 is neither an input nor a screen digest"},
      {"a wall clock before the start", kGood + "{\"elapsed\":-1}\n", "line 2 is not a time in whole seconds"},
      {"a wall clock in words", kGood + "{\"elapsed\":\"1\"}\n", "line 2 is not a time in whole seconds"},
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

TEST(RecordingFolder, NamesAreOrderedByTheirSittingsStart) {
  const struct {
    const char* earlier;
    const char* later;
  } cases[] = {
      {"2026-01-01T00-00-09.zrec", "2026-01-01T00-00-10.zrec"},
      // A second sitting in the same second, which plain text order puts first ("-" before ".").
      {"2026-01-01T00-00-09.zrec", "2026-01-01T00-00-09-2.zrec"},
      {"2026-01-01T00-00-09-2.zrec", "2026-01-01T00-00-09-10.zrec"},
      {"2026-01-01T00-00-09-10.zrec", "2026-01-01T00-00-10.zrec"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(RecordingNamedEarlier(c.earlier, c.later)) << c.earlier << " " << c.later;
    EXPECT_FALSE(RecordingNamedEarlier(c.later, c.earlier)) << c.later << " " << c.earlier;
  }
  // The newest by its start is kept, not the last by its text.
  const TempFolder dir;
  for (const char* name : {"2026-01-01T00-00-09-2.zrec", "2026-01-01T00-00-09.zrec", "2026-01-01T00-00-09-10.zrec"}) {
    std::ofstream(dir.Path() / name) << name;
  }
  PruneRecordings(dir.Path(), 1);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) left.push_back(entry.path().filename());
  EXPECT_EQ(left, std::vector<std::string>{"2026-01-01T00-00-09-10.zrec"});
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
