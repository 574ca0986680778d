// The card drives: each changes the user's upcoming cards, never the card in play.
#include <algorithm>
#include <numeric>
#include <string_view>

#include "data/fighter.h"
#include "data/shown_names.h"
#include "drive/drive_dispatch.h"
#include "drive/drive_effects.h"
#include "engine/random.h"
#include "engine/translate.h"
#include "runtime/game_objects.h"
#include "runtime/sounds.h"

namespace zemra {
namespace {

constexpr std::int32_t kCardCap = kCardRange - 1;

using Hand = std::array<std::int32_t, kHandSize>;

void DropNextCard(Hand& cards) {
  std::shift_left(cards.begin(), cards.end(), 1);
  cards.back() = Random(kCardRange);
}

// The line is a message with the user's name as %1.
template <typename Change>
void CardDrive(Change change, std::string_view line) {
  PlayWave(Sound::Turn);
  TFighter& user = *DriveContext().DriveUser;
  change(user);
  AddMainText(Tf(line, {FighterInSentence(user)}));
  FinishDrive();
}

}  // namespace

void Snap() {
  CardDrive([](TFighter& f) { DropNextCard(f.Cards); }, N_("%1のネクストカードが破棄された。"));
}

void BloodSnap() {
  CardDrive([](TFighter& f) { f.Cards[0] = 0; }, N_("%1のネクストカードが腐った。"));
}

void WhiteSnap() {
  CardDrive([](TFighter& f) { f.Cards.fill(0); }, N_("%1のカードがすべて腐った。"));
}

void HappyPierce() {
  // Next card and hit rate add up to exactly 100, a critical; no clipping.
  CardDrive([](TFighter& f) { f.Cards[0] = 100 - f.Hit; }, N_("%1のネクストカードが調整された。"));
}

void Redraw() {
  CardDrive([](TFighter& f) { DealCards(f); }, N_("%1のカードが引き直された。"));
}

void Flat() {
  CardDrive(
      [](TFighter& f) {
        const long long sum = std::accumulate(f.Cards.begin(), f.Cards.end(), 0LL);
        f.Cards.fill(static_cast<std::int32_t>(sum / kHandSize));
      },
      N_("%1のカードが均された。"));
}

void Boost() {
  CardDrive([](TFighter& f) { f.Cards[0] = static_cast<std::int32_t>(std::min<long long>(2LL * f.Cards[0], kCardCap)); },
            N_("%1のネクストカードが強化された。"));
}

void Plus() {
  CardDrive(
      [](TFighter& f) {
        const std::int32_t first = f.Cards[0];
        DropNextCard(f.Cards);
        f.Cards[0] = static_cast<std::int32_t>(std::min<long long>(static_cast<long long>(f.Cards[0]) + first, kCardCap));
      },
      N_("%1のカードの先頭２枚が加算された。"));
}

}  // namespace zemra
