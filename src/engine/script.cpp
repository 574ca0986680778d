// The script interpreter. Lines are converted to UTF-8 on loading, so every
// search below works on whole characters: a double-byte character's second
// byte can never pass for "@", "/" or a space.
#include "engine/script.h"

#include <optional>
#include <utility>

#include "engine/file_io.h"
#include "engine/sjis.h"
#include "engine/text_utils.h"

namespace zemra {
namespace {

constexpr std::string_view kFullWidthSpace = "\u3000";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool IsLabel(std::string_view text) { return !text.empty() && text.front() == '@'; }

// The file's lines without their line ends; a final line end starts no line.
std::vector<std::string_view> FileLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

}  // namespace

TVorbScript::TVorbScript(Procedure beep, Procedure terminate)
    : beep_(std::move(beep)), terminate_(std::move(terminate)) {}

TVorbScript::Words TVorbScript::SplitWords(std::string_view line) {
  std::string spaced;
  spaced.reserve(line.size());
  for (std::size_t i = 0; i < line.size();) {
    if (line.substr(i).starts_with(kFullWidthSpace)) {
      spaced += ' ';
      i += kFullWidthSpace.size();
    } else {
      spaced += IsBlank(line[i]) ? ' ' : line[i];
      ++i;
    }
  }
  std::string collapsed;
  for (char c : spaced) {
    if (c == ' ' && (collapsed.empty() || collapsed.back() == ' ')) continue;
    collapsed += c;
  }
  if (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
  Words words;
  SplitString(collapsed, " ", words);
  return words;
}

bool TVorbScript::LoadFile(const std::filesystem::path& file, bool descramble) {
  const std::optional<std::string> bytes = ReadWholeFile(file);
  if (!bytes) {
    if (beep_) beep_();
    return false;
  }
  TScriptUnit unit;
  dropped_lines_ = 0;
  for (std::string_view raw : FileLines(*bytes)) {
    if (unit.Count >= kMaxFileLines) {
      ++dropped_lines_;
      continue;
    }
    std::string line = SjisToUtf8Lenient(descramble ? ScrambleText(raw) : std::string(raw));
    if (const std::size_t comment = line.find("//"); comment != std::string::npos) line.resize(comment);
    Words words = SplitWords(line);
    if (IsLabel(words.front())) line = std::move(words.front());
    unit.Lines.push_back(std::move(line));
    ++unit.Count;
  }
  // The copy that fetching stops at: the file's last line is never delivered.
  unit.Lines.push_back(unit.Lines.empty() ? std::string() : unit.Lines.back());
  ++unit.Count;
  units_.push_back(std::move(unit));
  return true;
}

void TVorbScript::SetPageHandler(PageProcedure handler) {
  page_mode_ = true;
  page_handler_ = std::move(handler);
}

void TVorbScript::RegisterCommand(std::string name, Procedure procedure) {
  commands_.push_back(TCommandIndex{std::move(name), false, std::move(procedure), {}});
}

void TVorbScript::RegisterCommandWithArgs(std::string name, ArgsProcedure procedure) {
  commands_.push_back(TCommandIndex{std::move(name), true, {}, std::move(procedure)});
}

std::string TVorbScript::FetchLine() {
  TScriptUnit& unit = units_.back();
  if (unit.Position >= unit.Count) return "#end";
  return unit.Lines[static_cast<std::size_t>(unit.Position++)];
}

bool TVorbScript::AtEnd() const { return units_.back().Position >= units_.back().Count - 1; }

void TVorbScript::Finish() {
  if (terminate_) terminate_();
  finished_ = true;
}

bool TVorbScript::GotoLabel(std::string_view label) {
  if (!IsLabel(label) || units_.empty()) return false;
  TScriptUnit& unit = units_.back();
  auto try_at = [&](int index) {
    if (unit.Lines[static_cast<std::size_t>(index)] != label) return false;
    unit.Position = index;
    return true;
  };
  for (int i = unit.Position + 1; i < unit.Count; ++i) {
    if (try_at(i)) return true;
  }
  for (int i = 0; i < unit.Position && i < unit.Count; ++i) {
    if (try_at(i)) return true;
  }
  return false;
}

bool TVorbScript::RunRegisteredCommand(const Words& words) {
  for (const TCommandIndex& command : commands_) {
    if (!EqualsIgnoringAsciiCase(words.front(), command.Name)) continue;
    if (command.WithArgs) {
      if (command.ArgsProc) command.ArgsProc(words);
    } else if (command.Proc) {
      command.Proc();
    }
    return true;
  }
  return false;
}

std::string TVorbScript::NextLine() {
  if (finished_ || units_.empty()) return {};
  if (break_pending_) {
    lines_in_page_ = 0;
    break_pending_ = false;
  }
  if (lines_in_page_ >= page_size_) {
    break_pending_ = true;
    return {};
  }
  while (true) {
    std::string line = FetchLine();
    if (AtEnd()) {
      Finish();
      return {};
    }
    if (line.empty() || IsLabel(line)) {
      if (lines_in_page_ == 0) continue;
      break_pending_ = true;
      return {};
    }
    const Words words = SplitWords(line);
    if (EqualsIgnoringAsciiCase(words.front(), "#end")) {
      Finish();
      return {};
    }
    if (EqualsIgnoringAsciiCase(words.front(), "#goto")) {
      // A jump only loops when it shows no text (a label after text ends the
      // page), so more jumps than lines in one page can only be an endless loop.
      if (words.size() >= 2 && GotoLabel(words[1]) && ++jumps_in_page_ > units_.back().Count) {
        page_error_ = "#goto " + words[1] + " loops without text";
        break_pending_ = true;
        return {};
      }
      continue;
    }
    if (RunRegisteredCommand(words)) continue;
    ++lines_in_page_;
    return line;
  }
}

std::vector<std::string> TVorbScript::NextPage() {
  std::vector<std::string> page;
  jumps_in_page_ = 0;
  while (!finished_ && !units_.empty()) {
    std::string line = NextLine();
    if (break_pending_) break;
    page.push_back(std::move(line));
  }
  return page;
}

void TVorbScript::Step() {
  if (!page_mode_) return;
  page_error_.clear();
  const Page page = NextPage();
  if (page_handler_) page_handler_(page);
  if (!page_error_.empty() && error_handler_) error_handler_(page_error_);
}

}  // namespace zemra
