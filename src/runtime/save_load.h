// The one save slot, "save.dat" in the working directory: PlayerData and its
// check code.
#pragma once

#include <optional>
#include <string_view>

#include "data/player_data.h"
#include "engine/translate.h"

namespace zemra {

inline constexpr char kSaveFileName[] = "save.dat";

// Writes the current PlayerData; a failed save leaves the previous file whole.
bool SaveGame();

// Restores PlayerData from the save; PlayerData changes only on full success.
// A missing file is silent; a damaged one is reported through a warning.
bool LoadGame();

// The warnings a load shows, translated where they are shown: a file too
// short to read, and a record refused.
inline constexpr char kSaveReadFailedText[] = N_("（save.datの読み込みに失敗しました。）");
inline constexpr char kSaveBadContentText[] = N_("（save.datの内容が不適切です。）");

// A save file's bytes as a load reads them: the run, or none with `problem`
// set to the warning a load shows.
std::optional<TPlayerData> DecodeSaveFile(std::string_view bytes, std::string_view& problem);

inline constexpr char kSaveBackupFileName[] = "save.dat.bak";

// Moves the save aside as save.dat.bak (replacing an older one), so a new run
// starts while the old one is kept. False when there was none or it stayed.
bool BackUpSave();

}  // namespace zemra
