// Starting a sword: the field and battle dispatch, the start announcement,
// and the small module state through which every drive effect reaches the
// two fighters and hands control back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/fighter.h"
#include "runtime/console.h"

namespace zemra {

struct TDriveContext {
  TFighter* DriveUser = nullptr;
  TFighter* DriveOpponent = nullptr;  // none in the field
  Continuation AfterDrive = nullptr;  // FieldSwordMenu in the field, AfterAction in battle
};

struct TPendingDrive {
  std::string PendingText;
  std::string PendingCaption;
  Continuation PendingEffect = nullptr;
  std::int32_t PendingValue = 0;  // a shot's damage
  std::int32_t ChapterIndex = 0;  // a memory drive's chapter, 0..9
  std::int32_t HintNumber = 0;    // the hint shown, 1..11
};

struct DriveState {
  TDriveContext context;
  TPendingDrive pending;
};

DriveState& Drives();
void ResetDrives();
TDriveContext& DriveContext();
TPendingDrive& PendingDrive();

// The dispatches: true when the slot's drive is taken here; its command is then offered.
bool StartFieldDrive(TFighter& player, int slot);
bool StartBattleDrive(TFighter& user, TFighter& opponent, int slot);
// Prints the start lines and breaks a sword that is not infinite.
void AnnounceSwordStart(TFighter& fighter, int slot);

void SetDriveContext(TFighter* user, TFighter* opponent, Continuation after_drive);
void PostDrive(std::string_view text, std::string_view caption, Continuation effect);
void PostChapterDrive(std::string_view text, std::string_view caption, Continuation effect, std::int32_t chapter);
void PostShot(std::string_view text, std::string_view caption, Continuation effect, std::int32_t value);
void ShowPendingDriveText();
// "≫" back to the context the drive came from.
void FinishDrive();

}  // namespace zemra
