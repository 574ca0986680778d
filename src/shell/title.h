// The title page (animated by a scheduler job, with looping music) and the
// name page where the player names the legendary sword.
#pragma once

namespace zemra {

inline constexpr int kNameLimit = 16;  // code page 932 bytes

struct TitleState {
  int frame = 0;  // 0..256: frames drawn so far, drives the fade-in
};

TitleState& Title();

void StartTitle();
void TitleTick();
void OpenNameEntry();
void AcceptNameEntry();
void PaintNameBackground();
void StartNewGame();

// The lead text of the name page.
const char* NameLeadText();

}  // namespace zemra
