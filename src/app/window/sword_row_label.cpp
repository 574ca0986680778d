// A click is a left press and release on the label. The second press of a
// double click arrives as a double-click event and is a click of its own;
// the release that follows it is not.
#include "app/window/sword_row_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace zemra {

SwordRowLabel::SwordRowLabel(QWidget* parent, std::function<void()> on_click, std::function<void()> on_mouse_move)
    : QLabel(parent), on_click_(std::move(on_click)), on_mouse_move_(std::move(on_mouse_move)) {
  setMouseTracking(true);
}

void SwordRowLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

void SwordRowLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool was_pressed = pressed_;
  pressed_ = false;
  if (was_pressed && rect().contains(event->position().toPoint()) && on_click_) on_click_();
}

void SwordRowLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  pressed_ = false;
  if (on_click_) on_click_();
}

void SwordRowLabel::SetKeyFocus(bool focused) {
  if (focused == key_focus_) return;
  key_focus_ = focused;
  update();
}

void SwordRowLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!key_focus_) return;
  QPainter painter(this);
  QPen pen(palette().color(QPalette::WindowText));
  pen.setStyle(Qt::DotLine);
  pen.setWidth(std::max(1, height() / 25));
  painter.setPen(pen);
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void SwordRowLabel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (on_mouse_move_) on_mouse_move_();
}

}  // namespace zemra
