// Chapter playback: chapter i starts at the script label "@" + ChapterNames[i];
// each "≫" asks the script for the next page.
#include "story/chapter_playback.h"

#include <array>
#include <string>
#include <utility>

#include "data/sword.h"
#include "engine/translate.h"
#include "runtime/screen_routes.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "story/story_playback.h"
#include "story/story_script.h"

namespace zemra {
namespace {

constexpr char kUnreadableChapterText[] = N_("……記憶の絵巻は、かすれて読み取れなかった。");

template <int Index>
void PlayChapter() {
  StartChapter(Index);
}

template <int... Indices>
constexpr std::array<Continuation, sizeof...(Indices)> MakeChapterScreens(std::integer_sequence<int, Indices...>) {
  return {PlayChapter<Indices>...};
}

constexpr std::array<Continuation, kChapterCount> kChapterScreens =
    MakeChapterScreens(std::make_integer_sequence<int, kChapterCount>{});

}  // namespace

void StartChapter(int index) {
  if (index < 0 || index >= kChapterCount) {
    ShowAppMessage("error in StartChapter(" + std::to_string(index) + ")");
    return;
  }
  ShowStoryPanel();
  if (TVorbScript* script = StoryScript()) {
    script->GotoLabel("@" + std::string(ChapterNames[static_cast<std::size_t>(index)]));
  }
  ScriptStep();
}

void StartChapter(std::string_view suffix) {
  for (int i = 0; i < kChapterCount; ++i) {
    if (ChapterNames[static_cast<std::size_t>(i)] == suffix) {
      StartChapter(i);
      return;
    }
  }
  ShowAppMessage("error in StartChapter('" + std::string(suffix) + "')");
}

void ScriptStep() {
  PlayWave(Sound::Weak);
  AddCommand("≫", ScriptStep);
  TVorbScript* script = StoryScript();
  if (script == nullptr || !script->Loaded()) {
    // Without the story file the chapter says so and the run goes on.
    AddMainText(Tr(kUnreadableChapterText));
    SetCommandContinuation(0, EnterField);
    return;
  }
  script->Step();
}

Continuation ChapterContinuation(int index) {
  if (index < 0 || index >= kChapterCount) return nullptr;
  return kChapterScreens[static_cast<std::size_t>(index)];
}

}  // namespace zemra
