// Unscaled picture painting and the click of a paint box (left button
// released over the box after being pressed on it).
#include "app/window/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/window/bitmap_painter.h"

namespace zemra {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  shown_bits_.clear();
  UpdateOpacity();
  update();
}

void PictureBox::ShowBitmap(const TVorbBitmap& bitmap) {
  // The whole box: the changes span it (the lines run across and down), and
  // Qt blits a whole image faster than through a clip of many rectangles.
  if (!UpdateBitmapCopy(bitmap, shown_bits_, picture_)) return;
  UpdateOpacity();
  update();
}

void PictureBox::ClearPicture() {
  if (picture_.isNull()) return;
  picture_ = QImage();
  shown_bits_.clear();
  UpdateOpacity();
  update();
}

void PictureBox::SetScale(int factor) {
  if (factor == scale_) return;
  scale_ = factor;
  update();
}

void PictureBox::UpdateOpacity() {
  // While an opaque picture covers the whole box, every pixel of it is
  // painted here and Qt need not paint the pages behind it first: on the
  // title page that is two fills of the window a frame saved.
  const bool covered = !picture_.isNull() && !picture_.hasAlphaChannel() && picture_.width() >= width() &&
                       picture_.height() >= height();
  setAttribute(Qt::WA_OpaquePaintEvent, covered);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  UpdateOpacity();
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
