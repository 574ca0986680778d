// The dispatch turns a started sword into its drive text and command; the
// effect runs only when that command is pressed.
#include "drive/drive_dispatch.h"

#include "engine/module_state.h"

#include "battle/battle_flow.h"
#include "battle/sword_menus.h"
#include "data/player_data.h"
#include "data/shown_names.h"
#include "drive/drive_catalogue.h"
#include "engine/random.h"
#include "engine/translate.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"

namespace zemra {
namespace {

constexpr int kMysteryShotRange = 10;

std::int32_t ShotDamage(ShotValue kind, const TFighter& user, const TFighter& opponent) {
  switch (kind) {
    case ShotValue::None:
    case ShotValue::One: return 1;
    case ShotValue::Mystery: return Random(kMysteryShotRange);
    case ShotValue::Two: return 2;
    case ShotValue::Three: return 3;
    case ShotValue::UserHP: return user.HP;
    case ShotValue::ThirdOfOpponentMaxHP: return (opponent.MaxHP + 2) / 3;
    case ShotValue::HalfOfOpponentHP: return (opponent.HP + 1) / 2;
  }
  return 1;
}

// Compares the slot's drive with one group of the catalogue and posts the match.
bool PostFromGroup(DriveGroup group, const TSword& sword) {
  const TDriveContext& context = DriveContext();
  for (const DriveEntry& entry : DriveCatalogue) {
    if (entry.group != group || entry.name != sword.DriveName) continue;
    const DriveTextNames names{FighterInSentence(*context.DriveUser),
                               context.DriveOpponent != nullptr ? FighterInSentence(*context.DriveOpponent) : ShownName(),
                               FighterInSentence(PlayerData().Fighter), ShownSwordName(sword)};
    const std::string text = DriveText(Tr(entry.text), names);
    if (entry.shot == ShotValue::None) {
      PostDrive(text, entry.caption, entry.effect);
    } else {
      PostShot(text, entry.caption, entry.effect, ShotDamage(entry.shot, *context.DriveUser, *context.DriveOpponent));
    }
    return true;
  }
  return false;
}

// The common step's last comparison: the memory drives, chapter by chapter.
bool PostMemoryDrive(const TSword& sword) {
  for (std::size_t i = 0; i < ChapterNames.size(); ++i) {
    if (sword.DriveName != MemoryDriveName(i)) continue;
    PostChapterDrive(Tr(MemoryDrive.text), MemoryDrive.caption, MemoryDrive.effect, static_cast<std::int32_t>(i));
    return true;
  }
  return false;
}

bool PostCommon(const TSword& sword) { return PostFromGroup(DriveGroup::Common, sword) || PostMemoryDrive(sword); }

const TSword& SwordAt(const TFighter& fighter, int slot) { return fighter.Swords[static_cast<std::size_t>(slot)]; }

bool Occupied(const TFighter& fighter, int slot) { return slot >= 0 && slot < fighter.SwordCount; }

}  // namespace

DriveState& Drives() {
  return ModuleState<DriveState>();
}

void ResetDrives() { Drives() = DriveState{}; }
TDriveContext& DriveContext() { return Drives().context; }
TPendingDrive& PendingDrive() { return Drives().pending; }

void SetDriveContext(TFighter* user, TFighter* opponent, Continuation after_drive) {
  DriveContext() = TDriveContext{user, opponent, after_drive};
}

bool StartFieldDrive(TFighter& player, int slot) {
  SetDriveContext(&player, nullptr, FieldSwordMenu);
  if (!Occupied(player, slot)) return false;
  const TSword& sword = SwordAt(player, slot);
  return PostFromGroup(DriveGroup::Field, sword) || PostCommon(sword);
}

bool StartBattleDrive(TFighter& user, TFighter& opponent, int slot) {
  SetDriveContext(&user, &opponent, AfterAction);
  if (!Occupied(user, slot)) return false;
  const TSword& sword = SwordAt(user, slot);
  return PostFromGroup(DriveGroup::Battle, sword) || PostCommon(sword);
}

void AnnounceSwordStart(TFighter& fighter, int slot) {
  PlayWave(Sound::Hyuun);
  const TSword& sword = SwordAt(fighter, slot);
  // Taken before the sword may be removed from the slot.
  const std::string name = ShownSwordName(sword);
  const std::string drive = ShownDriveName(sword);
  AddMainText(Tf("%1は「%2」を始動させた。", {FighterInSentence(fighter), name}));
  if (!sword.Infinite) {
    RemoveSword(fighter, slot);
    InsertMainText(1, Tf("「%1」は砕け散った。", {name}));
  }
  AddMainText("");
  AddMainText("≪" + drive + "≫");
  ShowPendingDriveText();
  RecalcFighter(fighter);
}

void PostDrive(std::string_view text, std::string_view caption, Continuation effect) {
  TPendingDrive& pending = PendingDrive();
  pending.PendingText = text;
  pending.PendingCaption = caption;
  pending.PendingEffect = effect;
  AddCommand(Tr(pending.PendingCaption), pending.PendingEffect);
}

void PostChapterDrive(std::string_view text, std::string_view caption, Continuation effect, std::int32_t chapter) {
  PostDrive(text, caption, effect);
  PendingDrive().ChapterIndex = chapter;
}

void ShowPendingDriveText() { AddMainText(PendingDrive().PendingText); }

void FinishDrive() {
  const Continuation after = DriveContext().AfterDrive;
  // Every dispatch sets the context; the field stands in should it be missing.
  AddCommand("≫", after != nullptr ? after : FieldSwordMenu);
}

}  // namespace zemra
