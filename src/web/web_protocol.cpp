#include "web/web_protocol.h"

#include <array>
#include <string_view>
#include <utility>

#include "game/game.h"

namespace zemra {
namespace {

using nlohmann::json;

constexpr std::array<std::pair<std::string_view, DeskKey>, 13> kKeys{{
    {"Enter", DeskKey::Enter},
    {" ", DeskKey::Space},
    {"Escape", DeskKey::Escape},
    {"ArrowUp", DeskKey::Up},
    {"ArrowDown", DeskKey::Down},
    {"ArrowLeft", DeskKey::Left},
    {"ArrowRight", DeskKey::Right},
    {"Tab", DeskKey::Tab},
    {"BackTab", DeskKey::BackTab},
    {"F1", DeskKey::F1},
    {"m", DeskKey::M},
    {"M", DeskKey::M},
    {"Digit", DeskKey::Digit},
}};

int Int(const json& object, const char* field, int otherwise = 0) {
  const auto found = object.find(field);
  return found != object.end() && found->is_number_integer() ? found->get<int>() : otherwise;
}

bool Bool(const json& object, const char* field, bool otherwise = false) {
  const auto found = object.find(field);
  return found != object.end() && found->is_boolean() ? found->get<bool>() : otherwise;
}

std::string String(const json& object, const char* field) {
  const auto found = object.find(field);
  return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

}  // namespace

json InputToJson(const Input& input) {
  json object{{"kind", InputVerb(input.kind)}};
  switch (input.kind) {
    case InputKind::NameGiven: object["text"] = input.text; break;
    case InputKind::Answer: object["yes"] = input.yes; break;
    case InputKind::Command: object["index"] = input.index; object["caption"] = input.text; break;
    case InputKind::SwordClick:
    case InputKind::SwordHover:
    case InputKind::Chapter: object["index"] = input.index; break;
    case InputKind::ClockStep: object["ms"] = input.ms; break;
    case InputKind::Rolls: object["values"] = input.values; break;
    case InputKind::TitleClick:
    case InputKind::Leave: break;
  }
  return object;
}

std::optional<Input> InputFromJson(const json& object) {
  if (!object.is_object()) return std::nullopt;
  const std::string kind = String(object, "kind");
  const int index = Int(object, "index", -1);
  if (kind == "title") return Input::TitleClick();
  if (kind == "name") return Input::NameGiven(String(object, "text"));
  if (kind == "answer") return Input::Answer(Bool(object, "yes", true));
  if (kind == "command" && index >= 0) return Input::Command(index, String(object, "caption"));
  if (kind == "click" && index >= 0) return Input::SwordClick(index);
  if (kind == "hover" && index >= 0) return Input::SwordHover(index);
  if (kind == "leave") return Input::Leave();
  if (kind == "chapter" && index >= 0) return Input::Chapter(index);
  if (kind == "step") {
    const auto ms = object.find("ms");
    if (ms == object.end() || !ms->is_number_unsigned()) return std::nullopt;
    return Input::ClockStep(ms->get<std::uint32_t>());
  }
  if (kind == "rolls") {
    const auto values = object.find("values");
    if (values == object.end() || !values->is_array()) return std::nullopt;
    std::vector<int> rolls;
    for (const json& value : *values) {
      if (!value.is_number_integer()) return std::nullopt;
      rolls.push_back(value.get<int>());
    }
    return Input::Rolls(std::move(rolls));
  }
  return std::nullopt;
}

KeyPress KeyPressFromJson(const json& object) {
  KeyPress press;
  if (!object.is_object()) return press;
  const std::string key = String(object, "key");
  for (const auto& [name, desk_key] : kKeys) {
    if (name == key) press.key = desk_key;
  }
  // A digit comes as its character, as the browser names it.
  if (key.size() == 1 && key[0] >= '1' && key[0] <= '9') {
    press.key = DeskKey::Digit;
    press.digit = key[0] - '0';
  }
  press.repeat = Bool(object, "repeat");
  press.modified = Bool(object, "modified");
  press.typing = Bool(object, "typing");
  press.on_game = Bool(object, "onGame", true);
  press.from_row = Bool(object, "fromRow");
  return press;
}

json AnswerToJson(const DeskAnswer& answer) {
  static constexpr std::array<std::string_view, 5> kActions{"", "keyHelp", "toggleMute", "submitName",
                                                            "pressCommand"};
  json inputs = json::array();
  for (const Input& input : answer.inputs) inputs.push_back(InputToJson(input));
  return json{{"used", answer.used},
              {"action", kActions[static_cast<std::size_t>(answer.action)]},
              {"command", answer.command},
              {"inputs", std::move(inputs)},
              {"focus", answer.focus}};
}

DeskScreen PageDeskScreen(const TextHost& host) {
  DeskScreen screen;
  screen.tab_leaves_row = true;
  if (host.Visible(Control::PageTitle)) screen.page = DeskPage::Title;
  if (host.Visible(Control::PageInputName)) screen.page = DeskPage::Name;
  if (host.Visible(Control::PageMain)) screen.page = DeskPage::Main;
  for (int i = 0; i < kSwordLabelCount; ++i) {
    screen.holds[static_cast<std::size_t>(i)] = !host.Text(SwordLabel(i)).empty();
  }
  screen.info_shown = host.Visible(Control::PanelMainSwordInfo);
  const bool pressable = ConsoleTakesPresses();
  for (int i = 0; i < kCommandButtonCount; ++i) {
    screen.commands_shown[static_cast<std::size_t>(i)] = pressable && host.Visible(CommandButton(i));
  }
  return screen;
}

json TurnToJson(const ReplayTurn& turn) {
  json mark = nullptr;
  if (turn.mark.kind != ReplayMark::Kind::None) {
    mark = json{{"kind", turn.mark.kind == ReplayMark::Kind::Command ? "command" : "sword"}, {"index", turn.mark.index}};
  }
  return json{{"mark", std::move(mark)},
              {"wait", turn.wait_ms ? json(*turn.wait_ms) : json(nullptr)},
              {"rearm", turn.rearm},
              {"finished", turn.finished}};
}

std::string Dump(const json& value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }

}  // namespace zemra
