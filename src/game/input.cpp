// The line form of inputs: a verb, then numbers or one escaped text.
#include "game/input.h"

#include <array>
#include <charconv>
#include <type_traits>

#include "host/controls.h"

namespace zemra {
namespace {

struct VerbName {
  InputKind kind;
  std::string_view verb;
};

constexpr std::array<VerbName, 10> kVerbs{{{InputKind::TitleClick, "title"},
                                          {InputKind::NameGiven, "name"},
                                          {InputKind::Answer, "answer"},
                                          {InputKind::Command, "command"},
                                          {InputKind::SwordClick, "click"},
                                          {InputKind::SwordHover, "hover"},
                                          {InputKind::Leave, "leave"},
                                          {InputKind::ClockStep, "step"},
                                          {InputKind::Rolls, "rolls"},
                                          {InputKind::Chapter, "chapter"}}};

}  // namespace

std::string_view InputVerb(InputKind kind) {
  for (const VerbName& name : kVerbs) {
    if (name.kind == kind) return name.verb;
  }
  return {};
}

namespace {

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') return std::nullopt;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

// A decimal number with nothing around it, within [0, limit].
template <class T>
std::optional<T> Number(std::string_view text, T limit) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > limit) return std::nullopt;
  if constexpr (std::is_signed_v<T>) {
    if (value < 0) return std::nullopt;
  }
  return value;
}

std::optional<std::vector<int>> Numbers(std::string_view text) {
  std::vector<int> values;
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    const auto value = Number<int>(text.substr(0, space), 0x7FFFFFFF);
    if (!value) return std::nullopt;
    values.push_back(*value);
    if (space == std::string_view::npos) break;
    text.remove_prefix(space + 1);
    if (text.empty()) return std::nullopt;
  }
  return values;
}

}  // namespace

std::string FormatInput(const Input& input) {
  std::string line;
  for (const VerbName& v : kVerbs) {
    if (v.kind == input.kind) line = v.verb;
  }
  switch (input.kind) {
    case InputKind::TitleClick:
    case InputKind::Leave:
      break;
    case InputKind::NameGiven:
      line += " " + Escape(input.text);
      break;
    case InputKind::Answer:
      line += input.yes ? " yes" : " no";
      break;
    case InputKind::Command:
      line += " " + std::to_string(input.index);
      if (!input.text.empty()) line += " " + Escape(input.text);
      break;
    case InputKind::SwordClick:
    case InputKind::SwordHover:
    case InputKind::Chapter:
      line += " " + std::to_string(input.index);
      break;
    case InputKind::ClockStep:
      line += " " + std::to_string(input.ms);
      break;
    case InputKind::Rolls:
      for (int v : input.values) line += " " + std::to_string(v);
      break;
  }
  return line;
}

std::optional<Input> ParseInput(std::string_view line) {
  const std::size_t space = line.find(' ');
  const std::string_view verb = line.substr(0, space);
  const bool has_rest = space != std::string_view::npos;
  const std::string_view rest = has_rest ? line.substr(space + 1) : std::string_view{};
  const VerbName* found = nullptr;
  for (const VerbName& v : kVerbs) {
    if (v.verb == verb) found = &v;
  }
  if (found == nullptr) return std::nullopt;
  switch (found->kind) {
    case InputKind::TitleClick:
      if (has_rest) return std::nullopt;
      return Input::TitleClick();
    case InputKind::Leave:
      if (has_rest) return std::nullopt;
      return Input::Leave();
    case InputKind::NameGiven: {
      auto text = Unescape(rest);
      if (!text) return std::nullopt;
      return Input::NameGiven(std::move(*text));
    }
    case InputKind::Answer:
      if (rest != "yes" && rest != "no") return std::nullopt;
      return Input::Answer(rest == "yes");
    case InputKind::Command: {
      const std::size_t gap = rest.find(' ');
      const auto button = Number<int>(rest.substr(0, gap), kCommandButtonCount - 1);
      if (!button) return std::nullopt;
      if (gap == std::string_view::npos) return Input::Command(*button);
      auto caption = Unescape(rest.substr(gap + 1));
      if (!caption || caption->empty()) return std::nullopt;
      return Input::Command(*button, std::move(*caption));
    }
    case InputKind::SwordClick:
    case InputKind::SwordHover: {
      const auto label = Number<int>(rest, kSwordLabelCount - 1);
      if (!label) return std::nullopt;
      return found->kind == InputKind::SwordClick ? Input::SwordClick(*label) : Input::SwordHover(*label);
    }
    case InputKind::Chapter: {
      const auto chapter = Number<int>(rest, kChapterInputCount - 1);
      if (!chapter) return std::nullopt;
      return Input::Chapter(*chapter);
    }
    case InputKind::ClockStep: {
      const auto ms = Number<std::uint32_t>(rest, 0xFFFFFFFFu);
      if (!ms) return std::nullopt;
      return Input::ClockStep(*ms);
    }
    case InputKind::Rolls: {
      if (!has_rest) return Input::Rolls({});
      auto values = Numbers(rest);
      if (!values || values->empty()) return std::nullopt;
      return Input::Rolls(std::move(*values));
    }
  }
  return std::nullopt;
}

}  // namespace zemra
