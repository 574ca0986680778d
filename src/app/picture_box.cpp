// Unscaled picture painting and the click of a paint box (left button
// released over the box after being pressed on it).
#include "app/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace zemra {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void PictureBox::ClearPicture() {
  if (picture_.isNull()) return;
  picture_ = QImage();
  update();
}

void PictureBox::SetScale(int factor) {
  if (factor == scale_) return;
  scale_ = factor;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (scale_ == 1) {
    painter.drawImage(0, 0, picture_);
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), picture_.size() * scale_), picture_);
  }
  painter.end();
  if (on_painted_) on_painted_();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool was_pressed = pressed_;
  pressed_ = false;
  if (was_pressed && rect().contains(event->position().toPoint()) && on_click_) on_click_();
}

}  // namespace zemra
