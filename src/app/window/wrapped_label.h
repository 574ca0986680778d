// A word-wrapped label whose lines follow each other at the font's pixel
// size, as the game's text blocks were laid out: five lines of 16 px fill
// the 90-pixel console and six fill the name page's 100-pixel lead text.
#pragma once

#include <QLabel>

namespace zemra {

class WrappedLabel : public QLabel {
 public:
  explicit WrappedLabel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zemra
