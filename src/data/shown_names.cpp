#include "data/shown_names.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "data/player_data.h"
#include "engine/translate.h"

namespace zemra {
namespace {

// Queen and Pawn carry the player's own name.
bool CarriesPlayerName(const TSword& sword) { return sword.Kind == kQueenKind || sword.Kind == kPawnKind; }

bool IsTypedName(const TFighter& fighter) {
  return !PlayerData().PlayerName.empty() && fighter.Name == PlayerData().PlayerName;
}

// The fighters' names that read otherwise inside a sentence than on a panel
// ("敵": "Enemy" on the panel, "the enemy" in a line), and those whose owner
// form is not the name and "'s" ("あなた": "your").
// TRANSLATORS: a fighter's name inside a sentence ("the enemy"); a line puts
// it with %1 (a capital is added where it opens a sentence), its owner form
// with %1's ("the enemy's", or the "fighter's" context where that differs).
constexpr std::array<std::string_view, 3> kInSentence{NC_("fighter", "敵"), NC_("fighter", "あなた"),
                                                      NC_("fighter", "不可知の王")};
constexpr std::array<std::string_view, 1> kOwners{NC_("fighter's", "あなた")};

bool Listed(std::string_view name, std::span<const std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// "Toro's" owns as it stands; "Tennessee's", "Rada's", "Ziff's".
std::string Owner(const std::string& name) {
  if (name.ends_with("'s")) return name;
  if (name.ends_with('s')) return name + "'";
  return name + "'s";
}

}  // namespace

std::string ShownSwordName(const TSword& sword) { return std::string(ShownSwordNameView(sword)); }

std::string_view ShownSwordNameView(const TSword& sword) {
  return CarriesPlayerName(sword) ? std::string_view(sword.Name) : TrView(sword.Name);
}

std::string ShownFighterName(const TFighter& fighter) {
  if (IsTypedName(fighter)) return fighter.Name;
  return Tr(fighter.Name);
}

ShownName FighterInSentence(const TFighter& fighter) {
  if (CurrentLanguage() == Language::kJapanese) return {fighter.Name, fighter.Name, false};
  if (IsTypedName(fighter)) return {fighter.Name, Owner(fighter.Name), false};
  // A catalogue without the context (a language yet to write it) shows the panel's name.
  const auto in = [&](std::string_view context, std::span<const std::string_view> names) {
    return Listed(fighter.Name, names) && HasTrCtx(context, fighter.Name);
  };
  ShownName name;
  name.text = in("fighter", kInSentence) ? TrCtx("fighter", fighter.Name) : Tr(fighter.Name);
  name.possessive = in("fighter's", kOwners) ? TrCtx("fighter's", fighter.Name) : Owner(name.text);
  name.capital = true;
  return name;
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
