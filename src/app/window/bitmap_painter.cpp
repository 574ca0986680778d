// The bitmap's rows are 24-bit blue-green-red with a 4-byte stride, which is
// exactly QImage::Format_BGR888: QPainter draws into the core's memory directly.
#include "app/window/bitmap_painter.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cstring>

#include "app/window/qt_convert.h"

namespace zemra {
namespace {

QImage WrapBits(TVorbBitmap& bitmap) {
  return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_BGR888);
}

// Pixels of 3 bytes (blue, green, red) to 0xAARRGGBB. Four at a time from
// three 32-bit reads: a byte-by-byte loop makes the copy of a title frame
// cost as much as drawing it.
void ConvertRow(const std::uint8_t* from, QRgb* to, int n) {
  constexpr std::uint32_t kOpaque = 0xFF000000u;
  int x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; x + 4 <= n; x += 4, from += 12) {
      std::uint32_t a = 0;
      std::uint32_t b = 0;
      std::uint32_t c = 0;
      std::memcpy(&a, from, 4);      // b0 g0 r0 b1
      std::memcpy(&b, from + 4, 4);  // g1 r1 b2 g2
      std::memcpy(&c, from + 8, 4);  // r2 b3 g3 r3
      to[x] = kOpaque | (a & 0xFFFFFFu);
      to[x + 1] = kOpaque | (a >> 24) | ((b & 0xFFFFu) << 8);
      to[x + 2] = kOpaque | (b >> 16) | ((c & 0xFFu) << 16);
      to[x + 3] = kOpaque | (c >> 8);
    }
  }
  for (; x < n; ++x, from += 3) to[x] = kOpaque | from[2] << 16 | from[1] << 8 | from[0];
}

}  // namespace

void BitmapTextPainter::Paint(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0 || text.empty()) return;
  const bool same = text_ == text && height_ == font.height && bold_ == font.bold && italic_ == font.italic;
  if (!same) {
    text_ = text;
    height_ = font.height;
    bold_ = font.bold;
    italic_ = font.italic;
    face_ = GameFont(font.height, font.bold, font.italic);
    glyphs_ = QStaticText(ToQt(text));
    glyphs_.setTextFormat(Qt::PlainText);
    glyphs_.prepare(QTransform(), face_);
  }
  // The same wrapper while the bitmap keeps its memory: Qt keeps a paint
  // engine per image, and making one for every text costs more than the text.
  if (canvas_.constBits() != bitmap.Bits() || canvas_.width() != bitmap.Width() || canvas_.height() != bitmap.Height()) {
    canvas_ = WrapBits(bitmap);
  }
  QPainter painter(&canvas_);
  painter.setFont(face_);
  painter.setPen(ToQColor(font.colour));
  painter.drawStaticText(x, y, glyphs_);
}

QImage BitmapToImage(const TVorbBitmap& bitmap) {
  QImage image;
  std::vector<std::uint8_t> shown;
  UpdateBitmapCopy(bitmap, shown, image);
  return image;
}

bool UpdateBitmapCopy(const TVorbBitmap& bitmap, std::vector<std::uint8_t>& shown, QImage& image) {
  // The title shows twenty whole frames a second, yet from one frame to the
  // next only its lines and its fading title move. Comparing strips of rows
  // with the last frame's bytes costs far less than converting every pixel
  // (QImage::convertToFormat would also allocate a new image each time).
  constexpr int kStrip = 100;  // pixels: few enough strips that comparing them costs little per call
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  if (width <= 0 || height <= 0) {
    const bool had = !image.isNull();
    image = QImage();
    shown.clear();
    return had;
  }
  const std::size_t stride = static_cast<std::size_t>(bitmap.Stride());
  const std::size_t bytes = stride * static_cast<std::size_t>(height);
  const bool whole = image.size() != QSize(width, height) || image.format() != QImage::Format_RGB32 ||
                     shown.size() != bytes;
  if (whole) {
    image = QImage(width, height, QImage::Format_RGB32);
    shown.assign(bytes, 0);
  }
  bool changed = whole;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* now = bitmap.Bits() + stride * static_cast<std::size_t>(y);
    std::uint8_t* before = shown.data() + stride * static_cast<std::size_t>(y);
    for (int x0 = 0; x0 < width; x0 += kStrip) {
      const int n = std::min(kStrip, width - x0);
      const std::size_t at = 3 * static_cast<std::size_t>(x0);
      const std::size_t length = 3 * static_cast<std::size_t>(n);
      if (!whole && std::memcmp(now + at, before + at, length) == 0) continue;
      std::memcpy(before + at, now + at, length);
      ConvertRow(now + at, reinterpret_cast<QRgb*>(image.scanLine(y)) + x0, n);
      changed = true;
    }
  }
  return changed;
}

}  // namespace zemra
