// Pixel storage and Bresenham lines for TVorbBitmap.
#include "engine/bitmap.h"

#include <algorithm>
#include <cstdlib>

namespace zemra {

TVorbBitmap::TVorbBitmap() { SetFont(20, true, false, kPixelBlack); }

void TVorbBitmap::SetSize(int width, int height) { SetSizeAndFill(width, height, kPixelWhite); }

void TVorbBitmap::SetSizeAndFill(int width, int height, TPixel pixel) {
  width_ = width > 0 ? width : 0;
  height_ = height > 0 ? height : 0;
  BuildRowTable();
  Fill(pixel);
}

void TVorbBitmap::BuildRowTable() {
  stride_ = (width_ * 3 + 3) / 4 * 4;
  bits_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0);
  rows_.resize(static_cast<std::size_t>(height_));
  for (int y = 0; y < height_; ++y) {
    rows_[static_cast<std::size_t>(y)] =
        reinterpret_cast<TPixel*>(bits_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_));
  }
}

void TVorbBitmap::Fill(TPixel pixel) {
  // Black and white are one byte repeated: one fill of all the bytes (a
  // memset) for the whole picture (the title fills black twenty times a second).
  if (pixel.blue == pixel.green && pixel.green == pixel.red) {
    std::fill(bits_.begin(), bits_.end(), pixel.blue);
    return;
  }
  for (int y = 0; y < height_; ++y) {
    TPixel* row = Row(y);
    for (int x = 0; x < width_; ++x) row[x] = pixel;
  }
}

void TVorbBitmap::MoveTo(int x, int y) {
  pen_x_ = x;
  pen_y_ = y;
}

void TVorbBitmap::Plot(int x, int y) {
  if (x >= 0 && x < width_ && y >= 0 && y < height_) Row(y)[x] = pen_;
}

void TVorbBitmap::LineTo(int x, int y) {
  // Bresenham; a line that stays inside the picture is plotted without a
  // bounds check per pixel (the title draws some 17,000 pixels a frame).
  const bool inside = std::min(pen_x_, x) >= 0 && std::max(pen_x_, x) < width_ && std::min(pen_y_, y) >= 0 &&
                      std::max(pen_y_, y) < height_;
  int cx = pen_x_;
  int cy = pen_y_;
  const int dx = std::abs(x - cx);
  const int dy = -std::abs(y - cy);
  const int sx = cx < x ? 1 : -1;
  const int sy = cy < y ? 1 : -1;
  int err = dx + dy;
  while (cx != x || cy != y) {
    if (inside) {
      rows_[static_cast<std::size_t>(cy)][cx] = pen_;
    } else {
      Plot(cx, cy);
    }
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      cx += sx;
    }
    if (e2 <= dx) {
      err += dx;
      cy += sy;
    }
  }
  MoveTo(x, y);
}

void TVorbBitmap::SetFont(int height, bool bold, bool italic, TPixel colour) {
  font_ = BitmapFont{height, bold, italic, colour};
}

void TVorbBitmap::DrawText(int x, int y, std::string_view text) {
  if (painter_ != nullptr) painter_->DrawText(*this, x, y, text, font_);
}

}  // namespace zemra
