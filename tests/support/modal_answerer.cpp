// A short repeating timer finds the box: it fires inside the box's own
// event loop, which is the only loop running while the box is open.
#include "support/modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <utility>

namespace zemra {
namespace {

constexpr int kLookIntervalMs = 5;

}  // namespace

ModalAnswerer::ModalAnswerer(Chooser choose) : choose_(std::move(choose)) {
  connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
  timer_.start(kLookIntervalMs);
}

QMessageBox::StandardButton ModalAnswerer::Agree(const QString&) { return QMessageBox::Yes; }

void ModalAnswerer::Look() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  seen_ << box->text();
  QAbstractButton* button = box->button(choose_(box->text()));
  // A notice has no Yes: any answer closes it with its one button.
  if (button == nullptr) button = box->buttons().value(0);
  if (button != nullptr) button->click();
}

}  // namespace zemra
