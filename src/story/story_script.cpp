// Start-up of the story script and the game's side of its commands.
#include "story/story_script.h"

#include "engine/module_state.h"

#include <string>

#include "runtime/console.h"
#include "runtime/screen_routes.h"
#include "runtime/game_objects.h"

namespace zemra {
namespace {

constexpr int kStoryPageSize = 5;

struct StoryScriptHolder {
  std::unique_ptr<TVorbScript> script;
};

std::unique_ptr<TVorbScript>& Holder() { return ModuleState<StoryScriptHolder>().script; }

void AddPageToConsole(const TVorbScript::Page& page) {
  for (const std::string& line : page) AddMainText(line);
}

void ShowScriptImage(const TVorbScript::Words& words) {
  if (words.size() >= 2 && IsPlainPictureName(words[1])) ShowImage(words[1]);
}

// The page's "≫" (command 0, added before the page was gathered) leads home.
void SetReturnToField() { SetCommandContinuation(0, EnterField); }

void ReportScriptError(std::string_view text) {
  ShowAppMessage("error in ScriptStep: " + std::string(text));
  SetReturnToField();
}

}  // namespace

void CreateStoryScript() {
  auto script = std::make_unique<TVorbScript>([] { TheHost().Beep(); }, [] { TheHost().Terminate(); });
  if (!script->LoadFile(Locations().Content(StoryFileName()), true)) {
    ShowWarningMessage(Tf("（%1の読み込みに失敗しました。）", {StoryFileName()}));
  } else if (script->DroppedLines() > 0) {
    ShowWarningMessage(Tf("（%1が長すぎるため、9999行目より後を読み込みませんでした。）", {StoryFileName()}));
  }
  script->SetPageSize(kStoryPageSize);
  script->SetPageHandler(AddPageToConsole);
  script->RegisterCommandWithArgs("#image", ShowScriptImage);
  script->RegisterCommand("#SetReturn", SetReturnToField);
  script->SetErrorHandler(ReportScriptError);
  Holder() = std::move(script);
}

std::string StoryFileName(Language language) {
  if (language == Language::kJapanese) return kStoryFileName;
  return "dat/kiriha_" + std::string(LanguageCode(language)) + ".dat";
}

std::string StoryFileName() { return StoryFileName(CurrentLanguage()); }

TVorbScript* StoryScript() { return Holder().get(); }

void ResetStoryScript() { Holder().reset(); }

bool IsPlainPictureName(std::string_view name) {
  return !name.empty() && name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos &&
         name.find("..") == std::string_view::npos;
}

}  // namespace zemra
