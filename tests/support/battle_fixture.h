// Test support for battles and drives: both fighters built from sword names
// and exact cards, screens run on the console, and what they showed.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "data/enemy.h"
#include "data/fighter.h"
#include "battle/battle_flags.h"
#include "data/player_data.h"
#include "drive/drive_dispatch.h"
#include "runtime/console.h"
#include "support/fake_host.h"

namespace zemra::testing {

using Hand = std::array<std::int32_t, 5>;
// Console lines, captions or sound files, as the tests compare them.
using Texts = std::vector<std::string>;

inline void Equip(TFighter& fighter, const std::string& base_name, std::initializer_list<const char*> swords,
                  const Hand& cards) {
  fighter = TFighter{};
  fighter.BaseName = base_name;
  for (const char* name : swords) AddSword(fighter, CreateSword(name));
  RecalcFighter(fighter);
  FullHeal(fighter);
  fighter.Cards = cards;
  fighter.Card = kNoCard;
}

// What a started sword asks of the dispatch; a screen reads it, so it is kept here.
struct StartRequest {
  bool battle = true;
  bool by_player = true;
  int slot = 0;
  bool accepted = false;
};

inline StartRequest& PendingStart() {
  static StartRequest request;
  return request;
}

inline void StartRequestedSword() {
  StartRequest& r = PendingStart();
  TFighter& player = PlayerData().Fighter;
  TFighter& user = r.by_player ? player : Enemy();
  TFighter& opponent = r.by_player ? Enemy() : player;
  r.accepted = r.battle ? StartBattleDrive(user, opponent, r.slot) : StartFieldDrive(player, r.slot);
  if (r.accepted) AnnounceSwordStart(user, r.slot);
}

class BattleFixture : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    PlayerData().PlayerName = "剣師";
    ExecuteCommand(nullptr);
    host.SetVisible(Control::PageMain, true);
    host.TakeBoxes();
    host.TakeSounds();
  }

  static TFighter& Player() { return PlayerData().Fighter; }

  void Show(Continuation screen) { ExecuteCommand(screen); }

  // Starts the sword in the slot as the dispatch's callers do; true when it was taken.
  bool Start(int slot, bool battle = true, bool by_player = true) {
    PendingStart() = StartRequest{battle, by_player, slot, false};
    CurrentBattle().PlayerTurn = by_player;
    Show(StartRequestedSword);
    return PendingStart().accepted;
  }

  std::vector<std::string> Lines() const {
    const ConsoleState& c = Console();
    return {c.texts.begin(), c.texts.begin() + c.text_count};
  }

  std::vector<std::string> Captions() const {
    const ConsoleState& c = Console();
    std::vector<std::string> captions;
    for (int j = 0; j < c.command_count; ++j) captions.push_back(c.commands[static_cast<std::size_t>(j)].caption);
    return captions;
  }

  // Presses the shown command with this caption; fails the test when there is none.
  void Press(const std::string& caption) {
    const ConsoleState& c = Console();
    for (int j = 0; j < c.command_count; ++j) {
      if (c.commands[static_cast<std::size_t>(j)].caption == caption) {
        ExecuteCommand(c.commands[static_cast<std::size_t>(j)].continuation);
        return;
      }
    }
    ADD_FAILURE() << "no command " << caption;
  }

  // The sound files played since the last call, without the folder.
  std::vector<std::string> Sounds() {
    std::vector<std::string> files;
    for (const auto& [file, loop] : host.TakeSounds()) files.push_back(file.substr(file.find('/') + 1));
    return files;
  }
};

}  // namespace zemra::testing
