#include "data/shown_names.h"

#include "data/player_data.h"
#include "engine/translate.h"

namespace zemra {
namespace {

// Queen and Pawn carry the player's own name.
bool CarriesPlayerName(const TSword& sword) { return sword.Kind == kQueenKind || sword.Kind == kPawnKind; }

}  // namespace

std::string ShownSwordName(const TSword& sword) { return CarriesPlayerName(sword) ? sword.Name : Tr(sword.Name); }

std::string ShownFighterName(const TFighter& fighter) {
  if (!PlayerData().PlayerName.empty() && fighter.Name == PlayerData().PlayerName) return fighter.Name;
  return Tr(fighter.Name);
}

std::string ShownDriveName(const TSword& sword) {
  if (CurrentLanguage() == Language::kJapanese) return sword.DriveName;
  if (const auto scroll = ScrollChapterTexts(sword)) return scroll->drive;
  return Tr(sword.DriveName);
}

std::string ShownDescription(const TSword& sword) {
  if (CurrentLanguage() == Language::kJapanese) return sword.Description;
  if (const auto scroll = ScrollChapterTexts(sword)) return scroll->description;
  return CrLfLines(Tr(sword.Description));  // a long English text keeps its own line break
}

}  // namespace zemra
