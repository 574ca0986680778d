// The game's tables name each other by text: every such name must stand in
// the table it points into, or the game meets it only as an error box in play.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "battle/desire_tables.h"
#include "data/enemy_tables.h"
#include "data/sword_catalogue.h"
#include "drive/drive_catalogue.h"
#include "sound/wave_check.h"
#include "runtime/sounds.h"
#include "story/chapter_playback.h"

namespace zemra {
namespace {

std::set<std::string_view> SwordNames() {
  std::set<std::string_view> names;
  for (const SwordDefinition& sword : SwordCatalogue) names.insert(sword.name);
  return names;
}

// Every name a table draws or weighs, with the table it comes from.
std::vector<std::pair<std::string, std::string_view>> NamedSwords() {
  std::vector<std::pair<std::string, std::string_view>> named;
  const auto add = [&named](const std::string& table, std::string_view name) {
    if (!name.empty()) named.emplace_back(table, name);
  };
  for (const LotteryEntry& e : CommonEnemyLottery) add("common lottery", e.name);
  for (std::size_t d = 0; d < kDepthCount; ++d) {
    const std::string depth = " at depth " + std::to_string(d);
    for (const LotteryEntry& e : OrdinaryEnemyTable[d].entries) add("ordinary lottery" + depth, e.name);
    for (const RareRoll& roll : OrdinaryEnemyTable[d].rare_rolls) {
      for (std::string_view name : roll.names) add("rare roll" + depth, name);
    }
    for (std::string_view name : BossSwordSets[d]) add("boss set" + depth, name);
    for (const auto& chance : ZankoSwordTable[d].chances) {
      for (std::string_view name : chance) add("斬子 chances" + depth, name);
    }
    for (std::string_view name : ZankoSwordTable[d].rare) add("斬子 rare" + depth, name);
    for (std::string_view name : ZankoSwordTable[d].very_rare) add("斬子 very rare" + depth, name);
  }
  for (std::string_view name : ZankoCommonExtras) add("斬子 extras", name);
  for (const BaseDesire& desire : BaseDesireTable) add("base desires", desire.name);
  for (const BossDesires& boss : BossDesireTable) {
    add("boss desires", boss.boss);
    for (const DesireOverride& desire : boss.desires) add("boss desires of " + std::string(boss.boss), desire.name);
  }
  return named;
}

TEST(TableReferences, EveryTableNamesOnlySwordsOfTheCatalogue) {
  const std::set<std::string_view> swords = SwordNames();
  const auto named = NamedSwords();
  ASSERT_FALSE(named.empty());
  for (const auto& [table, name] : named) EXPECT_TRUE(swords.contains(name)) << name << " in the " << table;
}

TEST(TableReferences, EverySwordsDriveIsInTheDriveCatalogue) {
  std::set<std::string_view> drives;
  for (const DriveEntry& drive : DriveCatalogue) drives.insert(drive.name);
  for (const SwordDefinition& sword : SwordCatalogue) {
    if (sword.drive.empty() || sword.rule == SwordRule::MemoryScroll) continue;
    EXPECT_TRUE(drives.contains(sword.drive)) << sword.name << ": " << sword.drive;
  }
  // The scrolls' drives are made from the chapter names; each leads to a chapter.
  for (std::size_t chapter = 0; chapter < kChapterCount; ++chapter) EXPECT_FALSE(MemoryDriveName(chapter).empty());
}

TEST(TableReferences, EverySoundTheGamePlaysIsShipped) {
  const std::filesystem::path dat = std::filesystem::path(ZEMRA_SOURCE_DIR);
  for (std::size_t i = 0; i < kSoundFiles.size(); ++i) {
    const std::string path = SoundPath(static_cast<Sound>(i));
    EXPECT_TRUE(IsPlayableWaveFile(dat / path)) << path;
  }
}

}  // namespace
}  // namespace zemra
