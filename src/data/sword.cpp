// CreateSword: a sword record from its name, and the text of its information panel.
#include "data/sword.h"

#include <optional>

#include "data/player_data.h"
#include "data/sword_catalogue.h"
#include "engine/app_message.h"
#include "engine/sjis.h"

namespace zemra {
namespace {

constexpr int kFirstScrollKind = 69;

std::string Quoted(std::string_view routine, std::string_view name) {
  return std::string(routine) + "('" + std::string(name) + "')";
}

// Kind number of the name, compared byte for byte with the full given name.
std::int32_t KindOfName(std::string_view name) {
  for (int kind = 1; kind <= kSwordKindCount; ++kind) {
    if (SwordKindNames[static_cast<std::size_t>(kind)] == name) return kind;
  }
  return -1;
}

// Kind of the first definition whose name matches, if any.
std::optional<int> FindDefinition(std::string_view name) {
  for (std::size_t row = 0; row < SwordCatalogue.size(); ++row) {
    if (SwordCatalogue[row].name == name) return static_cast<int>(row) + 1;
  }
  return std::nullopt;
}

void ApplyZankoDescription(TSword& sword) {
  const std::int32_t depth = PlayerData().Depth;
  if (depth < 0 || depth >= static_cast<std::int32_t>(ZankoDescriptions.size())) {
    ShowAppMessage("error in CreateNamedSword('斬子')");
    return;
  }
  sword.Description = ZankoDescriptions[static_cast<std::size_t>(depth)];
}

void ApplyScrollChapter(int kind, TSword& sword) {
  const std::string chapter(ChapterNames[static_cast<std::size_t>(kind - kFirstScrollKind)]);
  sword.Description = CutSjis("記憶のログが記された紙を巻いた棒状の剣、その" + chapter + "章。", kDescriptionCapacity);
  sword.DriveName = CutSjis("記憶遡行・" + chapter + "章", kDriveNameCapacity);
}

void ApplyDefinition(int kind, TSword& sword) {
  const SwordDefinition& row = SwordCatalogue[static_cast<std::size_t>(kind - 1)];
  sword.Life = row.life;
  sword.Hit = row.hit;
  sword.Inscribed = row.inscribed;
  sword.Cursed = row.cursed;
  // The catalogue's texts fit their records (EveryKindIsCreatedWithItsCatalogueFields
  // checks each), so they are copied without counting their bytes again.
  sword.DriveName = row.drive;
  sword.Infinite = row.infinite;
  sword.Description = row.description;
  switch (row.rule) {
    case SwordRule::Plain:
      break;
    case SwordRule::PlayerName:
      sword.Name = CutSjis(PlayerData().PlayerName, kSwordNameCapacity);
      break;
    case SwordRule::DepthDescription:
      ApplyZankoDescription(sword);
      break;
    case SwordRule::MemoryScroll:
      ApplyScrollChapter(kind, sword);
      break;
  }
}

}  // namespace

TSword CreateSword(std::string_view name) {
  TSword sword;
  if (name.empty()) return sword;
  sword.Kind = KindOfName(name);
  // A kind's own name fits the record (checked like the catalogue's texts).
  sword.Name = sword.Kind > 0 ? std::string(name) : CutSjis(name, kSwordNameCapacity);
  if (sword.Kind < 0) ShowAppMessage(Quoted("error 1 in CreateSword", name));
  const std::optional<int> definition = FindDefinition(name);
  if (!definition) {
    ShowAppMessage(Quoted("error 2 in CreateSword", name));
    return sword;
  }
  ApplyDefinition(*definition, sword);
  return sword;
}

bool SwordFitsKind(const TSword& sword) {
  if (sword.Kind < 1 || sword.Kind > kSwordKindCount) return false;
  const SwordDefinition& row = SwordCatalogue[static_cast<std::size_t>(sword.Kind - 1)];
  if (row.rule != SwordRule::PlayerName && sword.Name != row.name) return false;
  TSword expected;
  expected.DriveName = row.drive;
  if (row.rule == SwordRule::MemoryScroll) ApplyScrollChapter(sword.Kind, expected);
  return sword.Life == row.life && sword.Hit == row.hit && sword.Inscribed == row.inscribed &&
         sword.Cursed == row.cursed && sword.Infinite == row.infinite && sword.DriveName == expected.DriveName;
}

std::string SwordInfoText(const TSword& sword) {
  std::string text = "「" + sword.Name + "」";
  if (sword.Inscribed) text += " <銘>";
  if (sword.Cursed) text += " <呪>";
  if (sword.Life > 0) {
    text += " ";
    for (std::int32_t i = 0; i < sword.Life; ++i) text += "☆";
  }
  if (sword.Hit > 0) text += " 命中＋" + std::to_string(sword.Hit);
  text += "\r\n" + sword.Description;
  if (!sword.DriveName.empty()) {
    text += "\r\n能力：" + sword.DriveName;
    if (sword.Infinite) text += "（無限始動型）";
  }
  return text;
}

}  // namespace zemra
