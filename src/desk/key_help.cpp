#include "desk/key_help.h"

#include <array>

#include "engine/translate.h"

namespace zemra {
namespace {

struct KeyRow {
  const char* keys;
  const char* meaning;
  bool window_only;
};

// Keys named in words are translated with the meanings; the rest read the same in any language.
constexpr std::array<KeyRow, 13> kKeys{{
    {"Enter / Space", N_("タイトルから銘の入力へ"), false},
    {"Enter", N_("銘を刻む（銘の入力）"), false},
    {N_("1～5"), N_("右のコマンドから順に押す"), false},
    {"Enter", N_("右端のコマンドを押す"), false},
    {"↑ ↓ ← →", N_("剣を選ぶ（左の列 0～3、右の列 4～7）"), false},
    {"Tab / Shift+Tab", N_("剣を順に選ぶ"), false},
    {"Enter / Space", N_("選んだ剣をクリックする"), false},
    {"Esc", N_("剣の選択をやめてコマンドに戻る"), false},
    {"M", N_("音を消す／戻す"), false},
    {"Ctrl+= / Ctrl+-", N_("表示倍率を上げる／下げる"), true},
    {"Ctrl+0", N_("表示倍率を1倍に戻す"), true},
    {N_("右クリック"), N_("メニュー"), true},
    {"F1", N_("このキー一覧"), false},
}};

}  // namespace

std::string KeyHelpText(KeyHelpFor front_end) {
  std::string text = Tr("キー操作");
  // The window's box leaves a blank line under the heading; the page's none.
  if (front_end == KeyHelpFor::Window) text += '\n';
  for (const KeyRow& row : kKeys) {
    if (row.window_only && front_end == KeyHelpFor::Page) continue;
    text += '\n';
    text += Tf("%1　…　%2", {Tr(row.keys), Tr(row.meaning)});
  }
  return text;
}

}  // namespace zemra
