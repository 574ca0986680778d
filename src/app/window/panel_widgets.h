// The furniture of the main page's panels: the bevelled panel itself, the
// transparent overlay that reports mouse moves over a panel's background,
// and the card frames of the fighter panels.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace zemra {

// A flat coloured panel with a raised outer and a lowered inner bevel, in the screen look's colours.
class BevelPanel : public QWidget {
 public:
  BevelPanel(QWidget* parent, QColor background);
  void SetBackground(QColor background);
  QColor Background() const { return background_; }
  // Bevel rings this many pixels wide, for a larger window.
  void SetScale(int factor);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  int scale_ = 1;
};

// Covers a whole panel above its labels and draws nothing; its one duty is to
// report the mouse moving over the panel outside the controls raised above it.
class PanelOverlay : public QWidget {
 public:
  PanelOverlay(QWidget* panel, std::function<void()> on_mouse_move);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::function<void()> on_mouse_move_;
};

// A card frame: a filled rectangle with a pen inside its edge, as the screen look draws it.
class CardShape : public QWidget {
 public:
  explicit CardShape(QWidget* parent);
  // A pen this many times wider, for a larger window.
  void SetScale(int factor);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int scale_ = 1;
};

}  // namespace zemra
