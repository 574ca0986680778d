// The text front end's host: remembers what a window would show, answers
// message boxes from a queue, and keeps a clock that moves only when told.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"

namespace zemra {

class TextHost final : public Host {
 public:
  void SetVisible(Control control, bool visible) override { visible_[Index(control)] = visible; }
  void SetText(Control control, std::string_view text) override {
    // Most labels keep their text from one screen to the next: compared, not copied.
    if (text_[Index(control)] != text) text_[Index(control)] = text;
  }
  void SetColor(Control control, Rgb colour) override { colour_[Index(control)] = colour; }
  void SetFontColor(Control control, Rgb colour) override { font_colour_[Index(control)] = colour; }
  bool LoadPicture(std::string_view file) override;
  void DrawBitmap(Control, const TVorbBitmap&) override {}
  void TitleFrameChanged() override {}
  void DrawText(TVorbBitmap&, int, int, std::string_view, const BitmapFont&) override {}
  void FocusNameEdit() override {}
  std::string NameEditText() override { return name_edit_; }
  void ShowMessage(std::string_view text) override { boxes_.emplace_back(text); }
  bool AskYesNo(std::string_view text) override;
  void PlaySound(std::string_view file, bool loop) override { sounds_.emplace_back(std::string(file), loop); }
  void StopSound() override {}
  void Beep() override {}
  void Terminate() override { terminated_ = true; }
  std::uint32_t Clock() override { return clock_; }

  bool Visible(Control control) const { return visible_[Index(control)]; }
  const std::string& Text(Control control) const { return text_[Index(control)]; }
  Rgb Colour(Control control) const { return colour_[Index(control)]; }
  const std::string& Image() const { return image_; }

  void SetNameEditText(std::string text) { name_edit_ = std::move(text); }
  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  void AdvanceClock(std::uint32_t ms) { clock_ += ms; }
  bool Terminated() const { return terminated_; }

  // Boxes and sounds since the last call.
  std::vector<std::string> TakeBoxes() { return std::exchange(boxes_, {}); }
  std::vector<std::pair<std::string, bool>> TakeSounds() { return std::exchange(sounds_, {}); }

 private:
  static std::size_t Index(Control control) { return static_cast<std::size_t>(control); }

  std::array<bool, kControlCount> visible_{};
  std::array<std::string, kControlCount> text_{};
  std::array<Rgb, kControlCount> colour_{};
  std::array<Rgb, kControlCount> font_colour_{};
  std::string image_;
  std::set<std::string, std::less<>> readable_;  // pictures found readable
  std::string name_edit_;
  std::deque<bool> answers_;
  std::vector<std::string> boxes_;
  std::vector<std::pair<std::string, bool>> sounds_;
  std::uint32_t clock_ = 0;
  bool terminated_ = false;
};

}  // namespace zemra
