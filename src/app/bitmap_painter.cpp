// The bitmap's rows are 24-bit blue-green-red with a 4-byte stride, which is
// exactly QImage::Format_BGR888: QPainter draws into the core's memory directly.
#include "app/bitmap_painter.h"

#include <QPainter>

#include "app/qt_convert.h"

namespace zemra {
namespace {

QImage WrapBits(TVorbBitmap& bitmap) {
  return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_BGR888);
}

QImage WrapBits(const TVorbBitmap& bitmap) {
  return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_BGR888);
}

}  // namespace

void PaintBitmapText(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0 || text.empty()) return;
  QImage image = WrapBits(bitmap);
  QPainter painter(&image);
  painter.setFont(GameFont(font.height, font.bold, font.italic));
  painter.setPen(ToQColor(font.colour));
  const QRect cell(x, y, bitmap.Width(), bitmap.Height());
  painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, ToQt(text));
}

QImage BitmapToImage(const TVorbBitmap& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return {};
  return WrapBits(bitmap).convertToFormat(QImage::Format_RGB32);
}

}  // namespace zemra
