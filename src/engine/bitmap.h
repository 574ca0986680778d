// TVorbBitmap: an off-screen 24-bit picture with rows addressed directly, and
// the few drawing operations the title and name pages need. Pixels and lines
// are drawn here; text goes through a TextPainter that a front end supplies,
// since only a toolkit can lay out Japanese glyphs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zemra {

// One pixel in the platform's 24-bit order: blue, green, red.
struct TPixel {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  friend bool operator==(const TPixel&, const TPixel&) = default;
};
static_assert(sizeof(TPixel) == 3);

inline constexpr TPixel kPixelBlack{0, 0, 0};
inline constexpr TPixel kPixelWhite{255, 255, 255};

inline constexpr TPixel PixelRgb(int r, int g, int b) {
  return TPixel{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r)};
}

struct BitmapFont {
  int height = 20;  // cell height in pixels
  bool bold = true;
  bool italic = false;
  TPixel colour = kPixelBlack;
};

class TVorbBitmap;

// Draws text onto a bitmap; implemented by the front end's toolkit.
class TextPainter {
 public:
  virtual ~TextPainter() = default;
  virtual void DrawText(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font) = 0;
};

class TVorbBitmap {
 public:
  TVorbBitmap();

  void SetSize(int width, int height);
  void SetSizeAndFill(int width, int height, TPixel pixel);
  void Fill(TPixel pixel);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes per row: three per pixel, padded to a multiple of four like a device-independent bitmap.
  int Stride() const { return stride_; }
  const std::uint8_t* Bits() const { return bits_.data(); }
  std::uint8_t* Bits() { return bits_.data(); }

  // The pixel table: entry y addresses the first pixel of row y (0 = top).
  TPixel* Row(int y) { return rows_[static_cast<std::size_t>(y)]; }
  const TPixel* Row(int y) const { return rows_[static_cast<std::size_t>(y)]; }
  std::size_t RowCount() const { return rows_.size(); }
  TPixel PixelAt(int x, int y) const { return Row(y)[x]; }

  void SetPen(TPixel colour) { pen_ = colour; }
  void MoveTo(int x, int y);
  // Draws from the pen position to (x, y), leaving the end point undrawn as the platform canvas does.
  void LineTo(int x, int y);

  void SetFont(int height, bool bold, bool italic, TPixel colour);
  const BitmapFont& Font() const { return font_; }
  void SetTextPainter(TextPainter* painter) { painter_ = painter; }
  // Transparent background: only the glyphs are drawn. Without a painter nothing is drawn.
  void DrawText(int x, int y, std::string_view text);

 private:
  void BuildRowTable();
  void Plot(int x, int y);

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<std::uint8_t> bits_;
  std::vector<TPixel*> rows_;
  TPixel pen_ = kPixelBlack;
  int pen_x_ = 0;
  int pen_y_ = 0;
  BitmapFont font_;
  TextPainter* painter_ = nullptr;
};

}  // namespace zemra
