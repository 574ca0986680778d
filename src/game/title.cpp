// Title animation and name entry. The title frame is redrawn whole every
// 50 ms: random green lines, a growing underline and a fading-in title.
#include "game/title.h"

#include "engine/module_state.h"

#include <string>

#include "data/player_data.h"
#include "engine/random.h"
#include "engine/sjis.h"
#include "runtime/console.h"
#include "game/game.h"
#include "runtime/sounds.h"
#include "game/status_offer.h"

namespace zemra {
namespace {

constexpr int kTitleInterval = 50;
constexpr int kTitleFrames = 256;
constexpr char kTitleText[] = "セルノア・リュクト";

// One jagged green line; horizontal runs across y 50..99, vertical down x 50..99.
void DrawJaggedLine(TVorbBitmap& bitmap, bool horizontal) {
  bitmap.SetPen(PixelRgb(0, 128, 64 + Random(64)));
  const int start = 50 + Random(50);
  if (horizontal) {
    bitmap.MoveTo(0, start);
    for (int i = 0; i <= 125; ++i) bitmap.LineTo(4 * i, 50 + Random(50));
  } else {
    bitmap.MoveTo(start, 0);
    for (int i = 0; i <= 100; ++i) bitmap.LineTo(50 + Random(50), 4 * i);
  }
}

}  // namespace

TitleState& Title() { return ModuleState<TitleState>(); }

TVorbBitmap& TitleBitmap() { return *Title().bitmap; }

const char* NameLeadText() {
  return "久遠の海の奥底に沈んだと言われる最強剣。\r\n"
         "彼女は名に飢えています。\r\n"
         "人間、武器、草花、地名、概念、数値……\r\n"
         "カテゴリーは問いません。\r\n"
         "あなたが想像し得る最高の名を贈ってください。\r\n"
         "（16バイト以内）";
}

void StartTitle() {
  Scheduler().AddThread(TitleTick, kTitleInterval, "タイトル");
  PlayWave(Sound::TitleMusic, true);
}

void TitleTick() {
  TVorbBitmap& bitmap = TitleBitmap();
  const int frame = Title().frame;
  bitmap.Fill(kPixelBlack);
  for (int i = 0; i < 3; ++i) {
    DrawJaggedLine(bitmap, true);
    DrawJaggedLine(bitmap, false);
  }
  bitmap.SetPen(PixelRgb(0, 128, 64));
  bitmap.MoveTo(499, 350);
  bitmap.LineTo(499 - frame, 350);
  bitmap.SetFont(20, false, true, PixelRgb(0, frame * 128 / 256, frame * 64 / 256));
  bitmap.DrawText(250, 325, kTitleText);
  bitmap.SetFont(20, false, true, PixelRgb(0, frame * 192 / 256, frame * 96 / 256));
  bitmap.DrawText(249, 324, kTitleText);
  TheHost().DrawBitmap(Control::PntTitle, bitmap);
  if (frame < kTitleFrames) Title().frame = frame + 1;
}

void OpenNameEntry() {
  Host& host = TheHost();
  host.SetVisible(Control::PageInputName, true);
  host.SetVisible(Control::PageTitle, false);
  host.FocusNameEdit();
  Scheduler().DeleteThread("タイトル");
}

void AcceptNameEntry(const std::string& typed) {
  if (typed.empty()) {
    ShowAppMessage("銘が入力されていません。");
    return;
  }
  // A character the save file cannot hold would corrupt it: refuse it here.
  const auto bytes = Utf8ToSjis(typed);
  if (!bytes) {
    ShowAppMessage("銘に刻めない文字が含まれています。");
    return;
  }
  if (bytes->size() > static_cast<std::size_t>(kNameLimit)) {
    ShowAppMessage("銘が規定文字数を超えています。");
    return;
  }
  // The name as the save file will give it back (¥ becomes \, 〜 becomes ～),
  // so the run keeps one name before and after a load.
  const std::string name = SjisToUtf8(*bytes).value_or(typed);
  if (!AskYesNo("≪" + name + "≫\r\nこれでいいですか？")) return;
  ShowAppMessage("刻まれました。");
  PlayerData().PlayerName = CutSjis(name, kNameLimit);
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
