// The screen's look as both front ends build from it: every control stands
// inside what holds it, and nothing the player clicks lies over a neighbour.
#include <gtest/gtest.h>

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "data/fighter.h"
#include "runtime/screen_look.h"
#include "text/look_json.h"

namespace zemra {
namespace {

bool Inside(const Box& inner, const Box& outer) {
  return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= outer.width &&
         inner.top + inner.height <= outer.height && inner.width > 0 && inner.height > 0;
}

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// What holds each control: the window for a page, else its page or panel.
std::optional<Control> Holder(Control control) {
  const int c = static_cast<int>(control);
  const auto in = [c](Control first, Control last) { return c >= static_cast<int>(first) && c <= static_cast<int>(last); };
  if (in(Control::PageTitle, Control::PageMain)) return std::nullopt;
  if (in(Control::PanelMainSword, Control::PanelMainSwordInfo)) return Control::PageMain;
  if (in(Control::LabSelfName, Control::LabSelfCard4)) return Control::PanelMainSelf;
  if (in(Control::LabEnemyName, Control::LabEnemyCard4)) return Control::PanelMainEnemy;
  if (control == Control::LabMainText || in(Control::BtnMainCommand0, Control::BtnMainCommand4)) {
    return Control::PanelMainIF;
  }
  if (control == Control::LabSwordInfo) return Control::PanelMainSwordInfo;
  if (in(Control::LabMainSword0, Control::LabMainSword7)) return Control::PanelMainSword;
  if (control == Control::PntTitle) return Control::PageTitle;
  if (control == Control::ImgMainImage) return Control::PanelMainImage;
  return Control::PageInputName;
}

TEST(ScreenLookTest, EveryControlStandsInsideWhatHoldsIt) {
  const Box window{0, 0, kClientWidth, kClientHeight};
  for (int c = 0; c < kControlCount; ++c) {
    const auto control = static_cast<Control>(c);
    const std::optional<Control> holder = Holder(control);
    EXPECT_TRUE(Inside(LookOf(control).box, holder ? LookOf(*holder).box : window)) << "control " << c;
  }
  const Box fighter_panel = LookOf(Control::PanelMainSelf).box;
  EXPECT_TRUE(Inside(HitCaptionLook().box, fighter_panel));
  for (int k = 0; k < kHandSize; ++k) EXPECT_TRUE(Inside(HandFrameBox(k), fighter_panel)) << "frame " << k;
}

TEST(ScreenLookTest, NoClickableControlLiesOverAnother) {
  std::vector<std::vector<Control>> groups{{}, {}};
  for (int i = 0; i < kSwordLabelCount; ++i) groups[0].push_back(SwordLabel(i));
  for (int i = 0; i < kCommandButtonCount; ++i) groups[1].push_back(CommandButton(i));
  groups.push_back({Control::LabInputName, Control::EditInputName, Control::BtnInputName});
  for (const std::vector<Control>& group : groups) {
    for (std::size_t a = 0; a < group.size(); ++a) {
      for (std::size_t b = a + 1; b < group.size(); ++b) {
        EXPECT_FALSE(Overlap(LookOf(group[a]).box, LookOf(group[b]).box))
            << static_cast<int>(group[a]) << " and " << static_cast<int>(group[b]);
      }
    }
  }
}

// The page reads the same table: a few of its answers against the window's.
TEST(ScreenLookTest, ThePageGetsTheWindowsLook) {
  const nlohmann::json look = nlohmann::json::parse(ScreenLookJson());
  const Box card = LookOf(Control::LabSelfCard3).box;
  EXPECT_EQ(look["fighter"]["cards"][3]["box"], nlohmann::json::array({card.left, card.top, card.width, card.height}));
  EXPECT_EQ(look["swords"].size(), static_cast<std::size_t>(kSwordLabelCount));
  EXPECT_EQ(look["commands"].size(), static_cast<std::size_t>(kCommandButtonCount));
  const Rgb highlight = SchemeOf(SwordScheme::Enemy).highlight;
  EXPECT_EQ(look["schemes"]["enemy"]["highlight"], nlohmann::json::array({highlight.r, highlight.g, highlight.b}));
  EXPECT_TRUE(look["nameEdit"]["text"].is_null());
  EXPECT_EQ(look["nameLead"]["align"], "topCentre");
}

}  // namespace
}  // namespace zemra
