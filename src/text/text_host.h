// The text front end's host: remembers what a window would show and the
// boxes and sounds since the last screen was printed.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"

namespace zemra {

// A front end that shows the core's bitmaps (the browser page) hears of them
// through the text host; the text front end itself has none.
class PictureSink {
 public:
  virtual void BitmapDrawn(Control target, const TVorbBitmap& bitmap) = 0;
  virtual void TitleFrameChanged(const FrameOnDemand& frame) = 0;
  // Text the core draws onto a bitmap, at its top-left corner.
  virtual void TextDrawn(int x, int y, std::string_view text, const BitmapFont& font) = 0;

 protected:
  ~PictureSink() = default;
};

class TextHost final : public Host {
 public:
  explicit TextHost(PictureSink* pictures = nullptr) : pictures_(pictures) {}

  void SetVisible(Control control, bool visible) override { visible_[Index(control)] = visible; }
  void SetText(Control control, std::string_view text) override {
    // Most labels keep their text from one screen to the next: compared, not copied.
    if (text_[Index(control)] != text) text_[Index(control)] = text;
  }
  void SetColor(Control control, Rgb colour) override { colour_[Index(control)] = colour; }
  void SetFontColor(Control control, Rgb colour) override { font_colour_[Index(control)] = colour; }
  bool LoadPicture(std::string_view file) override;
  void DrawBitmap(Control target, const TVorbBitmap& bitmap) override {
    if (pictures_ != nullptr) pictures_->BitmapDrawn(target, bitmap);
  }
  void TitleFrameChanged(const FrameOnDemand& frame) override {
    if (pictures_ != nullptr) pictures_->TitleFrameChanged(frame);
  }
  void DrawText(TVorbBitmap&, int x, int y, std::string_view text, const BitmapFont& font) override {
    if (pictures_ != nullptr) pictures_->TextDrawn(x, y, text, font);
  }
  void FocusNameEdit() override {}
  void ShowMessage(std::string_view text) override { boxes_.emplace_back(text); }
  // The answer was queued by an answer action, or defaults to yes.
  void ShowQuestion(std::string_view text) override { boxes_.emplace_back(text); }
  void PlaySound(std::string_view file, bool loop) override { sounds_.emplace_back(std::string(file), loop); }
  void StopSound() override {}
  void Beep() override {}
  void Terminate() override { terminated_ = true; }

  // Its texts are read only through Text, which first draws what the commands left waiting.
  bool DrawsWhenRead() const override { return true; }

  bool Visible(Control control) const { return visible_[Index(control)]; }
  const std::string& Text(Control control) const;
  Rgb Colour(Control control) const { return colour_[Index(control)]; }
  const std::string& Image() const { return image_; }

  bool Terminated() const { return terminated_; }

  // Boxes and sounds since the last call.
  std::vector<std::string> TakeBoxes() { return std::exchange(boxes_, {}); }
  std::vector<std::pair<std::string, bool>> TakeSounds() { return std::exchange(sounds_, {}); }

 private:
  static std::size_t Index(Control control) { return static_cast<std::size_t>(control); }

  PictureSink* pictures_;

  std::array<bool, kControlCount> visible_{};
  std::array<std::string, kControlCount> text_{};
  std::array<Rgb, kControlCount> colour_{};
  std::array<Rgb, kControlCount> font_colour_{};
  std::string image_;
  std::set<std::string, std::less<>> readable_;    // pictures found readable
  std::set<std::string, std::less<>> unreadable_;  // and found missing: a missing file costs one look
  std::vector<std::string> boxes_;
  std::vector<std::pair<std::string, bool>> sounds_;
  bool terminated_ = false;
};

}  // namespace zemra
