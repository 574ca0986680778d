// The browser's way into the core: the text front end's session, one action
// line at a time, answered with the screen as JSON, plus what only a page that
// draws needs (the core's bitmaps, the next due moment, the name's question,
// a save file's check). The save folder is /save in the module's file system.
#include <emscripten/bind.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>

#include "data/save_record.h"
#include "data/sword.h"
#include "engine/file_io.h"
#include "engine/translate.h"
#include "game/game.h"
#include "game/input.h"
#include "game/title.h"
#include "measure/battle_bench.h"
#include "options/program_options.h"
#include "platform/temp_folder.h"
#include "record/recording.h"
#include "record/recording_writer.h"
#include "record/replay_cursor.h"
#include "record/scratch_folder.h"
#include "record/screen_digest.h"
#include "runtime/game_objects.h"
#include "runtime/save_load.h"
#include "runtime/status_panels.h"
#include "text/look_json.h"
#include "text/text_session.h"
#include "web/web_pictures.h"

namespace {

constexpr char kContentRoot[] = "/";
constexpr char kSaveFolder[] = "/save";

// The pictures outlive the session that tells them; the recording ends
// before the session, as its last screen is read from the game.
// A watched recording plays in a scratch folder of its own, with no recording.
struct Sitting {
  zemra::WebPictures pictures;
  std::unique_ptr<zemra::TempFolder> scratch;
  std::unique_ptr<zemra::TextSession> session;
  std::unique_ptr<zemra::RecordingWriter> recording;
  std::unique_ptr<zemra::ReplayCursor> cursor;

  void End() {
    cursor.reset();
    recording.reset();
    session.reset();
    scratch.reset();
  }
};

Sitting& TheSitting() {
  static Sitting sitting;
  return sitting;
}

zemra::GameLocations WebLocations(std::filesystem::path save_dir = kSaveFolder) {
  return zemra::GameLocations{{std::filesystem::path(kContentRoot)}, std::move(save_dir)};
}

bool ParseSeed(const std::string& text, std::uint64_t& seed) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  return error == std::errc() && end == text.data() + text.size();
}

// The language of the core's texts and story from the next start on: "ja"
// or a code of po/LINGUAS; false (and nothing changes) for any other code.
bool SetCoreLanguage(const std::string& code) {
  const std::optional<zemra::Language> language = zemra::ParseLanguage(code);
  if (language) zemra::SetLanguage(*language);
  return language.has_value();
}

// The language the core speaks now: a watched recording sets its own.
std::string CoreLanguage() { return std::string(zemra::LanguageCode(zemra::CurrentLanguage())); }

// Starts a sitting (a running one ends first) and returns its first screen;
// a recorded one is written to /save/recordings as the desktop writes them,
// and kept there from the player's first input.
// The seed comes as decimal text: a JavaScript number cannot hold every
// 64-bit seed.
std::string Start(const std::string& seed_text, bool new_run, bool record) {
  std::uint64_t seed = 0;
  if (!ParseSeed(seed_text, seed)) return R"({"error":"the seed is not a whole number"})";
  Sitting& sitting = TheSitting();
  sitting.End();
  std::error_code ignored;
  std::filesystem::create_directories(kSaveFolder, ignored);
  std::optional<zemra::RecordingHeader> header;
  if (record) {
    std::string program = zemra::VersionText(zemra::Program::kWeb);
    program.pop_back();
    // Taken before the start: a fresh run moves the save aside.
    header = zemra::SittingHeader(std::move(program), seed, new_run, WebLocations());
  }
  sitting.session = std::make_unique<zemra::TextSession>(seed, WebLocations(), new_run, &sitting.pictures);
  if (header) {
    sitting.recording = zemra::StartSittingRecording(kSaveFolder, *header);
    sitting.session->SetInputLog(sitting.recording.get());
  }
  return sitting.session->StateJson();
}

// One action, as zemra6-text reads it from a line; the screen after it.
std::string Perform(const std::string& line) {
  if (TheSitting().session == nullptr) return R"({"error":"the game is not running"})";
  return TheSitting().session->Perform(line);
}

// One input in its recording line form, as the page takes it from the player
// or its clock; the screen after it.
std::string Apply(const std::string& line) {
  if (TheSitting().session == nullptr) return R"({"error":"the game is not running"})";
  return TheSitting().session->ApplyLine(line);
}

// The digest of the screen now, as a recording checks it.
std::string Digest() { return TheSitting().session == nullptr ? "" : zemra::ScreenDigest(); }

// Where the game's clock stands: the page steps it by the real time since.
std::uint32_t Clock() { return TheSitting().session == nullptr ? 0 : zemra::GameClock(); }

// What each sword in the row is, as its information panel would say: the
// page gives it to the sword's button as its description.
std::string SwordInfos() {
  nlohmann::json infos = nlohmann::json::array();
  if (TheSitting().session != nullptr) {
    const zemra::TFighter& shown = zemra::ShownFighter();
    for (int i = 0; i < shown.SwordCount; ++i) infos.push_back(zemra::SwordInfoText(shown.Swords[static_cast<std::size_t>(i)]));
  }
  return infos.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string NameLead() { return zemra::NameLeadText(); }

// The screen's look, which the page places and colours its elements by, once at start.
std::string Look() { return zemra::ScreenLookJson(); }

bool Finished() { return TheSitting().session == nullptr || TheSitting().session->Finished(); }

// Milliseconds until the game's clock has work, or -1 when nothing is due:
// the page sets one timer for it and requests nothing in between.
int NextDue() {
  if (Finished()) return -1;
  const auto wait = zemra::Scheduler().MsUntilNextDue();
  return wait ? static_cast<int>(*wait) : -1;
}

std::string TitleFrame() { return zemra::PageBitmapJson(TheSitting().pictures.Title()); }

std::string NameBackground() { return zemra::PageBitmapJson(TheSitting().pictures.NameBackground()); }

// The question "刻む" will ask about the typed name, or "" when it refuses
// the name with a message instead: the page asks it before the name goes in,
// so the answer precedes the input as in a recording.
std::string NameQuestion(const std::string& typed) {
  const zemra::NameCheck check = zemra::CheckTypedName(zemra::NameFieldText(typed));
  return check.refusal.empty() ? zemra::NameQuestion(check.name) : "";
}

// Why the save file at `path` would not load, in the words of the warning a
// load shows; "" when it would.
std::string SaveProblem(const std::string& path) {
  std::string_view problem;
  const std::optional<std::string> bytes = zemra::ReadFileHead(path, zemra::kSaveRecordSize);
  if (!bytes) return zemra::Tr(zemra::kSaveReadFailedText);
  return zemra::DecodeSaveFile(*bytes, problem) ? "" : zemra::Tr(problem);
}

// Opens the recording at `path` to watch: the desktop's refusal ("NAME:
// why") when it cannot be replayed here, else its first screen. The player's
// own save folder is never touched.
std::string WatchOpen(const std::string& path, const std::string& shown_name) {
  Sitting& sitting = TheSitting();
  sitting.End();
  const zemra::GameLocations content = WebLocations({});
  zemra::RecordingRead read = zemra::LoadRecordingForReplay(path, content);
  sitting.scratch = std::make_unique<zemra::TempFolder>();
  if (read.recording) read.error = zemra::PrepareReplayFolder(*sitting.scratch, read.recording->header.save);
  if (!read.error.empty()) {
    sitting.End();
    return nlohmann::json{{"refused", shown_name + ": " + read.error}}.dump(-1, ' ', false,
                                                                          nlohmann::json::error_handler_t::replace);
  }
  const zemra::RecordingHeader& header = read.recording->header;
  zemra::SetLanguage(header.language);
  sitting.session = std::make_unique<zemra::TextSession>(
      header.seed, zemra::GameLocations{content.content_roots, sitting.scratch->Path()}, header.new_run,
      &sitting.pictures);
  sitting.cursor = std::make_unique<zemra::ReplayCursor>(std::move(*read.recording));
  return sitting.session->StateJson();
}

// The watched recording's next input in its line form, and whether it
// changes nothing on the screen; null when the replay is over.
std::string WatchNext() {
  const zemra::Input* next = TheSitting().cursor == nullptr ? nullptr : TheSitting().cursor->Next();
  if (next == nullptr) return "null";
  return nlohmann::json{{"input", zemra::FormatInput(*next)}, {"nothing", zemra::InputChangesNothing(*next)}}.dump(
      -1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Applies the watched recording's next input; the screen after it.
std::string WatchApply() {
  Sitting& sitting = TheSitting();
  if (sitting.cursor == nullptr) return R"({"error":"no recording is open"})";
  std::string refusal;
  sitting.cursor->ApplyNext([&](const zemra::Input& input) { return refusal = sitting.session->Apply(input); });
  return sitting.session->StateJson(refusal);
}

// How the watched replay ended: 0 as recorded, 1 not, 2 the file was cut
// short; and in words, in the page's language ("ja" or "en").
std::string WatchVerdict(const std::string& code) {
  const zemra::ReplayCursor* cursor = TheSitting().cursor.get();
  if (cursor == nullptr) return R"({"status":2,"verdict":""})";
  const std::string verdict = cursor->VerdictIn(zemra::ParseLanguage(code).value_or(zemra::Language::kJapanese));
  return nlohmann::json{{"status", cursor->ExitStatus()}, {"verdict", verdict}}.dump(
      -1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The file name of this sitting's recording in /save/recordings, or "" while
// it is not kept (no input of the player's yet, or none recorded).
std::string RecordingName() {
  const zemra::RecordingWriter* recording = TheSitting().recording.get();
  const auto kept = recording == nullptr ? std::nullopt : recording->KeptFile();
  return kept ? kept->filename().string() : "";
}

// The battle benchmark's battles on a seed, as zemra6-battlebench prints them:
// "N battles, checksum X" (any sitting ends first: the core is one).
std::string BattleBench(const std::string& seed_text, int battles) {
  std::uint64_t seed = 0;
  ParseSeed(seed_text, seed);
  TheSitting().End();
  const zemra::BattleTally tally = zemra::PlayBenchBattles(seed, battles, WebLocations({}));
  char text[64];
  std::snprintf(text, sizeof text, "%d battles, checksum %016llx", tally.battles,
                static_cast<unsigned long long>(tally.checksum));
  return text;
}

}  // namespace

EMSCRIPTEN_BINDINGS(zemra6) {
  emscripten::function("setLanguage", &SetCoreLanguage);
  emscripten::function("language", &CoreLanguage);
  emscripten::function("start", &Start);
  emscripten::function("perform", &Perform);
  emscripten::function("apply", &Apply);
  emscripten::function("digest", &Digest);
  emscripten::function("nameLead", &NameLead);
  emscripten::function("look", &Look);
  emscripten::function("clock", &Clock);
  emscripten::function("swordInfos", &SwordInfos);
  emscripten::function("watchOpen", &WatchOpen);
  emscripten::function("watchNext", &WatchNext);
  emscripten::function("watchApply", &WatchApply);
  emscripten::function("watchVerdict", &WatchVerdict);
  emscripten::function("recordingName", &RecordingName);
  emscripten::function("finished", &Finished);
  emscripten::function("nextDue", &NextDue);
  emscripten::function("titleFrame", &TitleFrame);
  emscripten::function("nameBackground", &NameBackground);
  emscripten::function("nameQuestion", &NameQuestion);
  emscripten::function("saveProblem", &SaveProblem);
  emscripten::function("battleBench", &BattleBench);
}
