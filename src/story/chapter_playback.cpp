// placeholder until the story lands
#include "story/chapter_playback.h"
#include "shell/field.h"
namespace zemra {
void StartChapter(int) { EnterField(); }
void StartChapter(std::string_view) { EnterField(); }
void ScriptStep() {}
Continuation ChapterContinuation(int) { return nullptr; }
}  // namespace zemra
