// The story script object: made at start-up on "dat/kiriha.dat" with the
// console as its page handler and the story's two commands.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/script.h"
#include "engine/translate.h"

namespace zemra {

inline constexpr char kStoryFileName[] = "dat/kiriha.dat";

// The story file of a language, or of the language the game is shown in.
// Japanese reads kiriha.dat, another language kiriha_CODE.dat.
std::string StoryFileName(Language language);
std::string StoryFileName();

// Creates the script on the story file (replacing an earlier one). A file
// that is missing, unreadable or too long is reported once through the
// deferred warning; the game goes on either way.
void CreateStoryScript();
// The story script; nullptr before CreateStoryScript.
TVorbScript* StoryScript();
void ResetStoryScript();

// True for a plain file name that stays inside dat/: no path separator, no "..".
bool IsPlainPictureName(std::string_view name);

}  // namespace zemra
