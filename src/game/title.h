// The title page (animated by a scheduler job, with looping music) and the
// name page where the player names the legendary sword.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/bitmap.h"

namespace zemra {

inline constexpr int kNameLimit = 16;  // code page 932 bytes

// The draws of one jagged line: its shade of green, its start and its points.
struct JaggedLine {
  int blue = 0;
  int start = 0;
  std::array<int, 126> points{};  // 126 across, 101 down
};

struct TitleState {
  int frame = 0;  // 0..256: frames drawn so far, drives the fade-in
  std::unique_ptr<TVorbBitmap> bitmap;  // made at start, redrawn whole every frame
  // The newest frame as drawn from the random source; its pixels are made
  // only when someone looks (TitleBitmap), so frames nobody sees cost no pixels.
  int shown_frame = 0;
  std::array<JaggedLine, 6> lines{};  // across, down, across, down, across, down
  bool pixels_stale = false;
};

TitleState& Title();
TVorbBitmap& TitleBitmap();

void StartTitle();
// One frame of the animation: its random draws, then the host is told.
void TitleTick();
// Makes the pixels of the newest frame in the bitmap.
void PaintTitleFrame(TVorbBitmap& bitmap);
void OpenNameEntry();
// A typed name as "刻む" judges it: the message that refuses it, or (with an
// empty refusal) the name as the save file will give it back.
struct NameCheck {
  std::string refusal;
  std::string name;
};
NameCheck CheckTypedName(const std::string& typed);
// The question that confirms a checked name.
std::string NameQuestion(const std::string& name);
// The name as typed in the name field, checked and confirmed.
void AcceptNameEntry(const std::string& typed);
void PaintNameBackground();
void StartNewGame();

// The lead text of the name page.
std::string NameLeadText();

}  // namespace zemra
