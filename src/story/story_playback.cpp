// Story playback: a story procedure prints one page; "≫" runs the next.
#include "story/story_playback.h"

#include "engine/module_state.h"

#include <array>
#include <string>

#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/screen_routes.h"
#include "runtime/game_objects.h"
#include "story/prologue_text.h"

namespace zemra {
namespace {

constexpr int kPrologueLastPage = 10;

void PrologueProc() {
  const int page = Story().page;
  if (page == 0) {
    ShowImage("center.bmp");
    return;
  }
  if (page == kPrologueLastPage) {
    SetCommandContinuation(0, EnterField);
    return;
  }
  if (page < 0 || page > kPrologueLastPage) return;
  int first = 0;
  for (int p = 1; p < page; ++p) first += kProloguePageLines[static_cast<std::size_t>(p - 1)];
  const int count = kProloguePageLines[static_cast<std::size_t>(page - 1)];
  for (int i = 0; i < count; ++i) AddMainText(Tr(kPrologueLines[first + i]));
}

struct TStoryProcSet {
  const char* name;
  void (*proc)();
};

constexpr std::array<TStoryProcSet, 1> kStories{{{"プロローグ", PrologueProc}}};

}  // namespace

StoryState& Story() {
  return ModuleState<StoryState>();
}

void ShowStoryPanel() {
  // The picture takes the top band without becoming the remembered panel;
  // the field that ends the story shows it again properly.
  Host& host = TheHost();
  host.SetVisible(Control::PanelMainImage, true);
  if (ShownTopPanel() != Control::PanelMainImage) host.SetVisible(ShownTopPanel(), false);
}

void StartStory(std::string_view name) {
  ShowStoryPanel();
  Story().counter = 0;
  for (const TStoryProcSet& story : kStories) {
    if (name == story.name) {
      Story().proc = story.proc;
      StoryStep();
      return;
    }
  }
  ShowAppMessage("error in StartStory('" + std::string(name) + "')");
}

void StoryStep() {
  StoryState& s = Story();
  s.page = s.counter++;
  AddCommand("≫", StoryStep);
  if (s.proc != nullptr) s.proc();
}

}  // namespace zemra
