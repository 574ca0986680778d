// The Host the core talks to, carried out on the Qt window: controls by name,
// modal boxes, pictures, sound, the clock and the end of the application.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/bitmap_painter.h"
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
  void TitleFrameChanged() override;

  void FocusNameEdit() override;
  std::string NameEditText() override;

  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;

  void Beep() override;
  void Terminate() override;
  std::uint32_t Clock() override;

  void PlaySound(std::string_view file, bool loop) override;
  void StopSound() override;

  void DrawText(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font) override;

 private:
  void RefocusNameEdit();
  TFormMain& window_;
  QtSoundOutput& sound_;
  GamePump& pump_;
  BitmapTextPainter text_painter_;
};

}  // namespace zemra
