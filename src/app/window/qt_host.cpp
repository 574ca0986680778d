// Each Host call finds its widget through the window's control table; the
// kind of widget decides what "text" or "colour" means for it.
#include "app/window/qt_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <array>
#include <chrono>
#include <utility>

#include "app/window/bitmap_painter.h"
#include "app/window/game_pump.h"
#include "app/window/main_window.h"
#include "app/window/panel_widgets.h"
#include "app/window/picture_box.h"
#include "app/window/qt_convert.h"
#include "app/window/sound_output.h"
#include "engine/translate.h"
#include "game/game.h"

namespace zemra {
namespace {

// The standard buttons speak the game's language whatever the system's, as
// the rest of the window does.
constexpr std::array<std::pair<QMessageBox::StandardButton, const char*>, 3> kButtonCaptions{{
    {QMessageBox::Yes, N_("はい")}, {QMessageBox::No, N_("いいえ")}, {QMessageBox::Ok, "OK"}}};

// How long a box stays up during a replay before it closes itself.
constexpr int kReplayBoxMs = 1200;

bool ShowBox(QWidget* parent, std::string_view text, QMessageBox::StandardButtons buttons, bool closes_itself = false) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), ToQt(text), buttons, parent);
  box.setFont(parent->font());
  for (const auto& [which, caption] : kButtonCaptions) {
    if (QAbstractButton* button = box.button(which)) button->setText(QtTr(caption));
  }
  if (closes_itself) QTimer::singleShot(kReplayBoxMs, &box, [&box] { box.done(QMessageBox::Ok); });
  return box.exec() == QMessageBox::Yes;
}

}  // namespace

QtHost::QtHost(TFormMain& window, QtSoundOutput& sound, GamePump& pump) : window_(window), sound_(sound), pump_(pump) {}

void QtHost::SetVisible(Control control, bool visible) {
  if (QWidget* widget = window_.ControlWidget(control)) widget->setVisible(visible);
}

void QtHost::SetText(Control control, std::string_view text) {
  QWidget* widget = window_.ControlWidget(control);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQt(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToQt(text));
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(ToQt(text));
  }
}

void QtHost::SetColor(Control control, Rgb colour) {
  QWidget* widget = window_.ControlWidget(control);
  if (widget == nullptr) return;
  if (auto* panel = dynamic_cast<BevelPanel*>(widget)) {
    panel->SetBackground(ToQColor(colour));
    return;
  }
  QPalette palette = widget->palette();
  if (palette.color(QPalette::Window) == ToQColor(colour) && widget->autoFillBackground()) return;
  palette.setColor(QPalette::Window, ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void QtHost::SetFontColor(Control control, Rgb colour) {
  QWidget* widget = window_.ControlWidget(control);
  if (widget == nullptr) return;
  QPalette palette = widget->palette();
  if (palette.color(QPalette::WindowText) == ToQColor(colour)) return;
  palette.setColor(QPalette::WindowText, ToQColor(colour));
  widget->setPalette(palette);
}

bool QtHost::LoadPicture(std::string_view file) {
  auto* image = dynamic_cast<PictureBox*>(window_.ControlWidget(Control::ImgMainImage));
  if (image == nullptr) return false;
  if (unreadable_pictures_.contains(file)) {
    image->ClearPicture();
    return false;
  }
  const QString path = QFileInfo(QString::fromStdString(window_.ContentLocations().Content(file).string())).absoluteFilePath();
  QImage picture;
  if (!picture.load(path)) {
    unreadable_pictures_.emplace(file);
    image->ClearPicture();
    return false;
  }
  image->SetPicture(std::move(picture));
  return true;
}

void QtHost::DrawBitmap(Control target, const TVorbBitmap& bitmap) {
  if (target != Control::PntTitle && target != Control::ImgInputName) return;
  if (auto* box = dynamic_cast<PictureBox*>(window_.ControlWidget(target))) box->ShowBitmap(bitmap);
}

void QtHost::TitleFrameChanged(const FrameOnDemand& frame) { DrawBitmap(Control::PntTitle, frame.Pixels()); }

void QtHost::FocusNameEdit() {
  if (QWidget* edit = window_.ControlWidget(Control::EditInputName)) edit->setFocus(Qt::OtherFocusReason);
}

void QtHost::ShowMessage(std::string_view text) {
  const ModalScope modal(pump_);
  ShowBox(&window_, text, QMessageBox::Ok, replaying_);
  RefocusNameEdit();
}

void QtHost::ShowQuestion(std::string_view text) {
  if (!replaying_) {
    pump_.Apply(Input::Answer(Confirm(text)));
    return;
  }
  // The recorded answer was applied before the input that asks.
  {
    const ModalScope modal(pump_);
    ShowBox(&window_, text, QMessageBox::Yes | QMessageBox::No, true);
  }
  RefocusNameEdit();
}

bool QtHost::Confirm(std::string_view text) {
  bool yes = false;
  {
    const ModalScope modal(pump_);
    yes = ShowBox(&window_, text, QMessageBox::Yes | QMessageBox::No);
  }
  RefocusNameEdit();
  return yes;
}

void QtHost::RefocusNameEdit() {
  // After a box on the name page the player goes on typing the name.
  const QWidget* page = window_.ControlWidget(Control::PageInputName);
  if (page == nullptr || !page->isVisible()) return;
  window_.activateWindow();
  FocusNameEdit();
}

void QtHost::Beep() { QApplication::beep(); }

void QtHost::Terminate() { pump_.RequestQuit(); }

void QtHost::PlaySound(std::string_view file, bool loop) { sound_.PlaySound(file, loop); }

void QtHost::StopSound() { sound_.StopSound(); }

void QtHost::DrawText(TVorbBitmap& bitmap, int x, int y, std::string_view text, const BitmapFont& font) {
  text_painter_.Paint(bitmap, x, y, text, font);
}

}  // namespace zemra
