// Names are set only when they change, so a refresh after every event sends
// the accessibility bus nothing new while the screen stands still.
#include "app/desk/accessibility.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <string>

#include "app/window/main_window.h"
#include "app/window/qt_convert.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "data/sword.h"
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

// The panel read as one line: name, life, hit rate, the card in play and the hand.
QString FighterSummary(const TFormMain& window, Control first) {
  QStringList hand;
  for (int k = 0; k < kHandSize; ++k) hand << Text(window, Offset(first, 6 + k));
  const QString name = Text(window, first);
  const QString life = SpokenLife(Text(window, Offset(first, 1)));
  const QString hit_rate = Text(window, Offset(first, 2));
  if (window.ControlWidget(Offset(first, 4))->isVisibleTo(window.ControlWidget(Offset(first, 4))->parentWidget())) {
    return QtTr("%1、%2、命中率 %3％、場の札 %4、手札 %5")
        .arg(name, life, hit_rate, Text(window, Offset(first, 4)), hand.join(QLatin1Char(' ')));
  }
  return QtTr("%1、%2、命中率 %3％、手札 %4").arg(name, life, hit_rate, hand.join(QLatin1Char(' ')));
}

}  // namespace

QString SpokenLife(const QString& life_label) {
  const qsizetype full = life_label.count(QStringLiteral("★"));
  const qsizetype empty = life_label.count(QStringLiteral("☆"));
  if (full + empty == 0) return QtTr("命 %1").arg(life_label);
  return QtTr("命 %1／%2").arg(QString::number(full), QString::number(full + empty));
}

QString PictureAccessibleName(std::string_view file) {
  const std::string name(file.substr(file.rfind('/') + 1));
  if (name == "center.bmp" || name == "another.bmp") {
    return QtTr("深さ%1の野").arg(PlayerData().Depth);
  }
  if (name == "end.bmp") return QtTr("終わりの絵");
  if (name.rfind("memory", 0) == 0 && name.size() > 6) {
    return QtTr("記憶の章の絵 %1").arg(QChar::fromLatin1(name[6]));
  }
  return ToQt(name);
}

void NameFixedControls(TFormMain& window) {
  SetName(window.ControlWidget(Control::PntTitle), QtTr("タイトル画面"));
  SetName(window.ControlWidget(Control::ImgInputName), QtTr("銘の入力画面"));
  SetName(window.ControlWidget(Control::EditInputName), QtTr("剣の銘"));
  SetName(window.ControlWidget(Control::PanelMainSword), QtTr("剣の列"));
  SetName(window.ControlWidget(Control::PanelMainIF), QtTr("コンソール"));
  SetName(window.ControlWidget(Control::PanelMainSwordInfo), QtTr("剣の情報"));
  SetName(window.ControlWidget(Control::PanelMainImage), QtTr("絵"));
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
          console.image_loaded ? PictureAccessibleName(console.shown_image) : QString());
  for (Control first : {Control::LabSelfName, Control::LabEnemyName}) {
    SetName(window.ControlWidget(Offset(first, 1)), SpokenLife(Text(window, Offset(first, 1))));
    SetName(window.ControlWidget(first)->parentWidget(), FighterSummary(window, first));
  }
}

}  // namespace zemra
