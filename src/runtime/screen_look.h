// The screen's look as data: where each control stands, its font and its
// colours, the sword row's two colour schemes, the panels' bevel and the card
// frames. The window builds its widgets from it and the page places its
// elements from it, so a colour changed here changes both.
#pragma once

#include <cstdint>
#include <optional>

#include "host/controls.h"

namespace zemra {

enum class SwordScheme { Self, Enemy };

// The window's inside, which every page covers.
inline constexpr int kClientWidth = 500;
inline constexpr int kClientHeight = 400;

// A rectangle inside the control's parent: its page, or its panel.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

enum class TextAlign : std::uint8_t {
  TopLeft,
  TopCentre,  // centred across, from the top
  Centre,     // centred both ways
};

// The face, alignment, wrap and text colour matter only to a control that
// shows text; a page, a panel or a picture has only its box and colour.
struct ControlLook {
  Box box;
  int px = 16;  // font height in pixels
  bool bold = true;
  bool italic = false;
  TextAlign align = TextAlign::TopLeft;
  bool wrap = false;              // long text breaks into lines
  std::optional<Rgb> background;  // none: transparent
  std::optional<Rgb> text;        // none: the toolkit's own (buttons and the name field)
};

// The sword row and the sword information panel in one fighter's colours.
struct SchemeColours {
  Rgb panel;
  Rgb label;
  Rgb label_text;
  Rgb highlight;
  Rgb info_panel;
  Rgb info_label;
  Rgb info_text;
};

// A card frame: a filled rectangle with a pen drawn inside its edge.
struct FrameLook {
  Rgb fill;
  Rgb pen;
  int pen_width = 0;
};

// Each panel's edge: a raised ring outside a sunken one, each `ring` pixels wide.
struct BevelLook {
  Rgb light;
  Rgb shadow;
  int ring = 0;
};

// The look a control is made with. A page's box covers the window, a panel's
// stands in its page, every other control's in its page or panel.
const ControlLook& LookOf(Control control);
const SchemeColours& SchemeOf(SwordScheme scheme);

// The fighter panel's furniture the game never addresses: the caption over
// the hit rate and the frames under the hand's cards (the card in play has
// its own, `ShapeSelfCardCurrent`).
const ControlLook& HitCaptionLook();
Box HandFrameBox(int card);

const FrameLook& CardFrameLook();
const BevelLook& PanelBevelLook();

}  // namespace zemra
