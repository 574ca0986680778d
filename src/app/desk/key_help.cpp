// One row a key: what to press, then what it does, in the window's language.
#include "app/desk/key_help.h"

#include <array>
#include <utility>

#include "app/window/qt_convert.h"
#include "engine/translate.h"

namespace zemra {
namespace {

// Keys named in words are translated with the meanings; the rest read the same in any language.
constexpr std::array<std::pair<const char*, const char*>, 13> kKeys{{
    {"Enter / Space", N_("タイトルから銘の入力へ")},
    {"Enter", N_("銘を刻む（銘の入力）")},
    {N_("1～5"), N_("右のコマンドから順に押す")},
    {"Enter", N_("右端のコマンドを押す")},
    {"↑ ↓ ← →", N_("剣を選ぶ（左の列 0～3、右の列 4～7）")},
    {"Tab / Shift+Tab", N_("剣を順に選ぶ")},
    {"Enter / Space", N_("選んだ剣をクリックする")},
    {"Esc", N_("剣の選択をやめてコマンドに戻る")},
    {"M", N_("音を消す／戻す")},
    {"Ctrl+= / Ctrl+-", N_("表示倍率を上げる／下げる")},
    {"Ctrl+0", N_("表示倍率を1倍に戻す")},
    {N_("右クリック"), N_("メニュー")},
    {"F1", N_("このキー一覧")},
}};

}  // namespace

QString KeyHelpText() {
  QString text = QtTr("キー操作") + QLatin1Char('\n');
  for (const auto& [keys, meaning] : kKeys) {
    text += QLatin1Char('\n') + QtTr("%1　…　%2").arg(QtTr(keys), QtTr(meaning));
  }
  return text;
}

}  // namespace zemra
