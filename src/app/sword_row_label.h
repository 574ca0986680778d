// One of the eight sword labels: an opaque label that reports clicks (a
// double click counts as a click) and every mouse move over it.
#pragma once

#include <QLabel>
#include <functional>

namespace zemra {

class SwordRowLabel : public QLabel {
 public:
  SwordRowLabel(QWidget* parent, std::function<void()> on_click, std::function<void()> on_mouse_move);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::function<void()> on_click_;
  std::function<void()> on_mouse_move_;
  bool pressed_ = false;
};

}  // namespace zemra
