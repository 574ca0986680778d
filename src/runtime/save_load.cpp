// Saving and loading. The file is replaced only once the new record is on
// disk, and a loaded record is used only when every value in it is sound.
#include "runtime/save_load.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "data/player_data.h"
#include "data/save_record.h"
#include "engine/file_io.h"
#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/game_objects.h"

namespace zemra {
namespace {

std::filesystem::path SavePath() { return Locations().SaveFile(kSaveFileName); }

bool SaveFileMissing() {
  std::error_code error;
  const bool exists = std::filesystem::exists(SavePath(), error);
  return !error && !exists;
}

}  // namespace

bool SaveGame() {
  const std::optional<std::string> record = EncodeSaveRecord(PlayerData());
  if (!record) return false;
  return WriteFileReplacing(SavePath(), *record);
}

bool BackUpSave() {
  if (SaveFileMissing()) return false;
  std::error_code error;
  std::filesystem::rename(SavePath(), Locations().SaveFile(kSaveBackupFileName), error);
  return !error;
}

std::optional<TPlayerData> DecodeSaveFile(std::string_view bytes, std::string_view& problem) {
  if (bytes.size() < kSaveRecordSize) {
    problem = kSaveReadFailedText;
    return std::nullopt;
  }
  const std::string_view record = bytes.substr(0, kSaveRecordSize);
  std::optional<TPlayerData> data;
  if (CheckCodeMatches(record)) data = DecodePlayerData(record);
  if (!data) problem = kSaveBadContentText;
  return data;
}

bool LoadGame() {
  if (SaveFileMissing()) return false;
  const std::optional<std::string> bytes = ReadFileHead(SavePath(), kSaveRecordSize);
  std::string_view problem = kSaveReadFailedText;
  std::optional<TPlayerData> data;
  if (bytes) data = DecodeSaveFile(*bytes, problem);
  if (!data) {
    ShowWarningMessage(Tr(problem));
    return false;
  }
  PlayerData() = std::move(*data);
  return true;
}

}  // namespace zemra
