// The title page (animated by a scheduler job, with looping music) and the
// name page where the player names the legendary sword.
#pragma once

#include <memory>
#include <string>

#include "engine/bitmap.h"

namespace zemra {

inline constexpr int kNameLimit = 16;  // code page 932 bytes

struct TitleState {
  int frame = 0;  // 0..256: frames drawn so far, drives the fade-in
  std::unique_ptr<TVorbBitmap> bitmap;  // made at start, redrawn whole every frame
};

TitleState& Title();
TVorbBitmap& TitleBitmap();

void StartTitle();
void TitleTick();
void OpenNameEntry();
// The name as typed in the name field, checked and confirmed.
void AcceptNameEntry(const std::string& typed);
void PaintNameBackground();
void StartNewGame();

// The lead text of the name page.
const char* NameLeadText();

}  // namespace zemra
