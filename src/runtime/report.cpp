// The report: a summary line, the carried swords, the honours and the list of
// all sword kinds with the obtained ones filled in. Its words are the sitting's
// language; its layout and encoding are the same in every language.
#include "runtime/report.h"

#include <optional>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/shown_names.h"
#include "data/sword.h"
#include "engine/file_io.h"
#include "engine/sjis.h"
#include "engine/translate.h"
#include "runtime/depth_text.h"
#include "runtime/game_objects.h"

namespace zemra {
namespace {

constexpr char kLineEnd[] = "\r\n";

int ObtainedKindCount(const TPlayerData& run) {
  int count = 0;
  for (int k = 1; k <= kSwordKindCount; ++k) count += run.Obtained[static_cast<std::size_t>(k)] ? 1 : 0;
  return count;
}

std::string SummaryLine(const TPlayerData& run) {
  const TFighter& f = run.Fighter;
  return ShownFighterName(f) + "  HP" + std::to_string(f.HP) + "/" + std::to_string(f.MaxHP) + " " +
         Tf("命中%1", {std::to_string(f.Hit)}) + " " + DepthText() + " " +
         Tf("戦闘回数%1", {std::to_string(run.BattleCount)}) + " " +
         Tf("入手剣種数%1/%2", {std::to_string(ObtainedKindCount(run)), std::to_string(kSwordKindCount)}) + kLineEnd;
}

// Absent, not even an empty line, when the player carries no sword.
std::string SwordLine(const TFighter& f) {
  if (f.SwordCount <= 0) return "";
  std::string line;
  for (int i = 0; i < f.SwordCount && i < kMaxSwords; ++i) {
    if (i > 0) line += "／";
    line += ShownSwordName(f.Swords[static_cast<std::size_t>(i)]);
  }
  return line + kLineEnd;
}

std::string Honours(const TPlayerData& run) {
  std::string honours;
  if (run.Cleared) honours += Tr("【クリア】");
  if (run.KingDefeated) honours += Tr("【不可知を踏破した】");
  if (ObtainedKindCount(run) == kSwordKindCount) honours += Tr("【全知全剣】");
  return honours;
}

std::string KindLine(const TPlayerData& run, int kind) {
  std::string line = "[";
  if (kind < 10) line += "0";
  line += std::to_string(kind) + "]：";
  if (run.Obtained[static_cast<std::size_t>(kind)]) {
    line += ShownSwordName(CreateSword(SwordKindNames[static_cast<std::size_t>(kind)]));
  }
  return line + kLineEnd;
}

}  // namespace

std::string ReportText() {
  const TPlayerData& run = PlayerData();
  std::string text = std::string("★ZEMRA6 ver1.22") + kLineEnd;
  text += SummaryLine(run);
  text += SwordLine(run.Fighter);
  text += Honours(run) + kLineEnd + kLineEnd;
  text += Tr("★入手剣リスト") + kLineEnd;
  for (int kind = 1; kind <= kSwordKindCount; ++kind) text += KindLine(run, kind);
  return text;
}

bool WriteReport() {
  const std::optional<std::string> bytes = Utf8ToSjis(ReportText());
  if (!bytes) return false;
  return WriteTextFile(Locations().SaveFile(kReportFileName), *bytes);
}

}  // namespace zemra
