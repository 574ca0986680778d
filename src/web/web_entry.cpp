// The browser's way into the core: the text front end's session, one input
// at a time as a JSON object, answered with the screen as JSON, plus what only
// a page that draws needs (the core's bitmaps, the next due moment, the name's
// question, a save file's check) and the desk's rules (keys, the replay's
// pace, what a screen reader hears). The save folder is /save in the
// module's file system. The calls only tests and figures use are in
// web_test_entry.cpp, linked into the node module alone.
#include <emscripten/bind.h>

#include <algorithm>
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
#include "options/program_options.h"
#include "platform/temp_folder.h"
#include "record/recording.h"
#include "record/recording_folder.h"
#include "record/recording_writer.h"
#include "web/recording_summary.h"
#include "record/scratch_folder.h"
#include "runtime/game_objects.h"
#include "runtime/save_load.h"
#include "runtime/status_panels.h"
#include "text/look_json.h"
#include "text/text_session.h"
#include "web/web_pictures.h"
#include "web/web_protocol.h"
#include "web/web_sitting.h"
#include "desk/key_help.h"
#include "desk/spoken_texts.h"
#include "data/player_data.h"
#include "runtime/console.h"

namespace {

using zemra::TheSitting;
using Sitting = zemra::WebSitting;

using zemra::kSaveFolder;
using zemra::ParseSeed;
using zemra::WebLocations;

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

// One input as a JSON object (web_protocol.h), as the page takes it from the
// player or its clock; the screen after it.
std::string Apply(const std::string& input_json) {
  if (TheSitting().session == nullptr) return R"({"error":"the game is not running"})";
  const std::optional<zemra::Input> input =
      zemra::InputFromJson(nlohmann::json::parse(input_json, nullptr, false));
  if (!input) return R"({"error":"no such input"})";
  return TheSitting().session->ApplyInput(*input);
}

// Where the game's clock stands: the page steps it by the real time since.
std::uint32_t Clock() { return TheSitting().session == nullptr ? 0 : zemra::GameClock(); }

// What a screen reader hears on the main page, as the window tells its bus:
// the fighter panels and their life, the picture, each sword in the row as
// its information panel would say it, and the fixed names of the stage.
std::string Spoken() {
  using nlohmann::json;
  const Sitting& sitting = TheSitting();
  json fixed = json::object();
  for (const auto& [name, control] : {std::pair{"title", zemra::Control::PntTitle},
                                      {"nameScreen", zemra::Control::ImgInputName},
                                      {"nameField", zemra::Control::EditInputName},
                                      {"row", zemra::Control::PanelMainSword},
                                      {"console", zemra::Control::PanelMainIF},
                                      {"info", zemra::Control::PanelMainSwordInfo},
                                      {"picture", zemra::Control::PanelMainImage}}) {
    fixed[name] = zemra::FixedAccessibleName(control);
  }
  json spoken{{"fixed", std::move(fixed)}};
  if (sitting.session == nullptr) return zemra::Dump(spoken);
  const zemra::TextHost& host = sitting.session->Host();
  for (const auto& [name, first] : {std::pair{"self", zemra::Control::LabSelfName}, {"enemy", zemra::Control::LabEnemyName}}) {
    zemra::FighterTexts texts{host.Text(first), host.Text(zemra::Offset(first, 1)), host.Text(zemra::Offset(first, 2)),
                              std::nullopt, {}};
    if (host.Visible(zemra::Offset(first, 4))) texts.card = host.Text(zemra::Offset(first, 4));
    for (int k = 0; k < zemra::kHandSize; ++k) texts.hand[static_cast<std::size_t>(k)] = host.Text(zemra::Offset(first, 6 + k));
    spoken[name] = json{{"summary", zemra::FighterSummary(texts)}, {"life", zemra::SpokenLife(texts.life)}};
  }
  const zemra::ConsoleState& console = zemra::Console();
  spoken["picture"] = console.image_loaded ? json(zemra::PictureAccessibleName(console.shown_image, zemra::PlayerData().Depth))
                                           : json(nullptr);
  json swords = json::array();
  const zemra::TFighter& shown = zemra::ShownFighter();
  for (int i = 0; i < shown.SwordCount; ++i) swords.push_back(zemra::SwordInfoText(shown.Swords[static_cast<std::size_t>(i)]));
  spoken["swords"] = std::move(swords);
  return zemra::Dump(spoken);
}

// What a key does on the screen now, with the sword row's focus on `focus`
// (-1 none): the desk's answer (web_protocol.h), which the page carries out.
std::string Key(const std::string& press_json, int focus) {
  const zemra::KeyPress press = zemra::KeyPressFromJson(nlohmann::json::parse(press_json, nullptr, false));
  if (TheSitting().session == nullptr) return zemra::Dump(zemra::AnswerToJson({}));
  return zemra::Dump(zemra::AnswerToJson(zemra::AnswerKey(press, zemra::PageDeskScreen(TheSitting().session->Host()), focus)));
}

// The focus the row still allows after the screen changed; -1 none.
int KeptFocus(int focus) {
  if (TheSitting().session == nullptr) return -1;
  return zemra::KeptSwordFocus(zemra::PageDeskScreen(TheSitting().session->Host()), focus);
}

std::string KeyHelp() { return zemra::KeyHelpText(zemra::KeyHelpFor::Page); }

std::string NameLead() { return zemra::NameLeadText(); }

// The screen's look, which the page places and colours its elements by, once at start.
std::string Look() { return zemra::ScreenLookJson(); }

// Milliseconds until the game's clock has work, or -1 when nothing is due:
// the page sets one timer for it and requests nothing in between.
int NextDue() {
  if (TheSitting().session == nullptr || TheSitting().session->Finished()) return -1;
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
  sitting.pace = std::make_unique<zemra::ReplayPace>(std::move(*read.recording), [&sitting](const zemra::Input& input) {
    return sitting.refusal = sitting.session->Apply(input);
  });
  return sitting.session->StateJson();
}

// The watched replay's turn: what to mark, how long until the next call,
// whether it just finished, and the screen when an input went in.
std::string TurnJson(const zemra::ReplayTurn& turn) {
  Sitting& sitting = TheSitting();
  nlohmann::json answer = zemra::TurnToJson(turn);
  answer["state"] = turn.applied ? nlohmann::json::parse(sitting.session->StateJson(sitting.refusal), nullptr, false)
                                 : nlohmann::json(nullptr);
  return zemra::Dump(answer);
}

// The first turn of the watched recording, once the page shows its first screen.
std::string WatchStart() {
  if (TheSitting().pace == nullptr) return R"({"error":"no recording is open"})";
  return TurnJson(TheSitting().pace->Start());
}

// The page's timer fired; `box_open`: a box of the last input is still showing.
std::string WatchAdvance(bool box_open) {
  if (TheSitting().pace == nullptr) return R"({"error":"no recording is open"})";
  return TurnJson(TheSitting().pace->Advance(box_open));
}

// A key of the replay's: "pause", "step", "faster" or "slower".
std::string WatchKey(const std::string& key, bool box_open) {
  zemra::ReplayPace* pace = TheSitting().pace.get();
  if (pace == nullptr) return R"({"error":"no recording is open"})";
  zemra::ReplayKey chosen = zemra::ReplayKey::PauseResume;
  if (key == "step") chosen = zemra::ReplayKey::Step;
  if (key == "faster") chosen = zemra::ReplayKey::Faster;
  if (key == "slower") chosen = zemra::ReplayKey::Slower;
  return TurnJson(pace->Key(chosen, box_open));
}

// Where the watched replay stands, in the page's language: its state in
// words, its pace, and once over the closing box's words.
std::string WatchStatus(const std::string& code) {
  const zemra::ReplayPace* pace = TheSitting().pace.get();
  if (pace == nullptr) return R"({"opened":false})";
  const zemra::Language language = zemra::ParseLanguage(code).value_or(zemra::Language::kJapanese);
  nlohmann::json status{{"opened", true},
                        {"paused", pace->Paused()},
                        {"finished", pace->Finished()},
                        {"state", pace->StateText(language)},
                        {"paceMs", pace->PaceMs()}};
  if (pace->Finished()) status["closing"] = pace->ClosingWords(language);
  return zemra::Dump(status);
}

// The file name of this sitting's recording in /save/recordings, or "" while
// it is not kept (no input of the player's yet, or none recorded).
std::string RecordingName() {
  const zemra::RecordingWriter* recording = TheSitting().recording.get();
  const auto kept = recording == nullptr ? std::nullopt : recording->KeptFile();
  return kept ? kept->filename().string() : "";
}

// How the sitting stands, for the recordings list to say how it ended: its
// page, depth, battles, and whether the run was cleared or ended.
std::string SittingEnd() {
  const Sitting& sitting = TheSitting();
  if (sitting.session == nullptr) return "null";
  const zemra::TextHost& host = sitting.session->Host();
  const zemra::TPlayerData& run = zemra::PlayerData();
  return zemra::Dump({{"page", host.Visible(zemra::Control::PageMain) ? "main" : "title"},
                      {"depth", run.Depth},
                      {"battles", run.BattleCount},
                      {"cleared", run.Cleared},
                      {"terminated", host.Terminated()}});
}

// A kept recording as the list shows it, in the core's language: when its
// sitting began, how many inputs it holds, how long it was played, and how it
// ended (`end_json` as SittingEnd gave it when it was last kept, or "").
std::string RecordingSummary(const std::string& name, const std::string& text, const std::string& end_json) {
  return zemra::Dump(zemra::RecordingSummaryJson(name, text, nlohmann::json::parse(end_json, nullptr, false)));
}

// The names of kept recordings in the order their sittings began.
std::string RecordingsInOrder(const std::string& names_json) {
  const nlohmann::json names = nlohmann::json::parse(names_json, nullptr, false);
  std::vector<std::string> sorted;
  if (names.is_array()) {
    for (const nlohmann::json& name : names) {
      if (name.is_string()) sorted.push_back(name.get<std::string>());
    }
  }
  std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) { return zemra::RecordingNamedEarlier(a, b); });
  return zemra::Dump(sorted);
}

}  // namespace

EMSCRIPTEN_BINDINGS(zemra6) {
  emscripten::function("setLanguage", &SetCoreLanguage);
  emscripten::function("language", &CoreLanguage);
  emscripten::function("start", &Start);
  emscripten::function("apply", &Apply);
  emscripten::function("nameLead", &NameLead);
  emscripten::function("look", &Look);
  emscripten::function("clock", &Clock);
  emscripten::function("spoken", &Spoken);
  emscripten::function("key", &Key);
  emscripten::function("keptFocus", &KeptFocus);
  emscripten::function("keyHelp", &KeyHelp);
  emscripten::function("watchOpen", &WatchOpen);
  emscripten::function("watchStart", &WatchStart);
  emscripten::function("watchAdvance", &WatchAdvance);
  emscripten::function("watchKey", &WatchKey);
  emscripten::function("watchStatus", &WatchStatus);
  emscripten::function("recordingName", &RecordingName);
  emscripten::function("sittingEnd", &SittingEnd);
  emscripten::function("recordingSummary", &RecordingSummary);
  emscripten::function("recordingsInOrder", &RecordingsInOrder);
  emscripten::function("nextDue", &NextDue);
  emscripten::function("titleFrame", &TitleFrame);
  emscripten::function("nameBackground", &NameBackground);
  emscripten::function("nameQuestion", &NameQuestion);
  emscripten::function("saveProblem", &SaveProblem);
}
