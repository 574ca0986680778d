// The digest covers the console, every visibility the core set, the sword row
// and its highlight, both fighters and the encoded run record.
#include "record/screen_digest.h"

#include <optional>
#include <string_view>

#include "data/enemy.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "data/save_record.h"
#include "engine/module_state.h"
#include "record/sha256.h"
#include "runtime/console.h"
#include "runtime/game_objects.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

constexpr std::size_t kDigestHexDigits = 16;

// Every clock step of an animated page is digested and reaches the same
// screen again and again: the record's check code and the hash, the costly
// parts, are taken anew only when what they cover changed.
struct DigestMemo {
  std::optional<TPlayerData> player;
  std::string save_record;
  std::string plain;
  std::string digest;
};

const std::string& SaveRecordOf(const TPlayerData& data) {
  DigestMemo& memo = ModuleState<DigestMemo>();
  if (memo.player != data) {
    memo.save_record = EncodeSaveRecord(data).value_or("-");
    memo.player = data;
  }
  return memo.save_record;
}

// Fields end with a byte no text of the game holds, so no two screens run together.
void Field(std::string& out, std::string_view text) {
  out += text;
  out += '\x1f';
}

void Number(std::string& out, long long value) { Field(out, std::to_string(value)); }

void FighterFields(std::string& out, const TFighter& fighter) {
  Field(out, fighter.Name);
  Number(out, fighter.HP);
  Number(out, fighter.MaxHP);
  Number(out, fighter.Hit);
  Number(out, fighter.Card);
  for (std::int32_t card : fighter.Cards) Number(out, card);
}

}  // namespace

std::string ScreenDigest() {
  std::string out;
  if (!GameStarted()) return std::string(kDigestHexDigits, '0');
  const ScreenRecord& screen = Screen();
  for (int c = 0; c < kControlCount; ++c) out += screen.Visible(static_cast<Control>(c)) ? '1' : '0';
  Number(out, screen.Terminated() ? 1 : 0);

  const ConsoleState& console = Console();
  for (int i = 0; i < console.text_count; ++i) Field(out, console.texts[static_cast<std::size_t>(i)]);
  Field(out, "|");
  for (int j = 0; j < console.command_count; ++j) Field(out, console.commands[static_cast<std::size_t>(j)].caption);
  for (int tag : console.button_tags) Number(out, tag);
  Number(out, static_cast<int>(console.shown_top));
  Field(out, console.shown_image);

  const SwordPanelState& panel = SwordPanel();
  Number(out, panel.scheme == SwordScheme::Self ? 0 : 1);
  Number(out, panel.shows_enemy ? 1 : 0);
  Number(out, panel.frozen ? 1 : 0);
  Number(out, panel.bound != nullptr ? 1 : 0);
  Number(out, panel.hover);
  for (bool lit : panel.highlighted) out += lit ? '1' : '0';
  const TFighter& shown = ShownFighter();
  for (int i = 0; i < shown.SwordCount; ++i) {
    const TSword& sword = shown.Swords[static_cast<std::size_t>(i)];
    Field(out, sword.Name + " (" + std::to_string(sword.Hit) + ")");
  }

  FighterFields(out, PlayerData().Fighter);
  FighterFields(out, Enemy());
  Field(out, SaveRecordOf(PlayerData()));
  DigestMemo& memo = ModuleState<DigestMemo>();
  if (out != memo.plain) {
    memo.digest = Sha256Hex(out).substr(0, kDigestHexDigits);
    memo.plain = std::move(out);
  }
  return memo.digest;
}

}  // namespace zemra
