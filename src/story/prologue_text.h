// The prologue's pages: the age of the sword masters and the blade they dreamed of.
#pragma once

#include <array>
#include <span>

#include "engine/translate.h"

namespace zemra {

// Translated where they are shown.
inline constexpr const char* kPrologueLines[] = {
    // page 1
    N_("かつて、剣が人を選ぶ時代があった。"),
    N_("剣を携え、剣に生きる者たちは剣師と呼ばれた。"),
    // page 2
    N_("剣師の力は、その身に帯びた剣のみに宿る。"),
    N_("命も、腕前も、名さえも、剣が与えるものだった。"),
    // page 3
    N_("剣師たちは草原を渡り歩き、剣を交えては剣を奪った。"),
    N_("折れた剣は土に還り、奪われた剣は新たな主に仕えた。"),
    N_("そうして草原は、剣と剣師で満ちていった。"),
    // page 4
    N_("やがて剣師たちの間に、ひとつの噂が流れはじめる。"),
    N_("草原の深みの、さらに奥。"),
    N_("誰も辿り着いたことのない場所に、"),
    N_("すべての剣を従える一振りが眠っている、と。"),
    N_("それは、まだ名を持たぬ剣だという。"),
    // page 5
    N_("ある者はそれを伝説と笑い、"),
    N_("ある者は生涯をかけてその影を追った。"),
    N_("けれど、その剣を手にした者の話は、ひとつも残っていない。"),
    // page 6
    N_("剣師たちは夢を見る。"),
    N_("いつか自らの銘をその剣に刻み、"),
    N_("最強の剣師として草原に立つ日を。"),
    // page 7
    N_("時は流れ、多くの剣師が草原に散った。"),
    N_("剣は持ち主を替え、深みへ、さらに深みへと運ばれていく。"),
    N_("伝説の剣は、今も名を待ち続けている。"),
    N_("あなたが贈った、その名を。"),
    // page 8
    N_("そして今、また一人の剣師が目を覚ます。"),
    N_("手にした剣は、わずかに数振り。"),
    // page 9
    N_("風が草を揺らし、遠くで鳥が鳴いている。"),
    N_("果てしなく続く草原の真ん中に、"),
    N_("あなたは立っていた。"),
};

// Lines on each page 1..9; page 0 is the picture, page 10 the way out.
inline constexpr std::array<int, 9> kProloguePageLines{2, 2, 3, 5, 3, 3, 4, 2, 3};

}  // namespace zemra
