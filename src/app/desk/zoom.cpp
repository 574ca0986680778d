// The built geometry and font size of each widget are kept as properties the
// first time it is scaled, so every factor starts from the same layout and
// no rounding builds up from one step to the next.
#include "app/desk/zoom.h"

#include <QVariant>
#include <QWidget>

#include "app/window/panel_widgets.h"
#include "app/window/picture_box.h"

namespace zemra {
namespace {

constexpr char kBaseRect[] = "zemraBaseRect";
constexpr char kBasePixels[] = "zemraBasePixels";

QRect Scaled(const QRect& rect, int factor) {
  return QRect(rect.x() * factor, rect.y() * factor, rect.width() * factor, rect.height() * factor);
}

void RecordBuiltLayout(QWidget* widget) {
  if (widget->property(kBasePixels).isValid()) return;
  widget->setProperty(kBasePixels, widget->font().pixelSize());
  widget->setProperty(kBaseRect, widget->geometry());
}

void ScaleFont(QWidget* widget, int factor) {
  const int base = widget->property(kBasePixels).toInt();
  if (base <= 0) return;
  QFont font = widget->font();
  font.setPixelSize(base * factor);
  widget->setFont(font);
}

void ScaleDrawing(QWidget* widget, int factor) {
  if (auto* picture = dynamic_cast<PictureBox*>(widget)) picture->SetScale(factor);
  if (auto* panel = dynamic_cast<BevelPanel*>(widget)) panel->SetScale(factor);
  if (auto* card = dynamic_cast<CardShape*>(widget)) card->SetScale(factor);
}

}  // namespace

void ApplyZoom(QWidget* window, int factor) {
  // Boxes and menus are windows of their own, sized by their contents.
  QList<QWidget*> children = window->findChildren<QWidget*>();
  children.removeIf([window](const QWidget* child) { return child->window() != window; });
  // All of it first: a font set on the window would otherwise pass into the children's records.
  RecordBuiltLayout(window);
  for (QWidget* child : children) RecordBuiltLayout(child);
  window->setFixedSize(window->property(kBaseRect).toRect().size() * factor);
  ScaleFont(window, factor);
  for (QWidget* child : children) {
    child->setGeometry(Scaled(child->property(kBaseRect).toRect(), factor));
    ScaleFont(child, factor);
    ScaleDrawing(child, factor);
  }
}

int LargestFittingZoom(QSize client, QSize margins, QSize available, int limit) {
  int factor = 1;
  while (factor < limit) {
    const QSize next = client * (factor + 1) + margins;
    if (next.width() > available.width() || next.height() > available.height()) break;
    ++factor;
  }
  return factor;
}

}  // namespace zemra
