// The core's TVorbBitmap seen through Qt: text drawn into its pixels with
// QPainter, and a copy of it as a QImage for a widget to show.
#pragma once

#include <QImage>
#include <string_view>

#include "engine/bitmap.h"

namespace zemra {

// Draws the text with the game's face at the font's pixel height, its cell's
// top-left corner at (x, y), glyphs only (no background).
void PaintBitmapText(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font);

// A deep copy in the screen's usual format, ready to paint.
QImage BitmapToImage(const TVorbBitmap& bitmap);

}  // namespace zemra
