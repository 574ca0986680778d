// Each step of a battle is a screen: it fills the console and names the next
// step through its commands. The flags in CurrentBattle() carry the turn.
#include "battle/battle_flow.h"

#include <string>

#include "battle/attack.h"
#include "battle/battle_flags.h"
#include "battle/enemy_ai.h"
#include "battle/sword_menus.h"
#include "data/enemy.h"
#include "data/player_data.h"
#include "data/shown_names.h"
#include "runtime/screen_routes.h"
#include "engine/random.h"
#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/ending.h"
#include "runtime/game_over.h"
#include "runtime/screen_routes.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

constexpr int kBossOdds = 100;
constexpr int kRareOdds = 25;
constexpr int kFleeOdds = 2;

TFighter& Player() { return PlayerData().Fighter; }

void StartBattle();
void PlayerMenu();
void PlayerFight();
void EnemyTurn();
void ExchangeBlows();
void EnemyAttacksAlone();
void TryFlee();
void EscapeLosingDepth() { Escape(true); }
void Victory();
void ChooseSpoil();
void SpoilPicked();
void MakeRoomForSpoil();
void DropForSpoil();
void DropAndTake();
void TakeSpoil();
void LeaveBattle();

void StartBattle() {
  TPlayerData& run = PlayerData();
  CountBattle();
  CreateEnemy(EncounterOfFlags());
  BattleFlags& b = CurrentBattle();
  b.BarrierUp = false;
  b.PlayerFights = false;
  b.PlayerFleeFailed = false;
  b.EnemyFights = false;
  ShowTopPanel(Control::PanelMainEnemy);
  AddMainText(Tf("%1が現れた！", {FighterInSentence(Enemy())}));
  b.PlayerTurn = run.Depth < kMaxDepth;
  AddCommand(Tr("戦う"), NextTurn);
  AddCommand(Tr("逃げる"), EscapeLosingDepth);
}

void PlayerMenu() {
  BattleFlags& b = CurrentBattle();
  b.PlayerFights = false;
  b.PlayerFleeFailed = false;
  AddMainText(Tr("どうする？"));
  SetSwordMenuSlots(NextTurn, BattleSwordStartConfirmed);
  AddCommand(Tr("ファイト"), PlayerFight);
  AddCommand(Tr("剣始動"), SwordStartMenu);
  AddCommand(Tr("剣廃棄"), SwordDiscardMenu);
  AddCommand(Tr("逃走"), TryFlee);
}

void PlayerFight() {
  CurrentBattle().PlayerFights = true;
  AfterAction();
}

void EnemyTurn() {
  BattleFlags& b = CurrentBattle();
  b.EnemyFights = false;
  int slot = 0;
  if (EnemyChooseSword(slot)) {
    if (StartBattleDriveFromBattle(Enemy(), Player(), slot)) return;
    // The enemy only picks drives the dispatch takes; should one ever be
    // refused, the enemy fights rather than leave the page without a command.
  }
  b.EnemyFights = true;
  AfterAction();
}

void ExchangeBlows() {
  TFighter& enemy = Enemy();
  NextCard(enemy);
  NextCard(Player());
  ShowAttackLine(enemy);
  ShowAttackLine(Player());
  DoAttackResult(AttackResult(Player()), AttackResult(enemy), false);
}

void EnemyAttacksAlone() {
  NextCard(Enemy());
  ShowAttackLine(Enemy());
  DoAttackResult(kMiss, AttackResult(Enemy()), true);
}

void TryFlee() {
  if (Random(kFleeOdds) == 0) {
    Escape(true);
    return;
  }
  AddMainText(Tr("逃げ切れなかった！"));
  CurrentBattle().PlayerFleeFailed = true;
  AddCommand("≫", AfterAction);
}

void Victory() {
  PlayWave(Sound::Break);
  AddMainText(Tf("%1を倒した！", {FighterInSentence(Enemy())}));
  AddCommand("≫", ChooseSpoil);
}

void ChooseSpoil() {
  ShowEnemySwords(SpoilPicked, 0);
  AddMainText(Tr("どの剣を奪いますか？"));
  AddCommand(Tr("去る"), LeaveBattle);
}

void SpoilPicked() {
  CurrentBattle().ChosenSpoil = SelectedSword();
  MakeRoomForSpoil();
}

const TSword& Spoil() { return Enemy().Swords[static_cast<std::size_t>(CurrentBattle().ChosenSpoil)]; }

void ShowSpoilGain() {
  AddMainText("");
  AddMainText(Tf("Gain：「%1」", {ShownSwordName(Spoil())}));
}

void MakeRoomForSpoil() {
  if (Player().SwordCount < kMaxSwords) {
    TakeSpoil();
    return;
  }
  ShowSelfSwords(DropForSpoil, 0);
  AddMainText(Tr("スロットに空きがありません。"));
  AddMainText(Tr("どの剣を捨てますか？"));
  ShowSpoilGain();
  AddCommand(Tr("キャンセル"), ChooseSpoil);
}

const TSword& SelectedPlayerSword() { return Player().Swords[static_cast<std::size_t>(SelectedSword())]; }

void DropForSpoil() {
  const TSword& sword = SelectedPlayerSword();
  if (sword.Cursed) {
    PlayWave(Sound::Duty);
    AddMainText(Tf("「%1」は呪われています。", {ShownSwordName(sword)}));
    AddMainText(Tr("他の剣を選んでください。"));
    ShowSpoilGain();
    AddCommand(Tr("キャンセル"), ChooseSpoil);
    return;
  }
  AskAboutChosenSword(N_("「%1」を捨てます。"), DropAndTake, MakeRoomForSpoil);
}

void DropAndTake() {
  AddMainText(Tf("「%1」を捨てて、", {ShownSwordName(SelectedPlayerSword())}));
  RemoveSword(Player(), SelectedSword());
  TakeSpoil();
}

void TakeSpoil() {
  PlayWave(Sound::Popon);
  SetSelectedSword(Player().SwordCount);
  const TSword spoil = Spoil();
  AddSword(Player(), spoil);
  RecalcFighter(Player());
  AddMainText(Tf("「%1」を手に入れた。", {ShownSwordName(spoil)}));
  AddCommand("≫", LeaveBattle);
  ShowSelfSwords(nullptr, 1);
}

void LeaveBattle() {
  TPlayerData& run = PlayerData();
  const BattleFlags& b = CurrentBattle();
  if (b.QueenBattle) {
    run.Cleared = true;
    ShowEnding();
  } else {
    EnterField();
  }
  if (run.Depth == kMaxDepth && b.BossBattle) run.KingDefeated = true;
}

}  // namespace

void Wander() {
  BattleFlags& b = CurrentBattle();
  b.BossBattle = Random(kBossOdds) == 0;
  b.QueenBattle = false;
  b.RareBattle = !b.BossBattle && Random(kRareOdds) == 0;
  StartBattle();
}

void StartQueenBattle() {
  BattleFlags& b = CurrentBattle();
  b.QueenBattle = true;
  b.BossBattle = false;
  b.RareBattle = false;
  StartBattle();
}

void StartBossBattle() {
  BattleFlags& b = CurrentBattle();
  b.BossBattle = true;
  b.QueenBattle = false;
  b.RareBattle = false;
  StartBattle();
}

void NextTurn() {
  ShowTopPanel(Control::PanelMainEnemy);
  if (CurrentBattle().PlayerTurn) {
    PlayerMenu();
  } else {
    EnemyTurn();
  }
}

void AfterAction() {
  TFighter& enemy = Enemy();
  Player().Card = kNoCard;
  enemy.Card = kNoCard;
  BattleFlags& b = CurrentBattle();
  if (IsDead(Player())) {
    GameOver();
  } else if (IsDead(enemy)) {
    Victory();
  } else if (b.PlayerFights && b.EnemyFights) {
    ExchangeBlows();
  } else if (b.PlayerFleeFailed && b.EnemyFights) {
    EnemyAttacksAlone();
  } else {
    b.PlayerTurn = !b.PlayerTurn;
    NextTurn();
  }
}

void Escape(bool lose_depth) {
  PlayWave(Sound::Thathatha);
  ShowTopPanel(Control::PanelMainEnemy);
  AddMainText(Tf("%1は逃げ出した。", {FighterInSentence(Player())}));
  TPlayerData& run = PlayerData();
  if (lose_depth && run.Depth > 0) {
    --run.Depth;
    AddMainText(Tr("深度が１下がった。"));
  }
  AddCommand("≫", EnterField);
}

void BattleSwordStartConfirmed() {
  StartChosenSword([](TFighter& player, int slot) { return StartBattleDriveFromBattle(player, Enemy(), slot); }, NextTurn);
}

}  // namespace zemra
