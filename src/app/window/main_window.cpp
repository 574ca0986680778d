// Construction of the window's pages and controls, the key filter (Alt/F10
// swallowed, command keys on the main page) and the deferred start of the game.
#include "app/window/main_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <optional>
#include <utility>

#include "app/desk/desk_controls.h"
#include "app/window/game_pump.h"
#include "app/window/panel_widgets.h"
#include "app/window/picture_box.h"
#include "app/window/qt_convert.h"
#include "app/window/qt_host.h"
#include "app/replay/replay_player.h"
#include "app/window/sound_output.h"
#include "app/window/sword_row_label.h"
#include "app/window/wrapped_label.h"
#include "data/fighter.h"
#include "game/game.h"
#include "record/recording_writer.h"
#include "runtime/console.h"

namespace zemra {
namespace {

constexpr int kDefaultFontPx = 12;
constexpr int kLabelFontPx = 16;
constexpr int kNameLimitChars = 16;
constexpr int kPanelWidth = 500;
constexpr int kBandHeight = 125;
constexpr int kConsoleTop = 250;
constexpr int kConsoleHeight = 150;
constexpr int kUnpaintedStartMs = 500;

const QColor kSilver(192, 192, 192);
const QColor kSkyBlue(0x87, 0xCE, 0xEB);
constexpr Rgb kCardText{34, 34, 68};

// A fighter-panel control's place in its block, named by the player panel's control.
constexpr int Slot(Control self_control) {
  return static_cast<int>(self_control) - static_cast<int>(Control::LabSelfName);
}

// Where each fighter-panel label stands and how it looks.
struct FighterLabelPlace {
  int slot;
  QRect rect;
  int px;
  bool italic;
  bool centred;
  std::optional<Rgb> text;
};

// During a replay the mouse and the keys do nothing but the replay's own keys.
bool SwallowedInReplay(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return true;
    default:
      return false;
  }
}

}  // namespace

struct TFormMain::LabelLook {
  int px = kLabelFontPx;
  bool bold = true;
  bool italic = false;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
  bool wrap = false;
  std::optional<Rgb> background;  // none: transparent
  std::optional<Rgb> text;        // none: the default black
};

TFormMain::TFormMain(GameLocations locations)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      sound_(std::make_unique<QtSoundOutput>()),
      pump_(std::make_unique<GamePump>()),
      host_(std::make_unique<QtHost>(*this, *sound_, *pump_)),
      locations_(std::move(locations)) {
  sound_->SetLocations(locations_);
  setWindowTitle(QtTr(kWindowCaption));
  setFont(GameFont(kDefaultFontPx));
  setFixedSize(kClientWidth, kClientHeight);

  BuildTitlePage();
  BuildNamePage();
  BuildMainPage();
  BuildOverlays();
  desk_ = std::make_unique<DeskControls>(*this, *sound_, *pump_);

  QApplication::instance()->installEventFilter(this);
  CentreOnScreen();
}

TFormMain::~TFormMain() {
  // The core's wave player stops its sound through the host: free it while the host lives.
  if (GameStarted()) StopGame();
}

void TFormMain::StartDeferred(std::uint64_t seed, bool new_run, std::optional<std::string> warning,
                              std::function<void()> then) {
  start_ = [this, seed, new_run, warning = std::move(warning), then = std::move(then)] {
    if (GameStarted()) return;
    BeginGame(seed, new_run);
    if (warning) ShowWarningMessage(*warning);
    pump_->Rearm();
    desk_->AfterGameEvent();
    if (then) then();
    // After the start, so the title music is the first file to load.
    sound_->PreloadGameSounds();
  };
  // The first paint posts the start (eventFilter); a window that has painted
  // already starts at once, one that is not shown, or shown minimised,
  // paints nothing and starts after a moment.
  QTimer::singleShot(painted_ ? 0 : kUnpaintedStartMs, this, [this] {
    if (start_) std::exchange(start_, nullptr)();
  });
}

void TFormMain::BeginGame(std::uint64_t seed, bool new_run) {
  pump_->SetInputLog(nullptr);
  recording_.reset();
  std::optional<RecordingHeader> header;
  if (record_as_) header = SittingHeader(*record_as_, seed, new_run, locations_);
  StartGame(*host_, seed, locations_, new_run);
  pump_->StartClock();
  if (header) recording_ = StartSittingRecording(locations_.save_dir, *header);
  pump_->SetInputLog(recording_.get());
}

void TFormMain::StartReplay(Recording recording) {
  QTimer::singleShot(0, this, [this, recording = std::move(recording)]() mutable {
    if (GameStarted()) return;
    host_->SetReplaying(true);
    pump_->SetReplaying(true);
    SetLanguage(recording.header.language);
    StartGame(*host_, recording.header.seed, locations_, recording.header.new_run);
    desk_->AfterGameEvent();
    replay_ = std::make_unique<ReplayPlayer>(*this, *pump_, std::move(recording));
    replay_->Start();
  });
}

QPoint TFormMain::CentredTopLeft(const QRect& screen, const QSize& frame) {
  return QPoint(screen.x() + (screen.width() - frame.width()) / 2, screen.y() + (screen.height() - frame.height()) / 2);
}

void TFormMain::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  move(CentredTopLeft(screen->geometry(), frameGeometry().size()));
}

void TFormMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  // The frame's size is known only once the window is mapped: centre again with it.
  QTimer::singleShot(0, this, [this] { CentreOnScreen(); });
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  // Alt and F10 would open a window menu on some desktops: the controls never see them.
  // A modal box is a window of its own, so its keys never reach the commands.
  const QEvent::Type type = event->type();
  if (replay_ && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this && SwallowedInReplay(event)) {
    if (type == QEvent::KeyPress) replay_->HandleKey(static_cast<QKeyEvent*>(event));
    return true;
  }
  if (type == QEvent::Paint && !painted_ && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    painted_ = true;
    // Queued, so the frame is finished and shown before the game starts.
    QTimer::singleShot(0, this, [this] {
      if (start_) std::exchange(start_, nullptr)();
    });
  }
  if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_F10) return true;
    if (type == QEvent::KeyPress && desk_->HandleKey(watched, static_cast<QKeyEvent*>(event))) return true;
  }
  // A right-click anywhere opens the window's own menu, and does nothing else.
  if (type == QEvent::ContextMenu && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
    desk_->OpenContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TFormMain::Register(Control control, QWidget* widget) { controls_[static_cast<std::size_t>(control)] = widget; }

QWidget* TFormMain::AddPage(Control page, const QColor& background, bool visible) {
  auto* widget = new QWidget(this);
  widget->setGeometry(0, 0, kClientWidth, kClientHeight);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
  widget->setVisible(visible);
  Register(page, widget);
  return widget;
}

QWidget* TFormMain::AddPanel(Control panel, QWidget* page, int top, int height, const QColor& background,
                             bool visible) {
  auto* widget = new BevelPanel(page, background);
  widget->setGeometry(0, top, kPanelWidth, height);
  widget->setVisible(visible);
  Register(panel, widget);
  return widget;
}

QLabel* TFormMain::AddLabel(QWidget* parent, const QRect& rect, const LabelLook& look) {
  QLabel* label = look.wrap ? new WrappedLabel(parent) : new QLabel(parent);
  StyleLabel(label, rect, look);
  return label;
}

void TFormMain::StyleLabel(QLabel* label, const QRect& rect, const LabelLook& look) {
  label->setGeometry(rect);
  label->setTextFormat(Qt::PlainText);
  label->setFont(GameFont(look.px, look.bold, look.italic));
  label->setAlignment(look.align);
  QPalette palette = label->palette();
  if (look.background) palette.setColor(QPalette::Window, ToQColor(*look.background));
  palette.setColor(QPalette::WindowText, look.text ? ToQColor(*look.text) : QColor(Qt::black));
  label->setPalette(palette);
  label->setAutoFillBackground(look.background.has_value());
}

void TFormMain::BuildTitlePage() {
  QWidget* page = AddPage(Control::PageTitle, QColor(68, 68, 68), true);
  auto* paint_box = new PictureBox(page);
  paint_box->setGeometry(page->rect());
  paint_box->SetOnClick([this] { pump_->Apply(Input::TitleClick()); });
  Register(Control::PntTitle, paint_box);
}

void TFormMain::BuildNamePage() {
  QWidget* page = AddPage(Control::PageInputName, kSkyBlue, false);
  auto* background = new PictureBox(page);
  background->setGeometry(page->rect());
  Register(Control::ImgInputName, background);

  LabelLook lead;
  lead.align = Qt::AlignHCenter | Qt::AlignTop;
  lead.wrap = true;
  lead.text = Rgb{68, 51, 51};
  Register(Control::LabInputName, AddLabel(page, QRect(0, 44, 500, 100), lead));

  auto* edit = new QLineEdit(page);
  edit->setGeometry(100, 188, 300, 24);
  edit->setFont(GameFont(kLabelFontPx, true));
  edit->setMaxLength(kNameLimitChars);
  Register(Control::EditInputName, edit);

  auto* button = new QPushButton(QtTr("刻む"), page);
  button->setGeometry(200, 281, 100, 50);
  button->setFont(GameFont(kLabelFontPx, true));
  connect(button, &QPushButton::clicked, this, [this, edit] { pump_->Apply(Input::NameGiven(FromQt(edit->text()))); });
  Register(Control::BtnInputName, button);
}

void TFormMain::BuildMainPage() {
  QWidget* page = AddPage(Control::PageMain, kSilver, false);
  BuildSwordRow(AddPanel(Control::PanelMainSword, page, 0, kBandHeight, QColor(204, 255, 204), true));

  QWidget* image_panel = AddPanel(Control::PanelMainImage, page, 0, kBandHeight, QColor(221, 255, 221), false);
  auto* image = new PictureBox(image_panel);
  image->setGeometry(image_panel->rect());
  Register(Control::ImgMainImage, image);

  BuildFighterPanel(AddPanel(Control::PanelMainEnemy, page, 0, kBandHeight, QColor(221, 170, 170), false),
                    Control::LabEnemyName);
  BuildFighterPanel(AddPanel(Control::PanelMainSelf, page, kBandHeight, kBandHeight, QColor(170, 221, 170), true),
                    Control::LabSelfName);
  BuildConsole(AddPanel(Control::PanelMainIF, page, kConsoleTop, kConsoleHeight, QColor(204, 255, 204), true));
  BuildSwordInfo(
      AddPanel(Control::PanelMainSwordInfo, page, kConsoleTop, kConsoleHeight, QColor(204, 204, 255), false));
}

void TFormMain::BuildSwordRow(QWidget* panel) {
  LabelLook look;
  look.align = Qt::AlignCenter;
  look.background = Rgb{221, 255, 221};
  look.text = Rgb{34, 68, 34};
  for (int i = 0; i < kSwordLabelCount; ++i) {
    auto* label = new SwordRowLabel(
        panel, [this, i] { pump_->Apply(Input::SwordClick(i)); }, [this, i] { pump_->Apply(Input::SwordHover(i)); });
    StyleLabel(label, QRect(i < 4 ? 10 : 255, 5 + 30 * (i % 4), 235, 25), look);
    Register(SwordLabel(i), label);
  }
}

void TFormMain::BuildFighterPanel(QWidget* panel, Control first) {
  // Frames first: the card numbers stand on them.
  auto* current_frame = new CardShape(panel);
  current_frame->setGeometry(136, 35, 65, 80);
  Register(Offset(first, Slot(Control::ShapeSelfCardCurrent)), current_frame);
  for (int k = 0; k < kHandSize; ++k) {
    auto* frame = new CardShape(panel);
    frame->setGeometry(208 + 56 * k, 40, 55, 70);
  }

  LabelLook caption;
  caption.px = 13;
  AddLabel(panel, QRect(8, 70, 73, 15), caption)->setText(QtTr("命中率"));

  const FighterLabelPlace places[] = {
      {Slot(Control::LabSelfName), QRect(8, 8, 345, 25), 16, false, false, std::nullopt},
      {Slot(Control::LabSelfHP), QRect(8, 32, 113, 25), 16, false, false, std::nullopt},
      {Slot(Control::LabSelfReliability), QRect(8, 80, 73, 41), 37, true, true, std::nullopt},
      {Slot(Control::LabSelfReliabilityMax), QRect(82, 96, 49, 25), 16, true, false, std::nullopt},
      {Slot(Control::LabSelfCardCurrent), QRect(136, 55, 57, 39), 37, true, true, kCardText},
      {Slot(Control::LabSelfCard0), QRect(208, 58, 48, 33), 32, true, true, kCardText},
      {Slot(Control::LabSelfCard1), QRect(264, 58, 48, 33), 32, true, true, kCardText},
      {Slot(Control::LabSelfCard2), QRect(320, 58, 48, 33), 32, true, true, kCardText},
      {Slot(Control::LabSelfCard3), QRect(376, 58, 48, 33), 32, true, true, kCardText},
      {Slot(Control::LabSelfCard4), QRect(432, 58, 48, 33), 32, true, true, kCardText},
  };
  for (const FighterLabelPlace& place : places) {
    LabelLook look;
    look.px = place.px;
    look.italic = place.italic;
    if (place.centred) look.align = Qt::AlignHCenter | Qt::AlignTop;
    look.text = place.text;
    Register(Offset(first, place.slot), AddLabel(panel, place.rect, look));
  }
}

void TFormMain::BuildConsole(QWidget* panel) {
  LabelLook text;
  text.wrap = true;
  text.background = Rgb{221, 255, 221};
  text.text = Rgb{34, 68, 34};
  Register(Control::LabMainText, AddLabel(panel, QRect(10, 10, 480, 90), text));

  for (int i = 0; i < kCommandButtonCount; ++i) {
    auto* button = new QPushButton(panel);
    button->setGeometry(10 + 98 * i, 110, 88, 30);
    button->setFont(GameFont(kLabelFontPx, true));
    connect(button, &QPushButton::clicked, this, [this, i, button] {
      pump_->Apply(Input::Command(i, FromQt(button->text())));
    });
    Register(CommandButton(i), button);
  }
}

void TFormMain::BuildSwordInfo(QWidget* panel) {
  LabelLook info;
  info.wrap = true;
  info.background = Rgb{221, 221, 255};
  info.text = Rgb{34, 34, 68};
  Register(Control::LabSwordInfo, AddLabel(panel, QRect(10, 10, 480, 130), info));
}

void TFormMain::BuildOverlays() {
  const Control panels[] = {Control::PanelMainSword,     Control::PanelMainSelf,  Control::PanelMainIF,
                            Control::PanelMainSwordInfo, Control::PanelMainImage, Control::PanelMainEnemy};
  for (Control panel : panels) {
    auto* overlay = new PanelOverlay(ControlWidget(panel), [this] { pump_->Apply(Input::Leave()); });
    overlay->raise();
  }
  // The sword labels take their own mouse moves; buttons stay clickable above the overlay.
  for (int i = 0; i < kSwordLabelCount; ++i) ControlWidget(SwordLabel(i))->raise();
  for (int i = 0; i < kCommandButtonCount; ++i) ControlWidget(CommandButton(i))->raise();
}

}  // namespace zemra
