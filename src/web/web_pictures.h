// The bitmaps the core draws (the title animation, the name page's
// background), kept for the page as RGBA rows it can view in the module's
// memory, with the texts the core draws on them left as texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/text_host.h"

namespace zemra {

struct DrawnText {
  int x = 0;
  int y = 0;
  std::string text;
  BitmapFont font;
};

struct PageBitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
  std::vector<DrawnText> texts;
  std::uint32_t version = 0;  // one more whenever the pixels change
};

class WebPictures final : public PictureSink {
 public:
  void BitmapDrawn(Control target, const TVorbBitmap& bitmap) override;
  void TitleFrameChanged(const FrameOnDemand& frame) override;
  void TextDrawn(int x, int y, std::string_view text, const BitmapFont& font) override;

  // The newest title frame, painted only now that the page asks for it.
  const PageBitmap& Title();
  const PageBitmap& NameBackground() const { return name_; }

 private:
  PageBitmap title_;
  PageBitmap name_;
  bool title_stale_ = false;
  PageBitmap* painting_ = nullptr;  // where texts drawn now belong
};

// The bitmap as JSON for the page: its size, version, the address of its
// RGBA rows in the module's memory and its texts.
std::string PageBitmapJson(const PageBitmap& bitmap);

}  // namespace zemra
