// Built-in stories, told one page per "≫". The prologue is the only one.
#pragma once

#include <string_view>

namespace zemra {

struct StoryState {
  void (*proc)() = nullptr;
  int page = 0;
  int counter = 0;
};

StoryState& Story();

// Shows the picture panel over the top band for a story or a chapter.
void ShowStoryPanel();
void StartStory(std::string_view name);
void StoryStep();

}  // namespace zemra
