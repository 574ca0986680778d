// The save record codec: the byte layouts of TSword (116 bytes), TFighter
// (1004) and PlayerData (1112), and the check code of the 1124-byte save.
// Integers are 32-bit little-endian, booleans one byte 0/1, strings a length
// byte and code page 932 bytes padded with zeros to their capacity.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/fighter.h"
#include "data/player_data.h"
#include "data/sword.h"

namespace zemra {

inline constexpr std::size_t kSwordRecordSize = 116;
inline constexpr std::size_t kFighterRecordSize = 1004;
inline constexpr std::size_t kPlayerRecordSize = 1112;
inline constexpr std::size_t kSaveRecordSize = 1124;
inline constexpr std::size_t kCheckCodeOffset = 1112;  // length byte, then the letters
inline constexpr std::size_t kCheckCodeLength = 10;

// The record bytes; nullopt when a string holds a character code page 932
// cannot hold. A string longer than its capacity is cut to it.
std::optional<std::string> EncodeSword(const TSword& sword);
std::optional<std::string> EncodeFighter(const TFighter& fighter);
std::optional<std::string> EncodePlayerData(const TPlayerData& data);

// PlayerData from the first 1112 bytes. Refuses a short record and any value
// the game never makes: a sword count outside 0..8, a depth outside 0..9, a
// sword in use that does not fit its kind, a boolean other than 0 or 1, a
// string that is not code page 932 or overruns its capacity, a fighter whose
// name or MaxHP is not what its swords give, HP above MaxHP, a hit rate
// outside 0..100, cards outside 0..100 (-1 for none in play), a negative
// battle count. Slots past the
// sword count mean nothing and are read leniently.
std::optional<TPlayerData> DecodePlayerData(std::string_view record);

// The ten letters guarding a 1124-byte save record.
std::string MakeCheckCode(std::string_view record);

// The whole save record: PlayerData, then the check code and zero padding.
std::optional<std::string> EncodeSaveRecord(const TPlayerData& data);

// True when bytes 1112..1122 hold the record's own check code.
bool CheckCodeMatches(std::string_view record);

}  // namespace zemra
