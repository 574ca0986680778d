// The Host the core talks to, carried out on the Qt window: controls by name,
// modal boxes, pictures, sound and the end of the application.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "app/window/bitmap_painter.h"
#include "host/host.h"

namespace zemra {

class GamePump;
class QtSoundOutput;
class TFormMain;

class QtHost : public Host {
 public:
  QtHost(TFormMain& window, QtSoundOutput& sound, GamePump& pump);

  void SetVisible(Control control, bool visible) override;
  void SetText(Control control, std::string_view text) override;
  void SetColor(Control control, Rgb colour) override;
  void SetFontColor(Control control, Rgb colour) override;

  bool LoadPicture(std::string_view file) override;
  void DrawBitmap(Control target, const TVorbBitmap& bitmap) override;
  void TitleFrameChanged(const FrameOnDemand& frame) override;

  void FocusNameEdit() override;

  void ShowMessage(std::string_view text) override;
  // Waits for the player's answer and applies it as an answer input.
  void ShowQuestion(std::string_view text) override;
  // The same box for the window's own questions, answered to the window alone.
  bool Confirm(std::string_view text);

  // During a replay no box waits for a person: each closes itself after a
  // moment, and questions take the recorded answers.
  void SetReplaying(bool replaying) { replaying_ = replaying; }

  void Beep() override;
  void Terminate() override;

  void PlaySound(std::string_view file, bool loop) override;
  void StopSound() override;

  void DrawText(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font) override;

 private:
  void RefocusNameEdit();
  TFormMain& window_;
  QtSoundOutput& sound_;
  GamePump& pump_;
  bool replaying_ = false;
  BitmapTextPainter text_painter_;
  std::set<std::string, std::less<>> unreadable_pictures_;  // looked for once, then known missing
};

}  // namespace zemra
