// CreateSword: a sword record from its name, and the text of its information panel.
#include "data/sword.h"

#include <optional>

#include "data/player_data.h"
#include "data/shown_names.h"
#include "data/sword_catalogue.h"
#include "engine/app_message.h"
#include "engine/sjis.h"
#include "engine/translate.h"

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

// The scrolls' chapters, ChapterNames with "章". They are translated whole,
// since "終" alone is also the caption that ends the game.
constexpr std::array<std::string_view, 10> kScrollChapters{N_("序章"), N_("一章"), N_("二章"), N_("三章"), N_("四章"),
                                                           N_("五章"), N_("六章"), N_("七章"), N_("八章"), N_("終章")};

// A scroll's texts: the stored Japanese, or as shown in the current language.
ScrollTexts ScrollTextsOf(int kind, bool shown) {
  const std::string_view chapter = kScrollChapters[static_cast<std::size_t>(kind - kFirstScrollKind)];
  const auto text = [shown](std::string_view pattern, std::string_view part) {
    return shown ? Tf(pattern, {Tr(part)}) : FormatText(pattern, {part});
  };
  return {text(N_("記憶遡行・%1"), chapter), text(N_("記憶のログが記された紙を巻いた棒状の剣、その%1。"), chapter)};
}

void ApplyScrollChapter(int kind, TSword& sword) {
  ScrollTexts texts = ScrollTextsOf(kind, false);
  sword.Description = CutSjis(texts.description, kDescriptionCapacity);
  sword.DriveName = CutSjis(texts.drive, kDriveNameCapacity);
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

std::optional<ScrollTexts> ScrollChapterTexts(const TSword& sword) {
  if (sword.Kind < kFirstScrollKind || sword.Kind > kSwordKindCount) return std::nullopt;
  return ScrollTextsOf(sword.Kind, true);
}

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
  std::string text = Tf("「%1」", {ShownSwordName(sword)});
  if (sword.Inscribed) text += " " + Tr("<銘>");
  if (sword.Cursed) text += " " + Tr("<呪>");
  if (sword.Life > 0) {
    text += " ";
    for (std::int32_t i = 0; i < sword.Life; ++i) text += "☆";
  }
  if (sword.Hit > 0) text += " " + Tf("命中＋%1", {std::to_string(sword.Hit)});
  text += "\r\n" + ShownDescription(sword);
  if (!sword.DriveName.empty()) {
    const std::string drive = ShownDriveName(sword);
    text += "\r\n" + (sword.Infinite ? Tf("能力：%1（無限始動型）", {drive}) : Tf("能力：%1", {drive}));
  }
  return text;
}

}  // namespace zemra
