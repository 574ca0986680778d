// The catalogue of drives: each drive name with where it is taken, the text
// of its start, the caption of its command and its effect.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/translate.h"
#include "runtime/console.h"

namespace zemra {

enum class DriveGroup { Field, Common, Battle };

// How a shot's damage is fixed when it is posted; None for drives that are not shots.
enum class ShotValue { None, One, Mystery, Two, Three, UserHP, ThirdOfOpponentMaxHP, HalfOfOpponentHP };

struct DriveEntry {
  int number;
  std::string_view name;
  DriveGroup group;
  // {U} the user, {O} the opponent, {P} the player, {S} the started sword,
  // filled in after the text is translated.
  std::string_view text;
  std::string_view caption;
  Continuation effect;
  ShotValue shot;
};

inline constexpr std::size_t kDriveRows = 39;
extern const std::array<DriveEntry, kDriveRows> DriveCatalogue;

// Row 23: the ten memory drives, "記憶遡行・" + chapter suffix + "章", taken
// in both places after every other common drive.
extern const DriveEntry MemoryDrive;
std::string MemoryDriveName(std::size_t chapter);

// The names that fill a drive text, as shown, taken when the drive is dispatched.
struct DriveTextNames {
  ShownName user;
  ShownName opponent;
  ShownName player;
  std::string sword;
};

std::string DriveText(std::string_view pattern, const DriveTextNames& names);

}  // namespace zemra
