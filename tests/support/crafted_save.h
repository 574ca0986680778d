// A save file written by the test: a run at a given depth with exact swords
// and cards, so that a whole run through the text front end starts from it.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/save_record.h"
#include "data/sword.h"

namespace zemra::testing {

struct CraftedRun {
  int depth = 0;
  std::vector<std::string> swords;
  std::array<std::int32_t, 5> cards{};
  std::int32_t hp = -1;  // -1: full
  bool cleared = false;
};

inline TPlayerData CraftRun(const CraftedRun& c) {
  TPlayerData data;
  data.PlayerName = "剣聖";
  data.Depth = c.depth;
  data.Cleared = c.cleared;
  data.Fighter.BaseName = "あなた";
  for (const std::string& name : c.swords) AddSword(data.Fighter, CreateSword(name));
  RecalcFighter(data.Fighter);
  FullHeal(data.Fighter);
  if (c.hp >= 0) data.Fighter.HP = c.hp;
  data.Fighter.Cards = c.cards;
  data.Fighter.Card = kNoCard;
  return data;
}

inline void WriteCraftedSave(const std::filesystem::path& dir, const CraftedRun& c) {
  std::ofstream(dir / "save.dat", std::ios::binary) << EncodeSaveRecord(CraftRun(c)).value_or("");
}

}  // namespace zemra::testing
