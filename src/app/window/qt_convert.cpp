// Text, colour and font conversions for the Qt front end.
#include "app/window/qt_convert.h"

#include "engine/translate.h"

namespace zemra {

QString ToQt(std::string_view text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

QString QtTr(std::string_view japanese) { return ToQt(Tr(japanese)); }

std::string FromQt(const QString& text) { return text.toStdString(); }

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QColor ToQColor(TPixel pixel) { return QColor(pixel.red, pixel.green, pixel.blue); }

QFont GameFont(int pixel_size, bool bold, bool italic) {
  QFont font(QString::fromLatin1(kGameFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QFont GameFont(const ControlLook& look) { return GameFont(look.px, look.bold, look.italic); }

QRect ToQRect(const Box& box) { return QRect(box.left, box.top, box.width, box.height); }

Qt::Alignment ToQtAlignment(TextAlign align) {
  switch (align) {
    case TextAlign::TopCentre:
      return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Centre:
      return Qt::AlignCenter;
    case TextAlign::TopLeft:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace zemra
