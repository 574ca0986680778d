// The window's controls as the game addresses them. Names follow the window's
// own control names; the fighter panels come as two blocks of the same order.
#pragma once

#include <cstdint>

namespace zemra {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Control : std::uint8_t {
  // Pages: exactly one is visible.
  PageTitle,
  PageInputName,
  PageMain,
  // Panels of the main page.
  PanelMainSword,
  PanelMainImage,
  PanelMainEnemy,
  PanelMainSelf,
  PanelMainIF,
  PanelMainSwordInfo,
  // Player panel.
  LabSelfName,
  LabSelfHP,
  LabSelfReliability,
  LabSelfReliabilityMax,
  LabSelfCardCurrent,
  ShapeSelfCardCurrent,
  LabSelfCard0,
  LabSelfCard1,
  LabSelfCard2,
  LabSelfCard3,
  LabSelfCard4,
  // Enemy panel, in the same order.
  LabEnemyName,
  LabEnemyHP,
  LabEnemyReliability,
  LabEnemyReliabilityMax,
  LabEnemyCardCurrent,
  ShapeEnemyCardCurrent,
  LabEnemyCard0,
  LabEnemyCard1,
  LabEnemyCard2,
  LabEnemyCard3,
  LabEnemyCard4,
  // Console and sword information.
  LabMainText,
  LabSwordInfo,
  // Sword row.
  LabMainSword0,
  LabMainSword1,
  LabMainSword2,
  LabMainSword3,
  LabMainSword4,
  LabMainSword5,
  LabMainSword6,
  LabMainSword7,
  // Command buttons, left to right.
  BtnMainCommand0,
  BtnMainCommand1,
  BtnMainCommand2,
  BtnMainCommand3,
  BtnMainCommand4,
  // Title and name pages.
  PntTitle,
  ImgInputName,
  LabInputName,
  EditInputName,
  BtnInputName,
  ImgMainImage,
  Count
};

inline constexpr int kControlCount = static_cast<int>(Control::Count);
inline constexpr int kSwordLabelCount = 8;
inline constexpr int kCommandButtonCount = 5;

// Offset from a player-panel control to the matching enemy-panel control.
inline constexpr int kFighterPanelSize = 11;

constexpr Control Offset(Control base, int index) { return static_cast<Control>(static_cast<int>(base) + index); }
constexpr Control SwordLabel(int i) { return Offset(Control::LabMainSword0, i); }
constexpr Control CommandButton(int i) { return Offset(Control::BtnMainCommand0, i); }

}  // namespace zemra
