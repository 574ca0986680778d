// "あなたが落としたのはこのステータスですか？": every refusal rolls again.
#include "game/status_offer.h"

#include "data/fighter.h"
#include "data/player_data.h"
#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/game_over.h"
#include "runtime/screen_routes.h"
#include "game/game.h"
#include "runtime/sounds.h"
#include "runtime/status_panels.h"
#include "story/story_playback.h"

namespace zemra {

void OfferStatus() {
  RollPlayerStatus();
  ShowSelfSwords(nullptr, 0);
  RefreshSelfPanel();
  AddMainText(Tr("あなたが落としたのはこのステータスですか？"));
  AddCommand(Tr("はい"), AcceptStatus);
  AddCommand(Tr("いいえ"), RejectStatus);
}

void RejectStatus() {
  PlayWave(Sound::Popon);
  OfferStatus();
}

void AcceptStatus() {
  TPlayerData& run = PlayerData();
  if (IsDead(run.Fighter)) {
    GameOver();
    return;
  }
  run.Depth = 0;
  run.Cleared = false;
  run.Obtained.fill(false);
  // Rejected rolls marked their swords too; only the accepted ones count.
  for (int i = 0; i < run.Fighter.SwordCount; ++i) MarkObtained(run.Fighter.Swords[static_cast<std::size_t>(i)].Kind);
  run.BattleCount = 0;
  StartStory("プロローグ");
}

}  // namespace zemra
