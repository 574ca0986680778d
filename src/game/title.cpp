// Title animation and name entry. A title frame comes every 50 ms: random
// green lines, a growing underline and a fading-in title, redrawn whole.
#include "game/title.h"

#include "engine/module_state.h"

#include <optional>
#include <string>

#include "data/player_data.h"
#include "engine/random.h"
#include "engine/sjis.h"
#include "engine/translate.h"
#include "runtime/console.h"
#include "game/game.h"
#include "runtime/sounds.h"
#include "game/status_offer.h"

namespace zemra {
namespace {

constexpr int kTitleInterval = 50;
constexpr int kTitleFrames = 256;
constexpr char kTitleText[] = N_("セルノア・リュクト");

// The newest title frame as handed to the host: its pixels on the first look.
struct TitleFrame final : FrameOnDemand {
  const TVorbBitmap& Pixels() const override { return TitleBitmap(); }
};

// One jagged green line's draws; across runs over y 50..99, down over x 50..99.
void DrawJaggedLine(JaggedLine& line, bool across) {
  line.blue = 64 + Random(64);
  line.start = 50 + Random(50);
  const int points = across ? 126 : 101;
  for (int i = 0; i < points; ++i) line.points[static_cast<std::size_t>(i)] = 50 + Random(50);
}

void PaintJaggedLine(TVorbBitmap& bitmap, const JaggedLine& line, bool across) {
  bitmap.SetPen(PixelRgb(0, 128, line.blue));
  if (across) {
    bitmap.MoveTo(0, line.start);
    for (int i = 0; i <= 125; ++i) bitmap.LineTo(4 * i, line.points[static_cast<std::size_t>(i)]);
  } else {
    bitmap.MoveTo(line.start, 0);
    for (int i = 0; i <= 100; ++i) bitmap.LineTo(line.points[static_cast<std::size_t>(i)], 4 * i);
  }
}

}  // namespace

TitleState& Title() { return ModuleState<TitleState>(); }

TVorbBitmap& TitleBitmap() {
  TitleState& title = Title();
  // The newest title frame gets its pixels on the first look.
  if (title.pixels_stale) {
    title.pixels_stale = false;
    PaintTitleFrame(*title.bitmap);
  }
  return *title.bitmap;
}

std::string NameLeadText() {
  return CrLfLines(Tr(
      "久遠の海の奥底に沈んだと言われる最強剣。\n"
      "彼女は名に飢えています。\n"
      "人間、武器、草花、地名、概念、数値……\n"
      "カテゴリーは問いません。\n"
      "あなたが想像し得る最高の名を贈ってください。\n"
      "（16バイト以内）"));
}

void StartTitle() {
  Scheduler().AddThread(TitleTick, kTitleInterval, "タイトル");
  PlayWave(Sound::TitleMusic, true);
}

void TitleTick() {
  TitleState& title = Title();
  for (int i = 0; i < 3; ++i) {
    DrawJaggedLine(title.lines[static_cast<std::size_t>(2 * i)], true);
    DrawJaggedLine(title.lines[static_cast<std::size_t>(2 * i + 1)], false);
  }
  title.shown_frame = title.frame;
  title.pixels_stale = true;
  if (title.frame < kTitleFrames) ++title.frame;
  TheHost().TitleFrameChanged(TitleFrame{});
}

void PaintTitleFrame(TVorbBitmap& bitmap) {
  const TitleState& title = Title();
  const int frame = title.shown_frame;
  bitmap.Fill(kPixelBlack);
  for (int i = 0; i < 6; ++i) PaintJaggedLine(bitmap, title.lines[static_cast<std::size_t>(i)], i % 2 == 0);
  bitmap.SetPen(PixelRgb(0, 128, 64));
  bitmap.MoveTo(499, 350);
  bitmap.LineTo(499 - frame, 350);
  bitmap.SetFont(20, false, true, PixelRgb(0, frame * 128 / 256, frame * 64 / 256));
  const std::string text = Tr(kTitleText);
  bitmap.DrawText(250, 325, text);
  bitmap.SetFont(20, false, true, PixelRgb(0, frame * 192 / 256, frame * 96 / 256));
  bitmap.DrawText(249, 324, text);
}

void OpenNameEntry() {
  Host& host = TheHost();
  host.SetVisible(Control::PageInputName, true);
  host.SetVisible(Control::PageTitle, false);
  host.FocusNameEdit();
  Scheduler().DeleteThread("タイトル");
}

NameCheck CheckTypedName(const std::string& typed) {
  if (typed.empty()) return {Tr("銘が入力されていません。"), {}};
  // A character the save file cannot hold would corrupt it: refuse it here.
  const auto bytes = Utf8ToSjis(typed);
  if (!bytes) {
    // Name the character and the limit, so the player knows what to type instead.
    const std::optional<std::string> unheld = FirstUnheldCharacter(typed);
    if (!unheld) return {Tr("銘に刻めない文字が含まれています。"), {}};
    return {CrLfLines(Tf("「%1」は銘に刻めない文字です。\n銘は%2バイトまで（英数字なら%2字、日本語なら%3字）です。",
                         {*unheld, std::to_string(kNameLimit), std::to_string(kNameLimit / 2)})),
            {}};
  }
  if (bytes->size() > static_cast<std::size_t>(kNameLimit)) return {CrLfLines(Tr("銘が規定文字数を超えています。")), {}};
  // The name as the save file will give it back (¥ becomes \, 〜 becomes ～),
  // so the run keeps one name before and after a load.
  return {{}, SjisToUtf8(*bytes).value_or(typed)};
}

std::string NameQuestion(const std::string& name) { return CrLfLines(Tf("≪%1≫\nこれでいいですか？", {name})); }

void AcceptNameEntry(const std::string& typed) {
  const NameCheck check = CheckTypedName(typed);
  if (!check.refusal.empty()) {
    ShowAppMessage(check.refusal);
    return;
  }
  if (!AskYesNo(NameQuestion(check.name))) return;
  ShowAppMessage(Tr("刻まれました。"));
  PlayerData().PlayerName = CutSjis(check.name, kNameLimit);
  StartNewGame();
}

void PaintNameBackground() {
  TVorbBitmap bitmap;
  bitmap.SetSize(kClientWidth, kClientHeight);
  for (int y = 0; y < kClientHeight; ++y) {
    const int red = 127 - (y * 64) / 399;
    const int green = 191 - (y * 128) / 399;
    const TPixel colour = PixelRgb(red, green, red);
    TPixel* row = bitmap.Row(y);
    for (int x = 0; x < kClientWidth; ++x) row[x] = colour;
  }
  TheHost().DrawBitmap(Control::ImgInputName, bitmap);
}

void StartNewGame() {
  Host& host = TheHost();
  host.SetVisible(Control::PageMain, true);
  host.SetVisible(Control::PageInputName, false);
  PlayWave(Sound::Water);
  ExecuteCommand(OfferStatus);
}

}  // namespace zemra
