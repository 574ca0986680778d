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
#include "app/window/main_window.h"
#include "app/window/qt_convert.h"
#include "app/window/qt_host.h"
#include "app/window/sound_output.h"
#include "app/desk/sword_focus.h"
#include "app/window/sword_row_label.h"
#include "app/desk/zoom.h"
#include "desk/desk_keys.h"
#include "desk/key_help.h"
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

// The key as the desk's rule names it.
KeyPress DeskKeyPress(const QObject* receiver, const QKeyEvent* event) {
  KeyPress press;
  press.repeat = event->isAutoRepeat();
  press.modified = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  // In the name field every letter belongs to the name.
  press.typing = qobject_cast<const QLineEdit*>(receiver) != nullptr ||
                 qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
  const int key = event->key();
  if (key >= Qt::Key_1 && key <= Qt::Key_9) {
    press.key = DeskKey::Digit;
    press.digit = key - Qt::Key_0;
    return press;
  }
  switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: press.key = DeskKey::Enter; break;
    case Qt::Key_Space: press.key = DeskKey::Space; break;
    case Qt::Key_Escape: press.key = DeskKey::Escape; break;
    case Qt::Key_Up: press.key = DeskKey::Up; break;
    case Qt::Key_Down: press.key = DeskKey::Down; break;
    case Qt::Key_Left: press.key = DeskKey::Left; break;
    case Qt::Key_Right: press.key = DeskKey::Right; break;
    case Qt::Key_Tab: press.key = DeskKey::Tab; break;
    case Qt::Key_Backtab: press.key = DeskKey::BackTab; break;
    case Qt::Key_F1: press.key = DeskKey::F1; break;
    case Qt::Key_M: press.key = DeskKey::M; break;
    default: break;
  }
  return press;
}

}  // namespace

DeskControls::DeskControls(TFormMain& window, QtSoundOutput& sound, GamePump& pump)
    : window_(window),
      sound_(sound),
      pump_(pump),
      focus_(std::make_unique<SwordFocus>(SwordLabels(window))) {
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

DeskScreen DeskControls::Screen() const {
  DeskScreen screen;
  const auto shown = [this](Control control) {
    const QWidget* widget = window_.ControlWidget(control);
    return widget != nullptr && widget->isVisible();
  };
  if (shown(Control::PageTitle)) screen.page = DeskPage::Title;
  if (shown(Control::PageInputName)) screen.page = DeskPage::Name;
  if (shown(Control::PageMain)) screen.page = DeskPage::Main;
  // Swords fill the row from label 0, so "holds a sword" is simply "shows a text".
  for (int i = 0; i < kSwordLabelCount; ++i) {
    const QWidget* label = window_.ControlWidget(SwordLabel(i));
    screen.holds[static_cast<std::size_t>(i)] =
        label->isVisible() && !static_cast<const SwordRowLabel*>(label)->text().isEmpty();
  }
  screen.info_shown = shown(Control::PanelMainSwordInfo);
  for (int i = 0; i < kConsoleCommands; ++i) {
    const QWidget* button = window_.ControlWidget(CommandButton(i));
    screen.commands_shown[static_cast<std::size_t>(i)] = button->isVisible() && button->isEnabled();
  }
  return screen;
}

void DeskControls::AfterGameEvent() {
  focus_->Show(KeptSwordFocus(Screen(), focus_->Focused()));
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
  if (HandleZoomKey(key)) return true;
  const DeskAnswer answer = AnswerKey(DeskKeyPress(receiver, key), Screen(), focus_->Focused());
  focus_->Show(answer.focus);
  for (const Input& input : answer.inputs) pump_.Apply(input);
  switch (answer.action) {
    case DeskAction::KeyHelp:
      ShowKeyHelp();
      break;
    case DeskAction::ToggleMute:
      SetMuted(!settings_.muted);
      break;
    // Enter in the name field presses "刻む", with the same checks and boxes. The
    // key is taken here: the field would pass it on to the window, which by the
    // time the boxes close shows the status offer, and it would answer that too.
    case DeskAction::SubmitName:
      qobject_cast<QPushButton*>(window_.ControlWidget(Control::BtnInputName))->click();
      break;
    case DeskAction::PressCommand:
      qobject_cast<QAbstractButton*>(window_.ControlWidget(CommandButton(answer.command)))->click();
      break;
    case DeskAction::None:
      break;
  }
  return answer.used;
}

void DeskControls::ShowKeyHelp() {
  window_.Host().ShowMessage(KeyHelpText(KeyHelpFor::Window));
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
