// Encoding and decoding of the saved records, field by field at fixed offsets,
// so the file format never depends on how the compiler lays out a struct.
#include "data/save_record.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "data/common.h"
#include "engine/byte_order.h"
#include "engine/sjis.h"

namespace zemra {
namespace {

// TSword
constexpr std::size_t kSwordKind = 0;
constexpr std::size_t kSwordName = 4;
constexpr std::size_t kSwordInscribed = 21;
constexpr std::size_t kSwordCursed = 22;
constexpr std::size_t kSwordLife = 24;
constexpr std::size_t kSwordHit = 28;
constexpr std::size_t kSwordDriveName = 32;
constexpr std::size_t kSwordInfinite = 49;
constexpr std::size_t kSwordDescription = 50;

// TFighter
constexpr std::size_t kFighterName = 0;
constexpr std::size_t kFighterBaseName = 17;
constexpr std::size_t kFighterHP = 36;
constexpr std::size_t kFighterMaxHP = 40;
constexpr std::size_t kFighterHit = 44;
constexpr std::size_t kFighterSwords = 48;
constexpr std::size_t kFighterSwordCount = 976;
constexpr std::size_t kFighterCard = 980;
constexpr std::size_t kFighterCards = 984;

// PlayerData
constexpr std::size_t kPlayerFighter = 0;
constexpr std::size_t kPlayerName = 1004;
constexpr std::size_t kPlayerDepth = 1024;
constexpr std::size_t kPlayerCleared = 1028;
constexpr std::size_t kPlayerKingDefeated = 1029;
constexpr std::size_t kPlayerObtained = 1029;  // kind k at 1029 + k
constexpr std::size_t kPlayerBattleCount = 1108;

constexpr std::string_view kCheckSalt = "TQ4NV7XM28";
constexpr std::array<int, kCheckCodeLength> kCheckSeeds{2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
constexpr std::array<int, kCheckCodeLength> kCheckMultipliers{31, 37, 41, 43, 47, 2, 3, 5, 7, 11};
constexpr int kCheckModulus = 52;

static_assert(kFighterSwords + kMaxSwords * kSwordRecordSize == kFighterSwordCount);
static_assert(kFighterCards + kHandSize * 4 == kFighterRecordSize);
static_assert(kPlayerObtained + kSwordKindCount + 1 == kPlayerBattleCount);
static_assert(kPlayerBattleCount + 4 == kPlayerRecordSize);

// Writes fields into a zero-filled record; fails once a string cannot be held.
class RecordWriter {
 public:
  explicit RecordWriter(std::size_t size) : bytes_(size, '\0') {}

  void Int32(std::size_t at, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) bytes_[at + i] = static_cast<char>((u >> (8 * i)) & 0xFFu);
  }

  void Bool(std::size_t at, bool value) { bytes_[at] = value ? '\1' : '\0'; }

  void String(std::size_t at, std::size_t capacity, std::string_view utf8) {
    std::optional<std::string> sjis = Utf8ToSjis(utf8);
    if (sjis && sjis->size() > capacity) sjis = Utf8ToSjis(CutSjis(utf8, capacity));
    if (!sjis) {
      ok_ = false;
      return;
    }
    bytes_[at] = static_cast<char>(sjis->size());
    bytes_.replace(at + 1, sjis->size(), *sjis);
  }

  void Bytes(std::size_t at, std::string_view part) { bytes_.replace(at, part.size(), part); }
  void Fail() { ok_ = false; }

  std::optional<std::string> Result() && {
    if (!ok_) return std::nullopt;
    return std::move(bytes_);
  }

 private:
  std::string bytes_;
  bool ok_ = true;
};

// Reads fields; a strict reader refuses values the game never writes, a
// lenient one keeps what it can.
class RecordReader {
 public:
  RecordReader(std::string_view bytes, bool strict) : bytes_(bytes), strict_(strict) {}

  std::int32_t Int32(std::size_t at) const {
    return static_cast<std::int32_t>(ReadLittleEndian(bytes_, at, 4));
  }

  bool Bool(std::size_t at) {
    const auto b = static_cast<unsigned char>(bytes_[at]);
    Require(b <= 1);
    return b != 0;
  }

  std::string String(std::size_t at, std::size_t capacity) {
    const std::size_t length = static_cast<unsigned char>(bytes_[at]);
    Require(length <= capacity);
    const std::optional<std::string> utf8 = SjisToUtf8(bytes_.substr(at + 1, std::min(length, capacity)));
    Require(utf8.has_value());
    return utf8.value_or(std::string());
  }

  void Require(bool condition) {
    if (strict_ && !condition) ok_ = false;
  }

  RecordReader Part(std::size_t at, std::size_t size, bool strict) const { return RecordReader(bytes_.substr(at, size), strict); }
  bool ok() const { return ok_; }

 private:
  std::string_view bytes_;
  bool strict_;
  bool ok_ = true;
};

TSword ReadSword(RecordReader& in) {
  TSword sword;
  sword.Kind = in.Int32(kSwordKind);
  sword.Name = in.String(kSwordName, kSwordNameCapacity);
  sword.Inscribed = in.Bool(kSwordInscribed);
  sword.Cursed = in.Bool(kSwordCursed);
  sword.Life = in.Int32(kSwordLife);
  sword.Hit = in.Int32(kSwordHit);
  sword.DriveName = in.String(kSwordDriveName, kDriveNameCapacity);
  sword.Infinite = in.Bool(kSwordInfinite);
  sword.Description = in.String(kSwordDescription, kDescriptionCapacity);
  in.Require(SwordFitsKind(sword));
  return sword;
}

TFighter ReadFighter(RecordReader& in) {
  TFighter fighter;
  fighter.Name = in.String(kFighterName, kSwordNameCapacity);
  fighter.BaseName = in.String(kFighterBaseName, kSwordNameCapacity);
  fighter.HP = in.Int32(kFighterHP);
  fighter.MaxHP = in.Int32(kFighterMaxHP);
  fighter.Hit = in.Int32(kFighterHit);
  fighter.SwordCount = in.Int32(kFighterSwordCount);
  in.Require(fighter.SwordCount >= 0 && fighter.SwordCount <= kMaxSwords);
  for (std::size_t i = 0; i < fighter.Swords.size(); ++i) {
    const bool in_use = static_cast<std::int32_t>(i) < fighter.SwordCount;
    RecordReader part = in.Part(kFighterSwords + i * kSwordRecordSize, kSwordRecordSize, in_use);
    fighter.Swords[i] = ReadSword(part);
    in.Require(part.ok());
  }
  fighter.Card = in.Int32(kFighterCard);
  for (std::size_t i = 0; i < fighter.Cards.size(); ++i) fighter.Cards[i] = in.Int32(kFighterCards + 4 * i);
  return fighter;
}

// The fighter as the game keeps it: name and life follow from the swords, the
// hit rate and cards stay in their ranges. The hit rate may lag behind the
// swords after a drive lowers it, so only its range is checked.
bool FighterIsSound(const TFighter& fighter) {
  TFighter derived = fighter;
  RecalcFighter(derived);
  constexpr std::int32_t kHighestCard = 100;  // a drive can raise a card to 100
  const auto card_ok = [](std::int32_t card) { return card >= 0 && card <= kHighestCard; };
  return fighter.Name == derived.Name && fighter.MaxHP == derived.MaxHP && fighter.HP <= fighter.MaxHP &&
         fighter.Hit >= 0 && fighter.Hit <= kMaxHit && (fighter.Card == kNoCard || card_ok(fighter.Card)) &&
         std::all_of(fighter.Cards.begin(), fighter.Cards.end(), card_ok);
}

}  // namespace

std::optional<std::string> EncodeSword(const TSword& sword) {
  RecordWriter out(kSwordRecordSize);
  out.Int32(kSwordKind, sword.Kind);
  out.String(kSwordName, kSwordNameCapacity, sword.Name);
  out.Bool(kSwordInscribed, sword.Inscribed);
  out.Bool(kSwordCursed, sword.Cursed);
  out.Int32(kSwordLife, sword.Life);
  out.Int32(kSwordHit, sword.Hit);
  out.String(kSwordDriveName, kDriveNameCapacity, sword.DriveName);
  out.Bool(kSwordInfinite, sword.Infinite);
  out.String(kSwordDescription, kDescriptionCapacity, sword.Description);
  return std::move(out).Result();
}

std::optional<std::string> EncodeFighter(const TFighter& fighter) {
  RecordWriter out(kFighterRecordSize);
  out.String(kFighterName, kSwordNameCapacity, fighter.Name);
  out.String(kFighterBaseName, kSwordNameCapacity, fighter.BaseName);
  out.Int32(kFighterHP, fighter.HP);
  out.Int32(kFighterMaxHP, fighter.MaxHP);
  out.Int32(kFighterHit, fighter.Hit);
  for (std::size_t i = 0; i < fighter.Swords.size(); ++i) {
    const std::optional<std::string> sword = EncodeSword(fighter.Swords[i]);
    if (!sword) {
      out.Fail();
      break;
    }
    out.Bytes(kFighterSwords + i * kSwordRecordSize, *sword);
  }
  out.Int32(kFighterSwordCount, fighter.SwordCount);
  out.Int32(kFighterCard, fighter.Card);
  for (std::size_t i = 0; i < fighter.Cards.size(); ++i) out.Int32(kFighterCards + 4 * i, fighter.Cards[i]);
  return std::move(out).Result();
}

std::optional<std::string> EncodePlayerData(const TPlayerData& data) {
  RecordWriter out(kPlayerRecordSize);
  const std::optional<std::string> fighter = EncodeFighter(data.Fighter);
  if (!fighter) return std::nullopt;
  out.Bytes(kPlayerFighter, *fighter);
  out.String(kPlayerName, kSwordNameCapacity, data.PlayerName);
  out.Int32(kPlayerDepth, data.Depth);
  out.Bool(kPlayerCleared, data.Cleared);
  out.Bool(kPlayerKingDefeated, data.KingDefeated);
  for (std::size_t k = 1; k < data.Obtained.size(); ++k) out.Bool(kPlayerObtained + k, data.Obtained[k]);
  out.Int32(kPlayerBattleCount, data.BattleCount);
  return std::move(out).Result();
}

std::optional<TPlayerData> DecodePlayerData(std::string_view record) {
  if (record.size() < kPlayerRecordSize) return std::nullopt;
  RecordReader in(record.substr(0, kPlayerRecordSize), true);
  TPlayerData data;
  RecordReader fighter = in.Part(kPlayerFighter, kFighterRecordSize, true);
  data.Fighter = ReadFighter(fighter);
  in.Require(fighter.ok());
  data.PlayerName = in.String(kPlayerName, kSwordNameCapacity);
  data.Depth = in.Int32(kPlayerDepth);
  in.Require(data.Depth >= 0 && data.Depth <= kMaxDepth);
  data.Cleared = in.Bool(kPlayerCleared);
  data.KingDefeated = in.Bool(kPlayerKingDefeated);
  for (std::size_t k = 1; k < data.Obtained.size(); ++k) data.Obtained[k] = in.Bool(kPlayerObtained + k);
  data.BattleCount = in.Int32(kPlayerBattleCount);
  in.Require(data.BattleCount >= 0);
  // Only a record whose sword slots are sound can be checked against its swords.
  if (!in.ok() || !FighterIsSound(data.Fighter)) return std::nullopt;
  return data;
}

namespace {

// A zero byte only multiplies an accumulator, so a run of n of them
// multiplies it by the n-th power: the record is two thirds zero padding,
// and every screen of a recording takes its check code.
constexpr auto kZeroRunFactors = [] {
  std::array<std::array<std::uint8_t, kSaveRecordSize + 1>, kCheckCodeLength> factors{};
  for (std::size_t k = 0; k < kCheckCodeLength; ++k) {
    int power = 1;
    for (std::size_t n = 0; n <= kSaveRecordSize; ++n) {
      factors[k][n] = static_cast<std::uint8_t>(power);
      power = power * kCheckMultipliers[k] % kCheckModulus;
    }
  }
  return factors;
}();

}  // namespace

std::string MakeCheckCode(std::string_view record) {
  std::string copy(record.substr(0, std::min(record.size(), kSaveRecordSize)));
  copy.resize(kSaveRecordSize, '\0');
  copy[kCheckCodeOffset] = static_cast<char>(kCheckSalt.size());
  copy.replace(kCheckCodeOffset + 1, kCheckSalt.size(), kCheckSalt);
  std::array<int, kCheckCodeLength> accumulators = kCheckSeeds;
  for (std::size_t i = 0; i < copy.size();) {
    if (copy[i] == '\0') {
      const std::size_t run = copy.find_first_not_of('\0', i);
      const std::size_t zeros = (run == std::string::npos ? copy.size() : run) - i;
      for (std::size_t k = 0; k < accumulators.size(); ++k) {
        accumulators[k] = accumulators[k] * kZeroRunFactors[k][zeros] % kCheckModulus;
      }
      i += zeros;
      continue;
    }
    const int b = static_cast<unsigned char>(copy[i++]);
    for (std::size_t k = 0; k < accumulators.size(); ++k) {
      accumulators[k] = (accumulators[k] * kCheckMultipliers[k] + b) % kCheckModulus;
    }
  }
  std::string code;
  for (const int value : accumulators) code += IntToAlf(value);
  return code;
}

std::optional<std::string> EncodeSaveRecord(const TPlayerData& data) {
  std::optional<std::string> record = EncodePlayerData(data);
  if (!record) return std::nullopt;
  record->resize(kSaveRecordSize, '\0');
  const std::string code = MakeCheckCode(*record);
  (*record)[kCheckCodeOffset] = static_cast<char>(code.size());
  record->replace(kCheckCodeOffset + 1, code.size(), code);
  return record;
}

bool CheckCodeMatches(std::string_view record) {
  if (record.size() < kSaveRecordSize) return false;
  const std::string code = MakeCheckCode(record);
  return static_cast<unsigned char>(record[kCheckCodeOffset]) == code.size() &&
         record.substr(kCheckCodeOffset + 1, code.size()) == code;
}

}  // namespace zemra
