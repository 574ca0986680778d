// The host as the core sees it: every call passes through to the front end's
// host, and what the core has shown is remembered here, so the core can tell
// by itself whether a page, a panel or a button is there to be pressed.
#pragma once

#include <array>

#include "host/host.h"

namespace zemra {

class ScreenRecord final : public Host {
 public:
  explicit ScreenRecord(Host& host) : host_(host) {}

  void SetVisible(Control control, bool visible) override;
  void SetText(Control control, std::string_view text) override { host_.SetText(control, text); }
  void SetColor(Control control, Rgb colour) override { host_.SetColor(control, colour); }
  void SetFontColor(Control control, Rgb colour) override { host_.SetFontColor(control, colour); }
  bool LoadPicture(std::string_view file) override { return host_.LoadPicture(file); }
  void DrawBitmap(Control target, const TVorbBitmap& bitmap) override { host_.DrawBitmap(target, bitmap); }
  void TitleFrameChanged(const FrameOnDemand& frame) override { host_.TitleFrameChanged(frame); }
  void DrawText(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font) override {
    host_.DrawText(bitmap, x, y, text, font);
  }
  void PlaySound(std::string_view file, bool loop) override { host_.PlaySound(file, loop); }
  void StopSound() override { host_.StopSound(); }
  void FocusNameEdit() override { host_.FocusNameEdit(); }
  void ShowMessage(std::string_view text) override { host_.ShowMessage(text); }
  void ShowQuestion(std::string_view text) override { host_.ShowQuestion(text); }
  void Beep() override { host_.Beep(); }
  void Terminate() override;

  // Last visibility the core gave the control itself (its page or panel aside).
  bool Visible(Control control) const { return visible_[static_cast<std::size_t>(control)]; }
  bool Terminated() const { return terminated_; }

 private:
  Host& host_;
  std::array<bool, kControlCount> visible_{};
  bool terminated_ = false;
};

}  // namespace zemra
