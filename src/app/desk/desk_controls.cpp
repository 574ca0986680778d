// Boxes and menus opened here hold the scheduler as the game's own boxes do,
// and re-arm it once they close. A fresh run stops the core and starts it
// again in the same window, as a start with --new-run would.
#include "app/desk/desk_controls.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <array>
#include <chrono>

#include "app/desk/accessibility.h"
#include "app/window/game_pump.h"
#include "app/desk/key_help.h"
#include "app/window/main_window.h"
#include "app/window/qt_convert.h"
#include "app/window/qt_host.h"
#include "app/window/sound_output.h"
#include "app/desk/sword_focus.h"
#include "app/window/sword_row_label.h"
#include "app/desk/zoom.h"
#include "runtime/console.h"
#include "game/game.h"

namespace zemra {
namespace {

constexpr char kNewRunQuestion[] = N_("新しい旅を始めますか？\n今の旅のsave.datはsave.dat.bakとして残ります。");

std::array<SwordRowLabel*, kSwordLabelCount> SwordLabels(const TFormMain& window) {
  std::array<SwordRowLabel*, kSwordLabelCount> labels{};
  for (int i = 0; i < kSwordLabelCount; ++i) {
    labels[static_cast<std::size_t>(i)] = dynamic_cast<SwordRowLabel*>(window.ControlWidget(SwordLabel(i)));
  }
  return labels;
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

DeskControls::DeskControls(TFormMain& window, QtSoundOutput& sound, GamePump& pump)
    : window_(window),
      sound_(sound),
      pump_(pump),
      focus_(std::make_unique<SwordFocus>(SwordLabels(window), window.ControlWidget(Control::PanelMainSwordInfo),
                                          pump)) {
  // A command keeps no focus: Space after a click would press whatever command stands there next.
  for (int i = 0; i < kConsoleCommands; ++i) window.ControlWidget(CommandButton(i))->setFocusPolicy(Qt::NoFocus);
  NameFixedControls(window);
  pump.SetAfterEvent([this] { AfterGameEvent(); });
}

DeskControls::~DeskControls() { pump_.SetAfterEvent(nullptr); }

void DeskControls::UseSettingsFile(const QString& path) {
  // Applied before the path is known, so reading the file never writes it.
  const DeskSettings loaded = LoadDeskSettings(path);
  SetMuted(loaded.muted);
  SetVolume(loaded.volume_percent);
  SetZoom(loaded.zoom);
  settings_.language = loaded.language;
  settings_path_ = path;
}

void DeskControls::Store() {
  // A file that cannot be written keeps nothing; the values live on until the program ends.
  if (settings_path_) SaveDeskSettings(*settings_path_, settings_);
}

void DeskControls::AfterGameEvent() {
  focus_->Sync();
  RefreshAccessibleTexts(window_);
}

void DeskControls::SetMuted(bool muted) {
  settings_.muted = muted;
  sound_.SetMuted(muted);
  Store();
}

void DeskControls::SetVolume(int percent) {
  settings_.volume_percent = std::clamp(percent / kVolumeStepPercent * kVolumeStepPercent, 0, 100);
  sound_.SetVolume(settings_.volume_percent / 100.0);
  Store();
}

int DeskControls::MaxZoom() const {
  const QScreen* screen = window_.screen();
  if (screen == nullptr) return 1;
  const QSize margins = window_.frameGeometry().size() - window_.geometry().size();
  return LargestFittingZoom(QSize(kClientWidth, kClientHeight), margins, screen->availableGeometry().size(), kMaxZoom);
}

int DeskControls::SetZoom(int factor) {
  settings_.zoom = std::clamp(factor, 1, kMaxZoom);
  shown_zoom_ = std::min(settings_.zoom, MaxZoom());
  ApplyZoom(&window_, shown_zoom_);
  window_.CentreOnScreen();
  Store();
  return shown_zoom_;
}

bool DeskControls::HandleZoomKey(const QKeyEvent* key) {
  if (!key->modifiers().testFlag(Qt::ControlModifier)) return false;
  // Keys step from what the player sees.
  const int current = shown_zoom_;
  switch (key->key()) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      SetZoom(current + 1);
      return true;
    case Qt::Key_Minus:
      SetZoom(current - 1);
      return true;
    case Qt::Key_0:
      SetZoom(1);
      return true;
    default:
      return false;
  }
}

bool DeskControls::HandleKey(const QObject* receiver, const QKeyEvent* key) {
  const int code = key->key();
  const bool repeat = key->isAutoRepeat();
  if (code == Qt::Key_F1) {
    if (!repeat) ShowKeyHelp();
    return true;
  }
  if (HandleZoomKey(key)) return true;
  // In the name field every letter belongs to the name.
  const bool typing = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
  if (code == Qt::Key_M && !typing && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (!repeat) SetMuted(!settings_.muted);
    return true;
  }
  // Enter in the name field presses "刻む", with the same checks and boxes. The
  // key is taken here: the field would pass it on to the window, which by the
  // time the boxes close shows the status offer, and it would answer that too.
  if (IsEnter(code) && receiver == window_.ControlWidget(Control::EditInputName)) {
    if (!repeat) qobject_cast<QPushButton*>(window_.ControlWidget(Control::BtnInputName))->click();
    return true;
  }
  if (window_.ControlWidget(Control::PageTitle)->isVisible() && (IsEnter(code) || code == Qt::Key_Space)) {
    if (!repeat) pump_.Apply(Input::TitleClick());
    return true;
  }
  if (window_.ControlWidget(Control::PageMain)->isVisible()) return focus_->HandleKey(code, repeat);
  return false;
}

void DeskControls::ShowKeyHelp() {
  window_.Host().ShowMessage(FromQt(KeyHelpText()));
  pump_.Rearm();
}

void DeskControls::AskForNewRun() {
  if (!GameStarted() || pump_.Quitting()) return;
  // The window's own question: its answer is not the game's, so it is no input.
  if (window_.Host().Confirm(Tr(kNewRunQuestion))) {
    StopGame();
    qobject_cast<QLineEdit*>(window_.ControlWidget(Control::EditInputName))->clear();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    window_.BeginGame(static_cast<std::uint64_t>(now.count()), true);
    AfterGameEvent();
  }
  pump_.Rearm();
}

std::unique_ptr<QMenu> DeskControls::BuildContextMenu() {
  auto menu = std::make_unique<QMenu>();
  menu->setFont(window_.font());

  QAction* mute = menu->addAction(QtTr("音を消す"));
  mute->setCheckable(true);
  mute->setChecked(settings_.muted);
  connect(mute, &QAction::toggled, this, [this](bool checked) { SetMuted(checked); });

  QMenu* volume = menu->addMenu(QtTr("音量"));
  auto* volumes = new QActionGroup(volume);
  for (int percent = 0; percent <= 100; percent += kVolumeStepPercent) {
    QAction* action = volume->addAction(QtTr("%1％").arg(percent));
    action->setCheckable(true);
    action->setChecked(percent == settings_.volume_percent);
    volumes->addAction(action);
    connect(action, &QAction::triggered, this, [this, percent] { SetVolume(percent); });
  }

  QMenu* zoom = menu->addMenu(QtTr("表示倍率"));
  auto* zooms = new QActionGroup(zoom);
  const int largest = MaxZoom();
  for (int factor = 1; factor <= kMaxZoom; ++factor) {
    QAction* action = zoom->addAction(QStringLiteral("%1x").arg(factor));
    action->setCheckable(true);
    action->setChecked(factor == shown_zoom_);
    action->setEnabled(factor <= largest);
    zooms->addAction(action);
    connect(action, &QAction::triggered, this, [this, factor] { SetZoom(factor); });
  }

  // The language is the sitting's, as its recording says; a new one takes effect at the next start.
  QMenu* language = menu->addMenu(QStringLiteral("言語 / Language"));
  auto* languages = new QActionGroup(language);
  for (const Language choice : Languages()) {
    QAction* action = language->addAction(QString::fromUtf8(LanguageName(choice)));
    action->setCheckable(true);
    action->setChecked(choice == CurrentLanguage());
    languages->addAction(action);
    connect(action, &QAction::triggered, this, [this, choice] { ChooseLanguage(choice); });
  }

  connect(menu->addAction(QtTr("キー操作")), &QAction::triggered, this, [this] { ShowKeyHelp(); });
  connect(menu->addAction(QtTr("新しい旅を始める")), &QAction::triggered, this, [this] { AskForNewRun(); });
  return menu;
}

void DeskControls::ChooseLanguage(Language language) {
  settings_.language = QString::fromUtf8(LanguageCode(language));
  Store();
  if (language == CurrentLanguage()) return;
  // Told in the language chosen, which the player reads.
  window_.Host().ShowMessage(TrIn(language, "言語は次にゲームを起動したときに切り替わります。"));
}

void DeskControls::OpenContextMenu(const QPoint& global) {
  const std::unique_ptr<QMenu> menu = BuildContextMenu();
  {
    const ModalScope modal(pump_);
    menu->exec(global);
  }
  pump_.Rearm();
}

}  // namespace zemra
