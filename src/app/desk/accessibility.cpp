// Names are set only when they change, so a refresh after every event sends
// the accessibility bus nothing new while the screen stands still.
#include "app/desk/accessibility.h"

#include <QLabel>
#include <QWidget>
#include <string>

#include "app/window/main_window.h"
#include "app/window/qt_convert.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "data/sword.h"
#include "desk/spoken_texts.h"
#include "game/game.h"
#include "runtime/console.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

void SetName(QWidget* widget, const QString& name) {
  if (widget != nullptr && widget->accessibleName() != name) widget->setAccessibleName(name);
}

void SetDescription(QWidget* widget, const QString& description) {
  if (widget != nullptr && widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

QString Text(const TFormMain& window, Control control) {
  const auto* label = qobject_cast<const QLabel*>(window.ControlWidget(control));
  return label != nullptr ? label->text() : QString();
}

// The panel's texts as the window shows them.
FighterTexts ShownFighterTexts(const TFormMain& window, Control first) {
  FighterTexts texts;
  texts.name = FromQt(Text(window, first));
  texts.life = FromQt(Text(window, Offset(first, 1)));
  texts.hit = FromQt(Text(window, Offset(first, 2)));
  const QWidget* card = window.ControlWidget(Offset(first, 4));
  if (card->isVisibleTo(card->parentWidget())) texts.card = FromQt(Text(window, Offset(first, 4)));
  for (int k = 0; k < kHandSize; ++k) texts.hand[static_cast<std::size_t>(k)] = FromQt(Text(window, Offset(first, 6 + k)));
  return texts;
}

}  // namespace

void NameFixedControls(TFormMain& window) {
  for (const Control control : {Control::PntTitle, Control::ImgInputName, Control::EditInputName,
                                Control::PanelMainSword, Control::PanelMainIF, Control::PanelMainSwordInfo,
                                Control::PanelMainImage}) {
    SetName(window.ControlWidget(control), ToQt(FixedAccessibleName(control)));
  }
}

void RefreshAccessibleTexts(TFormMain& window) {
  if (!GameStarted() || !window.ControlWidget(Control::PageMain)->isVisible()) return;
  const TFighter& shown = ShownFighter();
  for (int i = 0; i < kSwordLabelCount; ++i) {
    QString info;
    if (i < shown.SwordCount) info = ToQt(SwordInfoText(shown.Swords[static_cast<std::size_t>(i)]));
    SetDescription(window.ControlWidget(SwordLabel(i)), info);
  }
  // The picture is named for what it shows now: the field's depth changes while its file stays.
  const ConsoleState& console = Console();
  SetName(window.ControlWidget(Control::ImgMainImage),
          console.image_loaded ? ToQt(PictureAccessibleName(console.shown_image, PlayerData().Depth)) : QString());
  for (Control first : {Control::LabSelfName, Control::LabEnemyName}) {
    const FighterTexts texts = ShownFighterTexts(window, first);
    SetName(window.ControlWidget(Offset(first, 1)), ToQt(SpokenLife(texts.life)));
    SetName(window.ControlWidget(first)->parentWidget(), ToQt(FighterSummary(texts)));
  }
}

}  // namespace zemra
