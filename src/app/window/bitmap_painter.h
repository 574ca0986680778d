// The core's TVorbBitmap seen through Qt: text drawn into its pixels with
// QPainter, and a copy of it as a QImage for a widget to show.
#pragma once

#include <QFont>
#include <QImage>
#include <QStaticText>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bitmap.h"

namespace zemra {

// Draws text into bitmaps with the game's face at the font's pixel height,
// each text's cell's top-left corner at (x, y), glyphs only (no background).
// The title draws the same text twice a frame, twenty frames a second: the
// glyphs laid out for the last text and face are kept for the next call
// (QStaticText draws the very pixels QPainter::drawText would).
class BitmapTextPainter {
 public:
  void Paint(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font);

 private:
  std::string text_;
  int height_ = 0;
  bool bold_ = false;
  bool italic_ = false;
  QFont face_;
  QStaticText glyphs_;
  QImage canvas_;  // the last bitmap's memory seen as an image
};

// A deep copy in the screen's usual format, ready to paint.
QImage BitmapToImage(const TVorbBitmap& bitmap);

// Brings a copy made earlier by this function up to date: `shown` keeps the
// bitmap's bytes as last copied, and only the strips of rows that changed
// since are converted. True when anything changed.
bool UpdateBitmapCopy(const TVorbBitmap& bitmap, std::vector<std::uint8_t>& shown, QImage& image);

}  // namespace zemra
