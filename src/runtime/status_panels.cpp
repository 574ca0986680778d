// Status panels in the player's green or the enemy's red scheme.
#include "runtime/status_panels.h"

#include "engine/module_state.h"

#include <array>
#include <charconv>
#include <string>

#include "data/enemy.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "data/shown_names.h"
#include "data/sword.h"
#include "engine/translate.h"
#include "runtime/game_objects.h"

namespace zemra {
namespace {

constexpr int kLifeStarLimit = 5;

// Every colour change of a sword label goes through here, so the panel state
// always says which labels are highlighted.
void PaintSwordLabel(int label, bool highlight) {
  SwordPanelState& s = SwordPanel();
  const SchemeColours& colours = SchemeOf(s.scheme);
  TheHost().SetColor(SwordLabel(label), highlight ? colours.highlight : colours.label);
  s.highlighted[static_cast<std::size_t>(label)] = highlight;
}

// A number's decimal digits without a string: both panels are drawn after every command.
class Digits {
 public:
  explicit Digits(std::int32_t value) : end_(std::to_chars(chars_.data(), chars_.data() + chars_.size(), value).ptr) {}
  std::string_view View() const { return {chars_.data(), static_cast<std::size_t>(end_ - chars_.data())}; }

 private:
  std::array<char, 12> chars_{};
  char* end_;
};

std::string LifeText(const TFighter& fighter) {
  if (fighter.MaxHP > kLifeStarLimit) return Tf("%1／%2", {std::to_string(fighter.HP), std::to_string(fighter.MaxHP)});
  std::string marks;
  for (int i = 1; i <= fighter.MaxHP; ++i) marks += i <= fighter.HP ? "★" : "☆";
  return marks;
}

void ShowSwords(SwordScheme scheme, bool enemy, Continuation continuation, int mode) {
  Host& host = TheHost();
  SwordPanelState& s = SwordPanel();
  const SchemeColours& colours = SchemeOf(scheme);
  host.SetColor(Control::PanelMainSword, colours.panel);
  host.SetColor(Control::PanelMainSwordInfo, colours.info_panel);
  host.SetColor(Control::LabSwordInfo, colours.info_label);
  host.SetFontColor(Control::LabSwordInfo, colours.info_text);
  s.scheme = scheme;
  for (int i = 0; i < kSwordLabelCount; ++i) {
    PaintSwordLabel(i, false);
    host.SetFontColor(SwordLabel(i), colours.label_text);
  }
  s.shows_enemy = enemy;
  s.frozen = mode == 1;
  if (s.frozen) PaintSwordLabel(SelectedSword(), true);
  const TFighter& fighter = ShownFighter();
  std::string line;  // one buffer for every label's line
  for (int i = 0; i < kSwordLabelCount; ++i) {
    if (i < fighter.SwordCount) {
      const TSword& sword = fighter.Swords[static_cast<std::size_t>(i)];
      line = ShownSwordNameView(sword);
      line += " (";
      line += Digits(sword.Hit).View();
      line += ')';
      host.SetText(SwordLabel(i), line);
    } else {
      host.SetText(SwordLabel(i), "");
    }
  }
  s.bound = continuation;
  if (ShownTopPanel() != Control::PanelMainSword) ShowTopPanel(Control::PanelMainSword);
}

}  // namespace

SwordPanelState& SwordPanel() {
  return ModuleState<SwordPanelState>();
}

void ResetSwordPanel() { SwordPanel() = SwordPanelState{}; }

const TFighter& ShownFighter() { return SwordPanel().shows_enemy ? Enemy() : PlayerData().Fighter; }

namespace {

void DrawFighterTexts(Control first, const TFighter& fighter) {
  Host& host = TheHost();
  host.SetText(Offset(first, 0), ShownFighterName(fighter));
  host.SetText(Offset(first, 1), LifeText(fighter));
  host.SetText(Offset(first, 2), Digits(fighter.Hit).View());
  host.SetText(Offset(first, 3), TrView("％"));
  if (fighter.Card != kNoCard) host.SetText(Offset(first, 4), Digits(fighter.Card).View());
  for (int k = 0; k < kHandSize; ++k) host.SetText(Offset(first, 6 + k), Digits(fighter.Cards[static_cast<std::size_t>(k)]).View());
}

void ShowFighterCard(Control first, const TFighter& fighter) {
  Host& host = TheHost();
  const bool card_shown = fighter.Card != kNoCard;
  host.SetVisible(Offset(first, 4), card_shown);
  host.SetVisible(Offset(first, 5), card_shown);
}

}  // namespace

void DrawFighterPanel(Control first, const TFighter& fighter) {
  DrawFighterTexts(first, fighter);
  ShowFighterCard(first, fighter);
}

void RefreshSelfPanel() { DrawFighterPanel(Control::LabSelfName, PlayerData().Fighter); }
void RefreshEnemyPanel() { DrawFighterPanel(Control::LabEnemyName, Enemy()); }

void ShowPanelCards() {
  ShowFighterCard(Control::LabEnemyName, Enemy());
  ShowFighterCard(Control::LabSelfName, PlayerData().Fighter);
}

void DrawPanelTexts() {
  DrawFighterTexts(Control::LabEnemyName, Enemy());
  DrawFighterTexts(Control::LabSelfName, PlayerData().Fighter);
}

void ShowSelfSwords(Continuation continuation, int mode) { ShowSwords(SwordScheme::Self, false, continuation, mode); }
void ShowEnemySwords(Continuation continuation, int mode) { ShowSwords(SwordScheme::Enemy, true, continuation, mode); }

void ClearSwordHover() {
  SwordPanelState& s = SwordPanel();
  if (s.hover == kNoSwordLabel) return;
  Host& host = TheHost();
  PaintSwordLabel(s.hover, false);
  s.hover = kNoSwordLabel;
  host.SetVisible(Control::PanelMainIF, true);
  host.SetVisible(Control::PanelMainSwordInfo, false);
}

void ShowSwordInfo(const TSword& sword) {
  Host& host = TheHost();
  host.SetText(Control::LabSwordInfo, SwordInfoText(sword));
  host.SetVisible(Control::PanelMainSwordInfo, true);
  host.SetVisible(Control::PanelMainIF, false);
}

bool SwordHoverChangesNothing(int label) {
  const SwordPanelState& s = SwordPanel();
  const bool onto_sword = label >= 0 && label < ShownFighter().SwordCount;
  return s.frozen || label == s.hover || (!onto_sword && s.hover == kNoSwordLabel);
}

bool OverlayMoveChangesNothing() { return SwordPanel().frozen || SwordPanel().hover == kNoSwordLabel; }

void LabMainSwordMouseMove(int label) {
  if (SwordHoverChangesNothing(label)) return;
  ClearSwordHover();
  SwordPanelState& s = SwordPanel();
  const TFighter& fighter = ShownFighter();
  if (label < 0 || label >= fighter.SwordCount) return;
  s.hover = label;
  PaintSwordLabel(label, true);
  ShowSwordInfo(fighter.Swords[static_cast<std::size_t>(label)]);
}

void OverlayMouseMove() {
  if (!OverlayMoveChangesNothing()) ClearSwordHover();
}

void LabMainSwordClick(int label) {
  const SwordPanelState& s = SwordPanel();
  if (label < 0 || label >= ShownFighter().SwordCount || s.bound == nullptr) return;
  SetSelectedSword(label);
  ExecuteCommand(s.bound);
}

}  // namespace zemra
