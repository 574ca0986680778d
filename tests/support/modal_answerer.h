// Answers the application's modal message boxes without a person: used by
// the window tests and the benchmark to walk through the name page. It
// watches for the active modal box while it lives and presses a button.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace zemra {

class ModalAnswerer : public QObject {
 public:
  // `choose` picks the button for a box from its text.
  using Chooser = std::function<QMessageBox::StandardButton(const QString& text)>;
  explicit ModalAnswerer(Chooser choose);

  // Yes to questions, OK to notices.
  static QMessageBox::StandardButton Agree(const QString& text);

  // Texts of the boxes answered so far, in order.
  const QStringList& Seen() const { return seen_; }

 private:
  void Look();

  Chooser choose_;
  QTimer timer_;
  QStringList seen_;
};

}  // namespace zemra
