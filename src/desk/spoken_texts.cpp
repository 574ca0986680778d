#include "desk/spoken_texts.h"

#include <string>

#include "engine/translate.h"

namespace zemra {
namespace {

int Count(std::string_view text, std::string_view part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

}  // namespace

std::string SpokenLife(std::string_view life_label) {
  const int full = Count(life_label, "★");
  const int empty = Count(life_label, "☆");
  if (full + empty == 0) return Tf("命 %1", {life_label});
  return Tf("命 %1／%2", {std::to_string(full), std::to_string(full + empty)});
}

std::string PictureAccessibleName(std::string_view file, int depth) {
  const std::string_view name = file.substr(file.rfind('/') + 1);
  if (name == "center.bmp" || name == "another.bmp") return Tf("深さ%1の野", {std::to_string(depth)});
  if (name == "end.bmp") return Tr("終わりの絵");
  if (name.starts_with("memory") && name.size() > 6) return Tf("記憶の章の絵 %1", {name.substr(6, 1)});
  return std::string(name);
}

std::string FighterSummary(const FighterTexts& fighter) {
  std::string hand;
  for (std::size_t k = 0; k < fighter.hand.size(); ++k) {
    if (k > 0) hand += ' ';
    hand += fighter.hand[k];
  }
  const std::string life = SpokenLife(fighter.life);
  if (fighter.card) {
    return Tf("%1、%2、命中率 %3％、場の札 %4、手札 %5", {fighter.name, life, fighter.hit, *fighter.card, hand});
  }
  return Tf("%1、%2、命中率 %3％、手札 %4", {fighter.name, life, fighter.hit, hand});
}

std::string FixedAccessibleName(Control control) {
  switch (control) {
    case Control::PntTitle: return Tr("タイトル画面");
    case Control::ImgInputName: return Tr("銘の入力画面");
    case Control::EditInputName: return Tr("剣の銘");
    case Control::PanelMainSword: return Tr("剣の列");
    case Control::PanelMainIF: return Tr("コンソール");
    case Control::PanelMainSwordInfo: return Tr("剣の情報");
    case Control::PanelMainImage: return Tr("絵");
    default: return {};
  }
}

}  // namespace zemra
