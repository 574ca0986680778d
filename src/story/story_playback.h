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

void StartStory(std::string_view name);
void StoryStep();

}  // namespace zemra
