// Every input that changes the game, as one value. The window, the text front
// end and a replay turn their events into these and hand them to ApplyInput;
// each is written to one line of text and read back exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zemra {

// Memory chapters a chapter input may name: 0 = 序 … 9 = 終.
inline constexpr int kChapterInputCount = 10;

enum class InputKind : std::uint8_t {
  TitleClick,  // a click on the title page
  NameGiven,   // 刻む pressed with the typed name in text
  Answer,      // the answer to a Yes/No box
  Command,     // command button index pressed; text is the caption seen, "" for any
  SwordClick,  // sword label index clicked
  SwordHover,  // the mouse moved onto sword label index
  Leave,       // the mouse moved onto a panel background
  ClockStep,   // the clock moved on by ms, then one scheduler pass
  Rolls,       // the results of the next random draws (development aid)
  Chapter,     // memory chapter index played from the console (development aid)
};

struct Input {
  InputKind kind = InputKind::TitleClick;
  int index = 0;
  bool yes = true;
  std::uint32_t ms = 0;
  std::string text;
  std::vector<int> values;

  static Input TitleClick() { return {}; }
  static Input NameGiven(std::string name) { return {InputKind::NameGiven, 0, true, 0, std::move(name), {}}; }
  static Input Answer(bool yes) { return {InputKind::Answer, 0, yes, 0, {}, {}}; }
  static Input Command(int button, std::string caption = {}) {
    return {InputKind::Command, button, true, 0, std::move(caption), {}};
  }
  static Input SwordClick(int label) { return {InputKind::SwordClick, label, true, 0, {}, {}}; }
  static Input SwordHover(int label) { return {InputKind::SwordHover, label, true, 0, {}, {}}; }
  static Input Leave() { return {InputKind::Leave, 0, true, 0, {}, {}}; }
  static Input ClockStep(std::uint32_t ms) { return {InputKind::ClockStep, 0, true, ms, {}, {}}; }
  static Input Rolls(std::vector<int> values) { return {InputKind::Rolls, 0, true, 0, {}, std::move(values)}; }
  static Input Chapter(int index) { return {InputKind::Chapter, index, true, 0, {}, {}}; }

  friend bool operator==(const Input&, const Input&) = default;
};

// The word a line and the page's input objects name a kind by: "title", "command", "step" ….
std::string_view InputVerb(InputKind kind);

// One line, no line break in it: "title", "name 霧葉", "answer no",
// "command 4 徘徊", "click 2", "hover 2", "leave", "step 50", "rolls 3 0",
// "chapter 1". Texts escape "\\", CR and LF as \\, \r and \n.
std::string FormatInput(const Input& input);
// The input a line stands for; nullopt for a line FormatInput cannot have written.
std::optional<Input> ParseInput(std::string_view line);

}  // namespace zemra
