// The screen's look, one row a control. The enemy's panel repeats the
// player's, the sword row and the command buttons stand in a grid.
#include "runtime/screen_look.h"

#include <array>
#include <cstddef>

#include "data/fighter.h"

namespace zemra {
namespace {

constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kSkyBlue{135, 206, 235};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kCardText{34, 34, 68};

constexpr SchemeColours kSelfScheme{{204, 255, 204}, {221, 255, 221}, {34, 68, 34}, {187, 187, 255},
                                    {204, 204, 255}, {221, 221, 255}, {34, 34, 68}};
constexpr SchemeColours kEnemyScheme{{255, 204, 204}, {255, 221, 221}, {68, 34, 34}, {255, 187, 187},
                                     {255, 204, 204}, {255, 221, 221}, {68, 34, 34}};

constexpr FrameLook kCardFrame{kSkyBlue, {68, 68, 136}, 3};
constexpr BevelLook kBevel{{255, 255, 255}, {128, 128, 128}, 1};

constexpr int kBandHeight = 125;
constexpr int kLowTop = 250;
constexpr int kLowHeight = 150;
constexpr Box kWholeWindow{0, 0, kClientWidth, kClientHeight};
constexpr Box kBand{0, 0, kClientWidth, kBandHeight};
constexpr Box kLow{0, kLowTop, kClientWidth, kLowHeight};

// A page, a panel or a picture: a box and perhaps a colour, no text.
constexpr ControlLook Area(Box box, std::optional<Rgb> background = std::nullopt) {
  ControlLook look;
  look.box = box;
  look.background = background;
  return look;
}

constexpr ControlLook Text(Box box, int px, bool italic, TextAlign align, std::optional<Rgb> text,
                           std::optional<Rgb> background = std::nullopt, bool wrap = false) {
  ControlLook look;
  look.box = box;
  look.px = px;
  look.italic = italic;
  look.align = align;
  look.wrap = wrap;
  look.background = background;
  look.text = text;
  return look;
}

constexpr ControlLook Button(Box box) { return Text(box, 16, false, TextAlign::Centre, std::nullopt); }

// The player's panel; the enemy's stands in the same places.
struct FighterRow {
  Control self_control;
  ControlLook look;
};

constexpr FighterRow kFighterRows[] = {
    {Control::LabSelfName, Text({8, 8, 345, 25}, 16, false, TextAlign::TopLeft, kInk)},
    {Control::LabSelfHP, Text({8, 32, 113, 25}, 16, false, TextAlign::TopLeft, kInk)},
    {Control::LabSelfReliability, Text({8, 80, 73, 41}, 37, true, TextAlign::TopCentre, kInk)},
    {Control::LabSelfReliabilityMax, Text({82, 96, 49, 25}, 16, true, TextAlign::TopLeft, kInk)},
    {Control::LabSelfCardCurrent, Text({136, 55, 57, 39}, 37, true, TextAlign::TopCentre, kCardText)},
    {Control::ShapeSelfCardCurrent, Area({136, 35, 65, 80})},
    {Control::LabSelfCard0, Text({208, 58, 48, 33}, 32, true, TextAlign::TopCentre, kCardText)},
    {Control::LabSelfCard1, Text({264, 58, 48, 33}, 32, true, TextAlign::TopCentre, kCardText)},
    {Control::LabSelfCard2, Text({320, 58, 48, 33}, 32, true, TextAlign::TopCentre, kCardText)},
    {Control::LabSelfCard3, Text({376, 58, 48, 33}, 32, true, TextAlign::TopCentre, kCardText)},
    {Control::LabSelfCard4, Text({432, 58, 48, 33}, 32, true, TextAlign::TopCentre, kCardText)},
};
static_assert(std::size(kFighterRows) == kFighterPanelSize);

constexpr ControlLook kHitCaption = Text({8, 70, 73, 15}, 13, false, TextAlign::TopLeft, kInk);

constexpr std::array<ControlLook, kControlCount> MakeLooks() {
  std::array<ControlLook, kControlCount> looks{};
  auto set = [&looks](Control control, const ControlLook& look) { looks[static_cast<std::size_t>(control)] = look; };

  set(Control::PageTitle, Area(kWholeWindow, Rgb{68, 68, 68}));
  set(Control::PntTitle, Area(kWholeWindow));

  set(Control::PageInputName, Area(kWholeWindow, kSkyBlue));
  set(Control::ImgInputName, Area(kWholeWindow));
  set(Control::LabInputName, Text({0, 44, 500, 100}, 16, false, TextAlign::TopCentre, Rgb{68, 51, 51}, std::nullopt,
                                  true));
  set(Control::EditInputName, Text({100, 188, 300, 24}, 16, false, TextAlign::TopLeft, std::nullopt));
  set(Control::BtnInputName, Button({200, 281, 100, 50}));

  set(Control::PageMain, Area(kWholeWindow, kSilver));
  // The sword row and its information start in the player's colours.
  set(Control::PanelMainSword, Area(kBand, kSelfScheme.panel));
  for (int i = 0; i < kSwordLabelCount; ++i) {
    set(SwordLabel(i), Text({i < 4 ? 10 : 255, 5 + 30 * (i % 4), 235, 25}, 16, false, TextAlign::Centre,
                            kSelfScheme.label_text, kSelfScheme.label));
  }
  set(Control::PanelMainImage, Area(kBand, Rgb{221, 255, 221}));
  set(Control::ImgMainImage, Area(kBand));
  set(Control::PanelMainEnemy, Area(kBand, Rgb{221, 170, 170}));
  set(Control::PanelMainSelf, Area({0, kBandHeight, kClientWidth, kBandHeight}, Rgb{170, 221, 170}));
  for (const FighterRow& row : kFighterRows) {
    set(row.self_control, row.look);
    set(Offset(row.self_control, kFighterPanelSize), row.look);
  }
  set(Control::PanelMainIF, Area(kLow, Rgb{204, 255, 204}));
  set(Control::LabMainText, Text({10, 10, 480, 90}, 16, false, TextAlign::TopLeft, Rgb{34, 68, 34},
                                 Rgb{221, 255, 221}, true));
  for (int i = 0; i < kCommandButtonCount; ++i) set(CommandButton(i), Button({10 + 98 * i, 110, 88, 30}));
  set(Control::PanelMainSwordInfo, Area(kLow, kSelfScheme.info_panel));
  set(Control::LabSwordInfo, Text({10, 10, 480, 130}, 16, false, TextAlign::TopLeft, kSelfScheme.info_text,
                                  kSelfScheme.info_label, true));
  return looks;
}

constexpr std::array<ControlLook, kControlCount> kLooks = MakeLooks();

}  // namespace

const ControlLook& LookOf(Control control) { return kLooks[static_cast<std::size_t>(control)]; }

const SchemeColours& SchemeOf(SwordScheme scheme) { return scheme == SwordScheme::Self ? kSelfScheme : kEnemyScheme; }

const ControlLook& HitCaptionLook() { return kHitCaption; }

Box HandFrameBox(int card) { return {208 + 56 * card, 40, 55, 70}; }

const FrameLook& CardFrameLook() { return kCardFrame; }

const BevelLook& PanelBevelLook() { return kBevel; }

}  // namespace zemra
