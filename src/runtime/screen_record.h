// The host as the core sees it: every call passes through to the front end's
// host, and what the core has shown is remembered here, so the core can tell
// by itself whether a page, a panel or a button is there to be pressed.
#pragma once

#include <array>

#include "host/host.h"
#include "runtime/console.h"

namespace zemra {

class ScreenRecord final : public Host {
 public:
  explicit ScreenRecord(Host& host) : host_(host) {}

  void SetVisible(Control control, bool visible) override;
  // A text set while the panels and the console wait to be drawn lands after them, as it always did.
  void SetText(Control control, std::string_view text) override {
    if (texts_pending_) DrawPendingScreen();
    host_.SetText(control, text);
  }
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
  // A box is shown over the screen as drawn so far.
  void ShowMessage(std::string_view text) override {
    DrawPendingScreen();
    host_.ShowMessage(text);
  }
  void ShowQuestion(std::string_view text) override {
    DrawPendingScreen();
    host_.ShowQuestion(text);
  }
  void Beep() override { host_.Beep(); }
  void Terminate() override;
  bool DrawsWhenRead() const override { return host_.DrawsWhenRead(); }

  // Whether the panels' and the console's texts wait for DrawPendingScreen.
  bool TextsPending() const { return texts_pending_; }
  void SetTextsPending(bool pending) { texts_pending_ = pending; }

  // Last visibility the core gave the control itself (its page or panel aside).
  bool Visible(Control control) const { return visible_[static_cast<std::size_t>(control)]; }
  bool Terminated() const { return terminated_; }

 private:
  Host& host_;
  std::array<bool, kControlCount> visible_{};
  bool terminated_ = false;
  bool texts_pending_ = false;
};

}  // namespace zemra
