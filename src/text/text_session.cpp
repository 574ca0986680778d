// The text front end's actions and its JSON view of the screen.
#include "text/text_session.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "data/player_data.h"
#include "game/game.h"
#include "record/input_log.h"
#include "runtime/console.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

using nlohmann::json;

constexpr std::size_t kEditMaxChars = 16;  // the name field's own input limit, in characters

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::istringstream in{std::string(text)};
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool ParseInt(std::string_view text, long long& value) {
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size();
}

// Keeps at most n UTF-8 characters, as a line edit with a character limit would.
std::string FirstChars(std::string_view text, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t count = 0; pos < text.size() && count < n; ++count) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
  }
  return std::string(text.substr(0, pos));
}

}  // namespace

std::string NameFieldText(std::string_view typed) { return FirstChars(typed, kEditMaxChars); }

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(text.substr(start, at - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

json FighterJson(const TextHost& host, Control first) {
  json cards = json::array();
  for (int k = 0; k < kHandSize; ++k) cards.push_back(host.Text(Offset(first, 6 + k)));
  const Control card = Offset(first, 4);
  return json{{"name", host.Text(first)},
              {"life", host.Text(Offset(first, 1))},
              {"hit", host.Text(Offset(first, 2))},
              {"card", host.Visible(card) ? json(host.Text(card)) : json(nullptr)},
              {"cards", cards}};
}

json SwordsJson(const TextHost& host) {
  const SwordPanelState& panel = SwordPanel();
  json labels = json::array();
  json highlight = json::array();
  for (int i = 0; i < kSwordLabelCount; ++i) {
    labels.push_back(host.Text(SwordLabel(i)));
    if (panel.highlighted[static_cast<std::size_t>(i)]) highlight.push_back(i);
  }
  return json{{"labels", labels},
              {"scheme", panel.scheme == SwordScheme::Self ? "self" : "enemy"},
              {"highlight", highlight},
              {"frozen", panel.frozen},
              {"clickable", SwordRowTakesClicks()},
              {"focusable", SwordRowTakesFocus()}};
}

json RunJson() {
  const TPlayerData& run = PlayerData();
  json obtained = json::array();
  for (int k = 1; k <= kSwordKindCount; ++k) {
    if (run.Obtained[static_cast<std::size_t>(k)]) obtained.push_back(k);
  }
  return json{{"playerName", run.PlayerName}, {"depth", run.Depth},
              {"cleared", run.Cleared},       {"kingDefeated", run.KingDefeated},
              {"battleCount", run.BattleCount}, {"obtained", obtained}};
}

std::string PageName(const TextHost& host) {
  if (host.Visible(Control::PageMain)) return "main";
  if (host.Visible(Control::PageInputName)) return "name";
  return "title";
}

std::string TopName(const TextHost& host) {
  const Control shown = ShownTopPanel();
  Control top = shown;
  if (!host.Visible(shown)) {
    for (Control c : {Control::PanelMainImage, Control::PanelMainEnemy, Control::PanelMainSword}) {
      if (host.Visible(c)) top = c;
    }
  }
  if (top == Control::PanelMainImage) return "image";
  if (top == Control::PanelMainEnemy) return "enemy";
  return "sword";
}

}  // namespace

TextSession::TextSession(std::uint64_t seed, GameLocations locations, bool new_run, PictureSink* pictures)
    : host_(pictures) {
  StartGame(host_, seed, std::move(locations), new_run);
}

TextSession::~TextSession() { StopGame(); }

std::string TextSession::Perform(std::string_view line) {
  const std::size_t space = line.find(' ');
  const std::string_view verb = line.substr(0, space);
  const std::string_view rest = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
  const std::string error = Act(verb, rest);
  // Every action is followed by a pass, as the window's loop runs one after every event.
  if (error.empty() && !host_.Terminated()) Apply(Input::ClockStep(0));
  if (host_.Terminated()) finished_ = true;
  return StateJson(error);
}

std::string TextSession::Apply(const Input& input) { return ApplyLogged(input, log_, true); }

std::string TextSession::ApplyLine(std::string_view line) {
  const std::optional<Input> input = ParseInput(line);
  if (!input) return StateJson("not an input: " + std::string(line));
  return ApplyInput(*input);
}

std::string TextSession::ApplyInput(const Input& input) {
  const std::string error = Apply(input);
  if (host_.Terminated()) finished_ = true;
  return StateJson(error);
}

std::string TextSession::Act(std::string_view verb, std::string_view rest) {
  if (verb == "title") return Apply(Input::TitleClick());
  if (verb == "name") return Apply(Input::NameGiven(NameFieldText(rest)));
  if (verb == "answer") {
    if (rest != "yes" && rest != "no") return "answer takes yes or no";
    return Apply(Input::Answer(rest == "yes"));
  }
  if (verb == "press") {
    if (!ConsoleTakesPresses()) return "no console is shown";
    for (int button = kCommandButtonCount - 1; button >= 0; --button) {
      if (host_.Visible(CommandButton(button)) && host_.Text(CommandButton(button)) == rest) {
        return Apply(Input::Command(button, std::string(rest)));
      }
    }
    return "no command " + std::string(rest);
  }
  if (verb == "click" || verb == "hover") {
    long long index = 0;
    if (!ParseInt(rest, index) || index < 0 || index >= kSwordLabelCount) {
      return verb == "click" ? "click takes 0..7" : "hover takes 0..7";
    }
    const int label = static_cast<int>(index);
    return Apply(verb == "click" ? Input::SwordClick(label) : Input::SwordHover(label));
  }
  if (verb == "leave") return Apply(Input::Leave());
  if (verb == "rolls") {
    std::vector<int> values;
    for (const std::string& word : Words(rest)) {
      long long v = 0;
      if (!ParseInt(word, v) || v < 0 || v > 0x7FFFFFFF) return "rolls takes numbers 0 and above";
      values.push_back(static_cast<int>(v));
    }
    return Apply(Input::Rolls(std::move(values)));
  }
  if (verb == "tick") {
    long long ms = 0;
    if (!ParseInt(rest, ms) || ms < 0 || ms > 0x7FFFFFFF) return "tick takes milliseconds";
    Tick(static_cast<std::uint32_t>(ms));
    return "";
  }
  if (verb == "chapter") {
    // A development aid: plays a memory chapter as its scroll's drive would.
    long long index = 0;
    if (!ParseInt(rest, index) || index < 0 || index >= kChapterInputCount) return "chapter takes 0..9";
    return Apply(Input::Chapter(static_cast<int>(index)));
  }
  if (verb == "quit") {
    finished_ = true;
    return "";
  }
  if (verb != "state") return "unknown action " + std::string(verb);
  return "";
}

void TextSession::Tick(std::uint32_t ms) {
  // A clock step at every moment a job falls due within the span, then one
  // for the rest. Past a bounded number of steps the rest of the span is
  // skipped at once and a job due many times runs once, as the window's loop
  // does after a long pause, so that any step answers promptly.
  constexpr int kMaxPassesPerTick = 1000;
  const InputLogBatch batch(log_);
  std::uint32_t left = ms;
  for (int pass = 0; pass < kMaxPassesPerTick && !host_.Terminated(); ++pass) {
    const auto wait = Scheduler().MsUntilNextDue();
    if (!wait || *wait > left) break;
    left -= *wait;
    Apply(Input::ClockStep(*wait));
  }
  Apply(Input::ClockStep(left));
}

std::string TextSession::StateJson(const std::string& error) {
  // Only what can be pressed now: the sword information hides the console and its buttons.
  const ConsoleState& console = Console();
  const bool pressable = ConsoleTakesPresses();
  json commands = json::array();
  for (int j = 0; pressable && j < console.command_count; ++j) {
    commands.push_back(console.commands[static_cast<std::size_t>(j)].caption);
  }
  json buttons = json::array();
  for (int b = 0; b < kConsoleCommands; ++b) {
    const bool shown = pressable && host_.Visible(CommandButton(b));
    buttons.push_back(shown ? json(host_.Text(CommandButton(b))) : json(nullptr));
  }
  json sounds = json::array();
  for (const auto& [file, loop] : host_.TakeSounds()) sounds.push_back(json::array({file, loop}));
  json state{{"page", PageName(host_)},
             {"top", TopName(host_)},
             {"image", host_.Image().empty() ? json(nullptr) : json(host_.Image())},
             {"lines", SplitLines(host_.Text(Control::LabMainText))},
             {"commands", commands},
             {"buttons", buttons},
             {"self", FighterJson(host_, Control::LabSelfName)},
             {"enemy", FighterJson(host_, Control::LabEnemyName)},
             {"swords", SwordsJson(host_)},
             {"info", host_.Visible(Control::PanelMainSwordInfo) ? json(host_.Text(Control::LabSwordInfo)) : json(nullptr)},
             {"boxes", host_.TakeBoxes()},
             {"sounds", sounds},
             {"run", RunJson()},
             {"terminated", host_.Terminated()}};
  if (!error.empty()) state["error"] = error;
  return state.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace zemra
