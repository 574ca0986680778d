// What a screen reader hears, in every front end: names for the pictures and
// the fighter panels, life as words, and the fixed names of the pages and
// panels. Labels and buttons already speak their own texts.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "data/fighter.h"
#include "host/controls.h"

namespace zemra {

// A life label's text as a reader can speak it: "★★★☆☆" becomes "命 3／5".
std::string SpokenLife(std::string_view life_label);
// A short name for a picture file shown on the main page ("dat/center.bmp"):
// the field is named for its depth, which changes while its file stays.
std::string PictureAccessibleName(std::string_view file, int depth);

// One fighter panel's texts as shown.
struct FighterTexts {
  std::string name;
  std::string life;
  std::string hit;
  std::optional<std::string> card;  // the card in play, when one is
  std::array<std::string, kHandSize> hand;
};

// The panel read as one line: name, life, hit rate, the card in play and the hand.
std::string FighterSummary(const FighterTexts& fighter);

// The names that never change: the title picture, the name page and field,
// the row, the console, the information and picture panels; "" for the rest.
std::string FixedAccessibleName(Control control);

}  // namespace zemra
