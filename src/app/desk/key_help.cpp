// One row a key: what to press, then what it does, in the window's language.
#include "app/desk/key_help.h"

#include <array>
#include <utility>

namespace zemra {
namespace {

constexpr std::array<std::pair<const char*, const char*>, 13> kKeys{{
    {"Enter / Space", "タイトルから銘の入力へ"},
    {"Enter", "銘を刻む（銘の入力）"},
    {"1～5", "右のコマンドから順に押す"},
    {"Enter", "右端のコマンドを押す"},
    {"↑ ↓ ← →", "剣を選ぶ（左の列 0～3、右の列 4～7）"},
    {"Tab / Shift+Tab", "剣を順に選ぶ"},
    {"Enter / Space", "選んだ剣をクリックする"},
    {"Esc", "剣の選択をやめてコマンドに戻る"},
    {"M", "音を消す／戻す"},
    {"Ctrl+= / Ctrl+-", "表示倍率を上げる／下げる"},
    {"Ctrl+0", "表示倍率を1倍に戻す"},
    {"右クリック", "メニュー"},
    {"F1", "このキー一覧"},
}};

}  // namespace

QString KeyHelpText() {
  QString text = QStringLiteral("キー操作\n");
  for (const auto& [keys, meaning] : kKeys) {
    text += QLatin1Char('\n') + QString::fromUtf8(keys) + QStringLiteral("　…　") + QString::fromUtf8(meaning);
  }
  return text;
}

}  // namespace zemra
