// The ten memory chapters, played from the story script five lines a page.
// A chapter ends on a page whose "≫" leads back to the field.
#pragma once

#include <string_view>

#include "runtime/console.h"

namespace zemra {

inline constexpr int kChapterCount = 10;

// Shows the picture panel and the chapter's first page. Runs inside a screen
// (a continuation), like any other; an index outside 0..9 or an unknown
// suffix is reported with the application message box.
void StartChapter(int index);
void StartChapter(std::string_view suffix);
// The chapter's "≫": the next page, or the field after a "#SetReturn" page.
void ScriptStep();
// A screen that starts chapter index, for a command; nullptr outside 0..9.
Continuation ChapterContinuation(int index);

}  // namespace zemra
