// The sword record and its creation by name. Every sword of the game comes from
// CreateSword; the kind numbers are stored in saved games and never change.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zemra {

inline constexpr int kSwordKindCount = 78;
// Capacities in code page 932 bytes of the strings a sword record holds.
inline constexpr std::size_t kSwordNameCapacity = 16;
inline constexpr std::size_t kDriveNameCapacity = 16;
inline constexpr std::size_t kDescriptionCapacity = 64;

// Kinds whose sword takes the player's name instead of the catalogue name.
inline constexpr std::int32_t kQueenKind = 65;
inline constexpr std::int32_t kPawnKind = 67;

struct TSword {
  std::int32_t Kind = 0;  // 1..78; -1 for a name the catalogue does not know
  std::string Name;       // UTF-8, at most 16 code page 932 bytes
  bool Inscribed = false;
  bool Cursed = false;
  std::int32_t Life = 0;
  std::int32_t Hit = 0;
  std::string DriveName;  // empty: the sword starts no drive
  bool Infinite = false;  // starting the drive keeps the sword
  std::string Description;

  friend bool operator==(const TSword&, const TSword&) = default;
};

// The kind names, indexed 1..78; index 0 is empty.
extern const std::array<std::string_view, kSwordKindCount + 1> SwordKindNames;
// The chapter suffixes of the memory scrolls and of the story, 序 .. 終.
extern const std::array<std::string_view, 10> ChapterNames;

// The complete sword for a name; unknown names are reported and give Kind -1.
TSword CreateSword(std::string_view name);

// True when the sword is what CreateSword makes for its kind: a kind 1..78,
// its catalogue name (any name for Queen and Pawn), and the kind's life, hit,
// marks and drive. Swords never change once made, so a saved sword that does
// not fit was altered outside the game.
bool SwordFitsKind(const TSword& sword);

// A memory scroll's drive name and description as shown in the current
// language; nullopt for a sword of another kind.
struct ScrollTexts {
  std::string drive;
  std::string description;
};
std::optional<ScrollTexts> ScrollChapterTexts(const TSword& sword);

// The information text of one sword, lines joined by "\r\n".
std::string SwordInfoText(const TSword& sword);

}  // namespace zemra
