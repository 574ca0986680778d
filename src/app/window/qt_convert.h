// Conversions between the core's plain values (UTF-8 text with "\r\n" line
// breaks, RGB triples, pixel sizes) and Qt's strings, colours and fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "engine/bitmap.h"
#include "host/controls.h"
#include "runtime/screen_look.h"

namespace zemra {

// The stand-in for "ＭＳ Ｐゴシック": a proportional gothic face with Japanese glyphs.
inline constexpr char kGameFontFamily[] = "IPAPGothic";

// Core text to Qt: "\r\n" becomes "\n".
QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

// A text of the window's own in the current language (see engine/translate.h).
QString QtTr(std::string_view japanese);

QColor ToQColor(Rgb colour);
QColor ToQColor(TPixel pixel);

// The game's face at a pixel size.
QFont GameFont(int pixel_size, bool bold = false, bool italic = false);
// A control's face, place and alignment as the screen's look gives them.
QFont GameFont(const ControlLook& look);
QRect ToQRect(const Box& box);
Qt::Alignment ToQtAlignment(TextAlign align);

}  // namespace zemra
