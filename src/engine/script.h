// TVorbScript: a line-oriented script handed out a page at a time. It runs the
// script's own control lines ("#end", "#goto") and the commands its host
// registers while it gathers a page; what a page or a command means is the
// host's business.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zemra {

// One loaded file. Lines are UTF-8, comments removed, label lines reduced to
// their label; the last entry is the loader's copy of the last line.
struct TScriptUnit {
  std::vector<std::string> Lines;
  int Count = 0;
  int Position = 0;
};

class TVorbScript {
 public:
  using Words = std::vector<std::string>;
  using Page = std::vector<std::string>;
  using Procedure = std::function<void()>;
  using ArgsProcedure = std::function<void(const Words&)>;
  using PageProcedure = std::function<void(const Page&)>;
  using ErrorProcedure = std::function<void(std::string_view)>;

  // A unit holds this many file lines; the loader's own last entry comes on top.
  static constexpr int kMaxFileLines = 9999;

  // beep sounds when a file is missing; terminate asks the application to
  // end when the script finishes.
  TVorbScript(Procedure beep, Procedure terminate);

  // Reads the file (code page 932, CR LF or LF) into a new unit, descrambling
  // each line first when asked. False, after a beep, when it cannot be read.
  bool LoadFile(const std::filesystem::path& file, bool descramble);
  // File lines past kMaxFileLines that the last load left out.
  std::size_t DroppedLines() const { return dropped_lines_; }
  bool Loaded() const { return !units_.empty(); }
  bool Finished() const { return finished_; }
  const TScriptUnit* CurrentUnit() const { return units_.empty() ? nullptr : &units_.back(); }

  void SetPageSize(int n) { page_size_ = n; }
  void SetPageHandler(PageProcedure handler);
  // Told when a page cannot be gathered (a "#goto" loop that shows no text).
  void SetErrorHandler(ErrorProcedure handler) { error_handler_ = std::move(handler); }
  void RegisterCommand(std::string name, Procedure procedure);
  void RegisterCommandWithArgs(std::string name, ArgsProcedure procedure);

  // Moves to the line equal to label (it must start with "@"), searching
  // after the current position and wrapping round; the current position
  // itself is never examined. True when it moved.
  bool GotoLabel(std::string_view label);
  // Delivers the next page to the page handler; an empty page once finished
  // or when no file is loaded.
  void Step();
  std::vector<std::string> NextPage();
  // The next text line of the page, or "" at a page break or the end.
  std::string NextLine();

  // The normalised words of a line: full-width spaces and tabs are spaces,
  // blanks and control characters trimmed, runs of spaces collapsed.
  static Words SplitWords(std::string_view line);

 private:
  struct TCommandIndex {
    std::string Name;
    bool WithArgs = false;
    Procedure Proc;
    ArgsProcedure ArgsProc;
  };

  std::string FetchLine();
  bool AtEnd() const;
  void Finish();
  bool RunRegisteredCommand(const Words& words);

  Procedure beep_;
  Procedure terminate_;
  std::vector<TScriptUnit> units_;
  int page_size_ = 0;
  bool page_mode_ = false;
  PageProcedure page_handler_;
  ErrorProcedure error_handler_;
  std::vector<TCommandIndex> commands_;
  int lines_in_page_ = 0;
  bool finished_ = false;
  bool break_pending_ = false;
  std::size_t dropped_lines_ = 0;
  // Jumps made while gathering the current page, and what went wrong there.
  int jumps_in_page_ = 0;
  std::string page_error_;
};

}  // namespace zemra
