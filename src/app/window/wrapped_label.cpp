// Each paragraph is broken into lines by QTextLayout (Japanese text breaks
// between characters), and the lines are stacked one pixel size apart.
#include "app/window/wrapped_label.h"

#include <QPainter>
#include <QTextLayout>

namespace zemra {

WrappedLabel::WrappedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
}

void WrappedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const int step = font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
  QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  qreal top = 0;
  for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, font());
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width());
      line.setPosition(QPointF(0, top));
      top += step;
    }
    layout.endLayout();
    layout.draw(&painter, QPointF(0, 0));
    if (top >= height()) break;
  }
}

}  // namespace zemra
