// Painting of the bevelled panels and card frames; the overlay's mouse report.
#include "app/window/panel_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "app/window/qt_convert.h"
#include "runtime/screen_look.h"

namespace zemra {
namespace {

// One bevel ring: `top_left` on the top and left edges, `bottom_right` on the others.
void DrawBevel(QPainter& painter, QRect rect, const QColor& top_left, const QColor& bottom_right) {
  painter.setPen(top_left);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(bottom_right);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent, QColor background) : QWidget(parent), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::SetBackground(QColor background) {
  if (background == background_) return;
  background_ = background;
  update();
}

void BevelPanel::SetScale(int factor) {
  if (factor == scale_) return;
  scale_ = factor;
  update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect();
  painter.fillRect(outer, background_);
  const BevelLook& bevel = PanelBevelLook();
  const QColor light = ToQColor(bevel.light);
  const QColor shadow = ToQColor(bevel.shadow);
  const int width = bevel.ring * scale_;
  for (int ring = 0; ring < width; ++ring) DrawBevel(painter, outer.adjusted(ring, ring, -ring, -ring), light, shadow);
  for (int ring = width; ring < 2 * width; ++ring) {
    DrawBevel(painter, outer.adjusted(ring, ring, -ring, -ring), shadow, light);
  }
}

PanelOverlay::PanelOverlay(QWidget* panel, std::function<void()> on_mouse_move)
    : QWidget(panel), on_mouse_move_(std::move(on_mouse_move)) {
  setMouseTracking(true);
  setGeometry(panel->rect());
}

void PanelOverlay::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (on_mouse_move_) on_mouse_move_();
}

CardShape::CardShape(QWidget* parent) : QWidget(parent) {}

void CardShape::SetScale(int factor) {
  if (factor == scale_) return;
  scale_ = factor;
  update();
}

void CardShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const FrameLook& frame = CardFrameLook();
  QPen pen(ToQColor(frame.pen));
  const int pen_width = frame.pen_width * scale_;
  pen.setWidth(pen_width);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(ToQColor(frame.fill));
  // The pen straddles the path: inset by half its width so all of it lies inside.
  const qreal half = pen_width / 2.0;
  painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace zemra
