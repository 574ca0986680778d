// The one save slot, "save.dat" in the working directory: PlayerData and its
// check code.
#pragma once

namespace zemra {

inline constexpr char kSaveFileName[] = "save.dat";

// Writes the current PlayerData; a failed save leaves the previous file whole.
bool SaveGame();

// Restores PlayerData from the save; PlayerData changes only on full success.
// A missing file is silent; a damaged one is reported through a warning.
bool LoadGame();

inline constexpr char kSaveBackupFileName[] = "save.dat.bak";

// Moves the save aside as save.dat.bak (replacing an older one), so a new run
// starts while the old one is kept. False when there was none or it stayed.
bool BackUpSave();

}  // namespace zemra
