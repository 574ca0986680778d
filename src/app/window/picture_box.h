// A widget that shows one picture at its own size from the top-left corner:
// the title animation's paint box, the name page's background and the main
// page's picture. It can report a left click and each paint of a picture.
// In a larger window the picture is drawn that many times larger, smoothly.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "engine/bitmap.h"

namespace zemra {

class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent);

  void SetPicture(QImage picture);
  // Shows a copy of the bitmap, brought up to date from the last one shown
  // and repainted only where it changed.
  void ShowBitmap(const TVorbBitmap& bitmap);
  void ClearPicture();
  const QImage& Picture() const { return picture_; }
  void SetScale(int factor);

  void SetOnClick(std::function<void()> on_click) { on_click_ = std::move(on_click); }
  // Called after a paint that showed a picture (the benchmark's first frame).
  void SetOnPainted(std::function<void()> on_painted) { on_painted_ = std::move(on_painted); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void UpdateOpacity();

  QImage picture_;
  std::vector<std::uint8_t> shown_bits_;  // the bitmap's bytes behind picture_, if it came from one
  std::function<void()> on_click_;
  std::function<void()> on_painted_;
  bool pressed_ = false;
  int scale_ = 1;
};

}  // namespace zemra
