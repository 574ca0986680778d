// One of the eight sword labels: an opaque label that reports clicks (a
// double click counts as a click) and every mouse move over it, and draws a
// dotted frame while the keyboard's focus rests on it.
#pragma once

#include <QLabel>
#include <functional>

namespace zemra {

class SwordRowLabel : public QLabel {
 public:
  SwordRowLabel(QWidget* parent, std::function<void()> on_click, std::function<void()> on_mouse_move);

  void SetKeyFocus(bool focused);
  bool KeyFocus() const { return key_focus_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void()> on_click_;
  std::function<void()> on_mouse_move_;
  bool pressed_ = false;
  bool key_focus_ = false;
};

}  // namespace zemra
