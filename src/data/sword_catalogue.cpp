// The sword catalogue as data: one row per kind, in kind order.
#include "data/sword_catalogue.h"

#include "engine/translate.h"

namespace zemra {
namespace {

constexpr std::string_view kBayonetDescription = N_("斬っても撃っても守っても良し。S.C.社の最高傑作売れ行き絶好調。");

// Names, drive names and descriptions are the Japanese the game keeps and
// compares; they are translated only where they are shown.
constexpr std::array<SwordDefinition, kSwordKindCount> kCatalogue{{
    {N_("煙幕剣"), 0, 3, false, false, N_("煙幕引き"), false, N_("ほどくと煙が立ち込める剣。ノーリスクで逃げられる。"), SwordRule::Plain},  // 1
    {N_("ヌルブレード"), 0, 0, false, false, N_("ヌルドライブ"), false, N_("レア。あらゆるものを消滅させる剣。"), SwordRule::Plain},  // 2
    {N_("リドローブレード"), 0, 1, false, false, N_("リドロー"), false, N_("カードを引き直せる剣。"), SwordRule::Plain},  // 3
    {N_("薬草剣"), 0, 2, false, false, N_("服薬"), false, N_("生命力を回復させる瓶入りの飲料剣。"), SwordRule::Plain},  // 4
    {N_("劇薬草剣"), 0, 9, false, false, N_("服劇薬"), false, N_("生命力を劇的に回復させる瓶入りの飲料剣。"), SwordRule::Plain},  // 5
    {N_("エリクサーソード"), 0, 20, false, false, N_("大服薬"), false, N_("レア。生命力を全快させる瓶入りの霊薬剣。"), SwordRule::Plain},  // 6
    {N_("宿泊剣"), 0, 3, false, false, N_("休息界"), false, N_("大地に突き立てて一晩の宿を生成する剣。"), SwordRule::Plain},  // 7
    {N_("セーブブレード"), 0, 4, false, false, N_("セーブコンソール"), false, N_("大地に突き立てて剣師の記憶を刻む剣。"), SwordRule::Plain},  // 8
    {N_("階段剣"), 0, 5, false, false, N_("アンダーワールド"), false, N_("大地を切り開き、より深いところに降りられる剣。"), SwordRule::Plain},  // 9
    {N_("テレポーター"), 0, 1, false, false, N_("空間転移"), false, N_("どこか別の階層に運んでくれる剣。"), SwordRule::Plain},  // 10
    {N_("教会剣"), 0, 7, false, false, N_("破邪の儀式"), false, N_("大地に突き立てて教会を生成する剣。教会には神父がいる。"), SwordRule::Plain},  // 11
    {N_("桃源刀"), 0, 3, false, false, N_("休息界"), true, N_("ハードレア。宿を無限に生成する剣。"), SwordRule::Plain},  // 12
    {N_("オーロラメモリー"), 0, 4, false, false, N_("セーブコンソール"), true, N_("ハードレア。天空に突き立てて剣師の記憶を自在に刻む剣。"), SwordRule::Plain},  // 13
    {N_("大聖堂剣"), 0, 7, false, false, N_("破邪の儀式"), true, N_("ハードレア。教会を無限に生成する剣。"), SwordRule::Plain},  // 14
    {N_("決闘剣"), 0, 6, false, false, N_("デュエル"), false, N_("ネームドとの決闘を申し込める剣。"), SwordRule::Plain},  // 15
    {N_("毒草剣"), 0, 2, false, true, N_("服毒"), false, N_("生命力を喪失させる瓶入りの飲料剣。"), SwordRule::Plain},  // 16
    {N_("劇毒草剣"), 0, 9, false, true, N_("服劇毒"), false, N_("生命力を劇的に喪失させる瓶入りの飲料剣。"), SwordRule::Plain},  // 17
    {N_("剣-1"), 0, 4, false, true, "", false, N_("縁起が悪い上に呪われている。"), SwordRule::Plain},  // 18
    {N_("レッドソード"), 0, 5, false, true, N_("ブラッドスナップ"), false, N_("常緑美化委員会スタッフの証。だったが血に染まり過ぎた。"), SwordRule::Plain},  // 19
    {N_("縛鎖刀"), 0, 10, false, true, N_("自傷"), false, N_("剣師の腕に施錠して使うリスクウェポン。"), SwordRule::Plain},  // 20
    {N_("マリリン"), 0, 15, false, true, "", false, N_("剣師の利き手にのみ生息する苔状の剣。"), SwordRule::Plain},  // 21
    {N_("マリリリン"), 0, 25, false, true, "", false, N_("剣師の全身にはびこり潜む苔状の剣。"), SwordRule::Plain},  // 22
    {N_("マリリリリン"), 0, 40, false, true, N_("マリライズ"), true, N_("剣師から剣師へと感染する苔状の剣。"), SwordRule::Plain},  // 23
    {N_("ピストル"), 0, 1, false, false, N_("ショット"), false, N_("火薬で刀身を射出する機構の剣。およそ剣とは思えない形状。"), SwordRule::Plain},  // 24
    {N_("常夜の剣"), 0, 1, false, false, N_("結界"), false, N_("陽の昇らぬ国の力を封じた黒曜石の剣。"), SwordRule::Plain},  // 25
    {N_("疑問剣"), 0, 10, false, false, N_("ショット？"), false, N_("問いかけることにこそ価値があるんですか？"), SwordRule::Plain},  // 26
    {N_("吸血剣"), 0, 11, false, false, N_("サクション"), false, N_("無数の蛭を固めて出来た、おぞましき剣。"), SwordRule::Plain},  // 27
    {N_("剣"), 0, 5, false, false, N_("スナップ"), false, N_("シンプルな打撃棒。使いやすい。"), SwordRule::Plain},  // 28
    {N_("ヒント剣"), 0, 5, false, false, N_("ヒンティア"), false, N_("初心者向けの付箋がついた剣。"), SwordRule::Plain},  // 29
    {N_("刀"), 0, 8, false, false, "", false, N_("シックな機能美を持ち合わせたクセのある剣。高価。"), SwordRule::Plain},  // 30
    {N_("ロングソード"), 0, 10, false, false, N_("スナップ"), false, N_("長い剣。"), SwordRule::Plain},  // 31
    {N_("ブロードソード"), 0, 10, false, false, N_("フラット"), false, N_("平べったい剣。"), SwordRule::Plain},  // 32
    {N_("くさり鎌"), 0, 10, false, false, N_("チェンジ"), false, N_("敵に投げて鎖で制御する奇抜な剣。"), SwordRule::Plain},  // 33
    {N_("兵法剣"), 0, 7, false, false, N_("トレース"), false, N_("敵の意思を探るための心得が記された剣。"), SwordRule::Plain},  // 34
    {N_("ハルバード"), 0, 15, false, false, N_("ブースト"), false, N_("長い柄の先に、歪んだ三角形の刀身をつけた奇形の剣。"), SwordRule::Plain},  // 35
    {N_("鉈"), 0, 8, false, false, N_("プラス"), false, N_("四角く頑丈な刃の付いた打撃剣。"), SwordRule::Plain},  // 36
    {N_("グリーンソード"), 0, 5, false, false, N_("スナップ"), false, N_("常緑美化委員会スタッフの証。普通の剣に着色しただけのもの。"), SwordRule::Plain},  // 37
    {N_("シャムシール"), 0, 12, false, false, N_("スナップ"), false, N_("レア。外国から伝来した薄刃の曲刀。"), SwordRule::Plain},  // 38
    {N_("青龍刀"), 0, 18, false, false, "", false, N_("レア。切れ味は鈍いがひたすら折れない刀。かわいい龍のイラスト付。"), SwordRule::Plain},  // 39
    {N_("灯籠の"), 0, 31, true, false, "", false, N_("レア。刀匠・灯籠兼衛が鍛えた名刀。"), SwordRule::Plain},  // 40
    {N_("霜月の"), 0, 25, true, false, N_("灼熱剣"), false, N_("レア。元凶を忘れるほどに怒り狂った少女の熱、その一片。"), SwordRule::Plain},  // 41
    {N_("白波の"), 0, 10, true, false, N_("アナザーワールド"), false, N_("レア。抽象思考を研ぎ澄まし、現実外現実を知覚せしむる精神の剣。"), SwordRule::Plain},  // 42
    {N_("モスグリーン"), 0, 10, false, false, N_("緑白光"), false, N_("常緑美化委員会幹部の証。剣師の能力を見透かす力を持つ。"), SwordRule::Plain},  // 43
    {N_("エメラルドエッジ"), 0, 20, false, false, N_("緑白光"), true, N_("常緑美化委員会頭領の証。剣師の能力を見透かす力を持つ。"), SwordRule::Plain},  // 44
    {N_("紅椿"), 1, 7, false, true, "", false, N_("剣師の皮膚に根を生やす、命を持った剣。"), SwordRule::Plain},  // 45
    {N_("クロス"), 1, 1, false, false, N_("スナップ"), false, N_("十字架型の、スタンダードな生命剣。"), SwordRule::Plain},  // 46
    {N_("グリーンクロス"), 1, 1, false, false, N_("スナップ"), false, N_("常緑美化委員会スタッフの証。普通のクロスに着色しただけのもの。"), SwordRule::Plain},  // 47
    {N_("正誤交差杖"), 1, 15, false, false, N_("破邪の儀式"), false, N_("レア。イントリケートリーの思想を体現した、刃の無い剣。"), SwordRule::Plain},  // 48
    {N_("ダブルクロス"), 2, 1, false, false, N_("スナップ"), false, N_("レア。生命を２点内包した＃字のネックレス。の剣。"), SwordRule::Plain},  // 49
    {N_("バイヨネット"), 1, 10, false, false, N_("ショット"), false, kBayonetDescription, SwordRule::Plain},  // 50
    {N_("バイヨネット2.0"), 1, 20, false, false, N_("ショット2.0"), false, kBayonetDescription, SwordRule::Plain},  // 51
    {N_("バイヨネット3.0"), 1, 30, false, false, N_("ショット3.0"), false, kBayonetDescription, SwordRule::Plain},  // 52
    {N_("柳屋"), 1, 5, true, false, "", false, N_("三途の河から流れ着いた一本物。ささやきが剣師に自我を与える。"), SwordRule::Plain},  // 53
    {N_("朧の"), 0, 23, true, false, N_("ハッピーピアス"), false, N_("レア。急所への命中のみに特化した刺突剣。"), SwordRule::Plain},  // 54
    {N_("メロディ"), 0, 17, true, false, N_("Ｂ★Ｓ★Ｓ"), false, N_("レア。ブラッド・スカーレット・スター。"), SwordRule::Plain},  // 55
    {N_("ラーダ"), 0, 9, true, false, N_("煙幕引き"), false, N_("剣師になんてなりたくなかったんだ。腹減った……"), SwordRule::Plain},  // 56
    {N_("ジフ"), 1, 10, true, false, N_("セーブコンソール"), false, N_("草原に仇なす愚か者はすべからく死すべし。"), SwordRule::Plain},  // 57
    {N_("キルヒム"), 1, 2, true, false, N_("ショット"), false, N_("勝ちゃあいいんだよ、勝ちゃあ。そうだろがよ。"), SwordRule::Plain},  // 58
    {N_("ストロベリー"), 1, 15, true, false, N_("スナップ"), false, N_("ひっ、ひっ、ちぇすと、ひっ、ひっ、ちぇすと！"), SwordRule::Plain},  // 59
    {N_("想月"), 1, 12, true, false, N_("乱れ想月"), false, N_("オモヅキ。地味を絵に描いたようなフォルム。強さも控えめ。"), SwordRule::Plain},  // 60
    {N_("テネシー"), 1, 20, true, false, N_("ヴィシャスキッス"), false, N_("きみを殺すぼくの手管を誰にも知られないためにきみを殺すよ。"), SwordRule::Plain},  // 61
    {N_("ドライマン"), 0, 36, true, true, "", false, N_("自らを生かす足場を破壊する大愚。人はいつから草原の敵になった！"), SwordRule::Plain},  // 62
    {N_("シャンヌイ"), 1, 1, true, false, N_("エンドレスジルバ"), true, N_("常美会は情実の巣窟、一度はその身を浸したらいかが？"), SwordRule::Plain},  // 63
    {N_("草薙"), 1, 20, true, false, N_("アンダーワールド"), true, N_("剣師たちが流した血をも分解吸収し、草原の緑化は止まらない。"), SwordRule::Plain},  // 64
    {"Queen", 8, 100, true, false, N_("結界"), true, N_("最強剣。"), SwordRule::PlayerName},  // 65
    {N_("不可知の王"), 4, 40, true, false, N_("ホワイトスナップ"), true, N_("誰にも理解できない。"), SwordRule::Plain},  // 66
    {"Pawn", 0, 1, true, false, "", false, N_("最弱剣。"), SwordRule::PlayerName},  // 67
    {N_("斬子"), 1, 5, true, false, N_("自傷"), false, "", SwordRule::DepthDescription},  // 68
    {N_("霧葉記憶絵巻・序"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 69
    {N_("霧葉記憶絵巻・一"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 70
    {N_("霧葉記憶絵巻・二"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 71
    {N_("霧葉記憶絵巻・三"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 72
    {N_("霧葉記憶絵巻・四"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 73
    {N_("霧葉記憶絵巻・五"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 74
    {N_("霧葉記憶絵巻・六"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 75
    {N_("霧葉記憶絵巻・七"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 76
    {N_("霧葉記憶絵巻・八"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 77
    {N_("霧葉記憶絵巻・終"), 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 78
}};

constexpr std::array<std::string_view, kSwordKindCount + 1> BuildKindNames() {
  std::array<std::string_view, kSwordKindCount + 1> names{};
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) names[i + 1] = kCatalogue[i].name;
  return names;
}

}  // namespace

constinit const std::array<SwordDefinition, kSwordKindCount> SwordCatalogue = kCatalogue;

constinit const std::array<std::string_view, kSwordKindCount + 1> SwordKindNames = BuildKindNames();

constinit const std::array<std::string_view, 10> ChapterNames{"序", "一", "二", "三", "四", "五", "六", "七", "八", "終"};

constinit const std::array<std::string_view, 10> ZankoDescriptions{
    N_("霧葉斬子。セーブとロードを繰り返して草原をウロウロ。"),
    N_("「この剣はとんないでね？　会えなくなるし」"),
    N_("「ピストル痛。」"),
    N_("「こっちでしよーっ」"),
    N_("「しょっぱい剣ばっか。」"),
    N_("「もっとだよ、まだ、まだおわってない、そうでしょ！？」"),
    N_("「こんにちは、ですぐ斬る！」"),
    N_("「だあもう、また死んだ！」"),
    N_("「バイヨネット撃つやつにロクなのおらん」"),
    N_("霧葉斬子。澱んだ空を見ている。"),
};

}  // namespace zemra
