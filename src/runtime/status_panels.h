// The fighter panels, the sword row and the sword information panel, drawn
// from the fighter records, with the sword labels' hover and click handling.
#pragma once

#include <array>

#include "host/controls.h"
#include "runtime/console.h"
#include "runtime/screen_look.h"

namespace zemra {

struct TFighter;
struct TSword;

inline constexpr int kNoSwordLabel = -1;

struct SwordPanelState {
  SwordScheme scheme = SwordScheme::Self;
  bool shows_enemy = false;  // whose swords the labels show
  Continuation bound = nullptr;
  int hover = kNoSwordLabel;
  bool frozen = false;
  std::array<bool, kSwordLabelCount> highlighted{};  // labels drawn in the highlight colour
};

SwordPanelState& SwordPanel();
void ResetSwordPanel();

// Redraws one fighter panel; first_control is LabSelfName or LabEnemyName.
void DrawFighterPanel(Control first_control, const TFighter& fighter);
void RefreshSelfPanel();
void RefreshEnemyPanel();
// Both panels in two halves, for a host that draws when read: the card
// labels shown or hidden now, the texts when the host is read.
void ShowPanelCards();
void DrawPanelTexts();

// Shows the player's or the enemy's swords and binds label clicks.
// Mode 0 is normal; mode 1 shows SelectedSword as chosen and freezes the row.
void ShowSelfSwords(Continuation continuation, int mode);
void ShowEnemySwords(Continuation continuation, int mode);
void ClearSwordHover();
void ShowSwordInfo(const TSword& sword);

// The sword labels' window events: the mouse onto a label, onto a panel
// background, and a click on a label.
void LabMainSwordMouseMove(int label);
void OverlayMouseMove();
void LabMainSwordClick(int label);
// True when the mouse onto that label, or onto a panel background, would
// leave everything as it is (a frozen row, the label already shown, an empty
// label with nothing shown).
bool SwordHoverChangesNothing(int label);
bool OverlayMoveChangesNothing();

// The fighter whose swords the row shows.
const TFighter& ShownFighter();

}  // namespace zemra
