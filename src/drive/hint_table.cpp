// The hints, in number order: HintTable[0] is hint No.1. Translated where shown.
#include "drive/hint_table.h"

#include "engine/translate.h"

namespace zemra {

constinit const std::array<std::string_view, 11> HintTable{
    N_("各深度ごとにボスがいるんだよ。"),
    N_("ボスの剣を持ってるとそのボスは出ないよ。"),
    N_("ボスは倒さなくてもいいけど彼らが持っている剣はいいものだよ。"),
    N_("カードの値と命中率の和が「180」以上だとハイヒットだよ。"),
    N_("カードの値と命中率の和が「100」ぴったりだとクリティカルだよ。"),
    N_("呪いを解ける剣があるんだよ。"),
    N_("敵の命中率から、持っている剣が読めるかも？"),
    N_("九つ下れば果てに届くよ。"),
    N_("剣を捨ててクリティカルを狙う手もあるよ。"),
    N_("深度が下がってしまうけど、それでも逃げた方がいいときもあるよ。"),
    N_("煙幕剣を使えば、深度そのままで逃げられるよ。"),
};

}  // namespace zemra
