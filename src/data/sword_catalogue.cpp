// The sword catalogue as data: one row per kind, in kind order.
#include "data/sword_catalogue.h"

namespace zemra {
namespace {

constexpr std::string_view kBayonetDescription = "斬っても撃っても守っても良し。S.C.社の最高傑作売れ行き絶好調。";

constexpr std::array<SwordDefinition, kSwordKindCount> kCatalogue{{
    {"煙幕剣", 0, 3, false, false, "煙幕引き", false, "ほどくと煙が立ち込める剣。ノーリスクで逃げられる。", SwordRule::Plain},  // 1
    {"ヌルブレード", 0, 0, false, false, "ヌルドライブ", false, "レア。あらゆるものを消滅させる剣。", SwordRule::Plain},  // 2
    {"リドローブレード", 0, 1, false, false, "リドロー", false, "カードを引き直せる剣。", SwordRule::Plain},  // 3
    {"薬草剣", 0, 2, false, false, "服薬", false, "生命力を回復させる瓶入りの飲料剣。", SwordRule::Plain},  // 4
    {"劇薬草剣", 0, 9, false, false, "服劇薬", false, "生命力を劇的に回復させる瓶入りの飲料剣。", SwordRule::Plain},  // 5
    {"エリクサーソード", 0, 20, false, false, "大服薬", false, "レア。生命力を全快させる瓶入りの霊薬剣。", SwordRule::Plain},  // 6
    {"宿泊剣", 0, 3, false, false, "休息界", false, "大地に突き立てて一晩の宿を生成する剣。", SwordRule::Plain},  // 7
    {"セーブブレード", 0, 4, false, false, "セーブコンソール", false, "大地に突き立てて剣師の記憶を刻む剣。", SwordRule::Plain},  // 8
    {"階段剣", 0, 5, false, false, "アンダーワールド", false, "大地を切り開き、より深いところに降りられる剣。", SwordRule::Plain},  // 9
    {"テレポーター", 0, 1, false, false, "空間転移", false, "どこか別の階層に運んでくれる剣。", SwordRule::Plain},  // 10
    {"教会剣", 0, 7, false, false, "破邪の儀式", false, "大地に突き立てて教会を生成する剣。教会には神父がいる。", SwordRule::Plain},  // 11
    {"桃源刀", 0, 3, false, false, "休息界", true, "ハードレア。宿を無限に生成する剣。", SwordRule::Plain},  // 12
    {"オーロラメモリー", 0, 4, false, false, "セーブコンソール", true, "ハードレア。天空に突き立てて剣師の記憶を自在に刻む剣。", SwordRule::Plain},  // 13
    {"大聖堂剣", 0, 7, false, false, "破邪の儀式", true, "ハードレア。教会を無限に生成する剣。", SwordRule::Plain},  // 14
    {"決闘剣", 0, 6, false, false, "デュエル", false, "ネームドとの決闘を申し込める剣。", SwordRule::Plain},  // 15
    {"毒草剣", 0, 2, false, true, "服毒", false, "生命力を喪失させる瓶入りの飲料剣。", SwordRule::Plain},  // 16
    {"劇毒草剣", 0, 9, false, true, "服劇毒", false, "生命力を劇的に喪失させる瓶入りの飲料剣。", SwordRule::Plain},  // 17
    {"剣-1", 0, 4, false, true, "", false, "縁起が悪い上に呪われている。", SwordRule::Plain},  // 18
    {"レッドソード", 0, 5, false, true, "ブラッドスナップ", false, "常緑美化委員会スタッフの証。だったが血に染まり過ぎた。", SwordRule::Plain},  // 19
    {"縛鎖刀", 0, 10, false, true, "自傷", false, "剣師の腕に施錠して使うリスクウェポン。", SwordRule::Plain},  // 20
    {"マリリン", 0, 15, false, true, "", false, "剣師の利き手にのみ生息する苔状の剣。", SwordRule::Plain},  // 21
    {"マリリリン", 0, 25, false, true, "", false, "剣師の全身にはびこり潜む苔状の剣。", SwordRule::Plain},  // 22
    {"マリリリリン", 0, 40, false, true, "マリライズ", true, "剣師から剣師へと感染する苔状の剣。", SwordRule::Plain},  // 23
    {"ピストル", 0, 1, false, false, "ショット", false, "火薬で刀身を射出する機構の剣。およそ剣とは思えない形状。", SwordRule::Plain},  // 24
    {"常夜の剣", 0, 1, false, false, "結界", false, "陽の昇らぬ国の力を封じた黒曜石の剣。", SwordRule::Plain},  // 25
    {"疑問剣", 0, 10, false, false, "ショット？", false, "問いかけることにこそ価値があるんですか？", SwordRule::Plain},  // 26
    {"吸血剣", 0, 11, false, false, "サクション", false, "無数の蛭を固めて出来た、おぞましき剣。", SwordRule::Plain},  // 27
    {"剣", 0, 5, false, false, "スナップ", false, "シンプルな打撃棒。使いやすい。", SwordRule::Plain},  // 28
    {"ヒント剣", 0, 5, false, false, "ヒンティア", false, "初心者向けの付箋がついた剣。", SwordRule::Plain},  // 29
    {"刀", 0, 8, false, false, "", false, "シックな機能美を持ち合わせたクセのある剣。高価。", SwordRule::Plain},  // 30
    {"ロングソード", 0, 10, false, false, "スナップ", false, "長い剣。", SwordRule::Plain},  // 31
    {"ブロードソード", 0, 10, false, false, "フラット", false, "平べったい剣。", SwordRule::Plain},  // 32
    {"くさり鎌", 0, 10, false, false, "チェンジ", false, "敵に投げて鎖で制御する奇抜な剣。", SwordRule::Plain},  // 33
    {"兵法剣", 0, 7, false, false, "トレース", false, "敵の意思を探るための心得が記された剣。", SwordRule::Plain},  // 34
    {"ハルバード", 0, 15, false, false, "ブースト", false, "長い柄の先に、歪んだ三角形の刀身をつけた奇形の剣。", SwordRule::Plain},  // 35
    {"鉈", 0, 8, false, false, "プラス", false, "四角く頑丈な刃の付いた打撃剣。", SwordRule::Plain},  // 36
    {"グリーンソード", 0, 5, false, false, "スナップ", false, "常緑美化委員会スタッフの証。普通の剣に着色しただけのもの。", SwordRule::Plain},  // 37
    {"シャムシール", 0, 12, false, false, "スナップ", false, "レア。外国から伝来した薄刃の曲刀。", SwordRule::Plain},  // 38
    {"青龍刀", 0, 18, false, false, "", false, "レア。切れ味は鈍いがひたすら折れない刀。かわいい龍のイラスト付。", SwordRule::Plain},  // 39
    {"灯籠の", 0, 31, true, false, "", false, "レア。刀匠・灯籠兼衛が鍛えた名刀。", SwordRule::Plain},  // 40
    {"霜月の", 0, 25, true, false, "灼熱剣", false, "レア。元凶を忘れるほどに怒り狂った少女の熱、その一片。", SwordRule::Plain},  // 41
    {"白波の", 0, 10, true, false, "アナザーワールド", false, "レア。抽象思考を研ぎ澄まし、現実外現実を知覚せしむる精神の剣。", SwordRule::Plain},  // 42
    {"モスグリーン", 0, 10, false, false, "緑白光", false, "常緑美化委員会幹部の証。剣師の能力を見透かす力を持つ。", SwordRule::Plain},  // 43
    {"エメラルドエッジ", 0, 20, false, false, "緑白光", true, "常緑美化委員会頭領の証。剣師の能力を見透かす力を持つ。", SwordRule::Plain},  // 44
    {"紅椿", 1, 7, false, true, "", false, "剣師の皮膚に根を生やす、命を持った剣。", SwordRule::Plain},  // 45
    {"クロス", 1, 1, false, false, "スナップ", false, "十字架型の、スタンダードな生命剣。", SwordRule::Plain},  // 46
    {"グリーンクロス", 1, 1, false, false, "スナップ", false, "常緑美化委員会スタッフの証。普通のクロスに着色しただけのもの。", SwordRule::Plain},  // 47
    {"正誤交差杖", 1, 15, false, false, "破邪の儀式", false, "レア。イントリケートリーの思想を体現した、刃の無い剣。", SwordRule::Plain},  // 48
    {"ダブルクロス", 2, 1, false, false, "スナップ", false, "レア。生命を２点内包した＃字のネックレス。の剣。", SwordRule::Plain},  // 49
    {"バイヨネット", 1, 10, false, false, "ショット", false, kBayonetDescription, SwordRule::Plain},  // 50
    {"バイヨネット2.0", 1, 20, false, false, "ショット2.0", false, kBayonetDescription, SwordRule::Plain},  // 51
    {"バイヨネット3.0", 1, 30, false, false, "ショット3.0", false, kBayonetDescription, SwordRule::Plain},  // 52
    {"柳屋", 1, 5, true, false, "", false, "三途の河から流れ着いた一本物。ささやきが剣師に自我を与える。", SwordRule::Plain},  // 53
    {"朧の", 0, 23, true, false, "ハッピーピアス", false, "レア。急所への命中のみに特化した刺突剣。", SwordRule::Plain},  // 54
    {"メロディ", 0, 17, true, false, "Ｂ★Ｓ★Ｓ", false, "レア。ブラッド・スカーレット・スター。", SwordRule::Plain},  // 55
    {"ラーダ", 0, 9, true, false, "煙幕引き", false, "剣師になんてなりたくなかったんだ。腹減った……", SwordRule::Plain},  // 56
    {"ジフ", 1, 10, true, false, "セーブコンソール", false, "草原に仇なす愚か者はすべからく死すべし。", SwordRule::Plain},  // 57
    {"キルヒム", 1, 2, true, false, "ショット", false, "勝ちゃあいいんだよ、勝ちゃあ。そうだろがよ。", SwordRule::Plain},  // 58
    {"ストロベリー", 1, 15, true, false, "スナップ", false, "ひっ、ひっ、ちぇすと、ひっ、ひっ、ちぇすと！", SwordRule::Plain},  // 59
    {"想月", 1, 12, true, false, "乱れ想月", false, "オモヅキ。地味を絵に描いたようなフォルム。強さも控えめ。", SwordRule::Plain},  // 60
    {"テネシー", 1, 20, true, false, "ヴィシャスキッス", false, "きみを殺すぼくの手管を誰にも知られないためにきみを殺すよ。", SwordRule::Plain},  // 61
    {"ドライマン", 0, 36, true, true, "", false, "自らを生かす足場を破壊する大愚。人はいつから草原の敵になった！", SwordRule::Plain},  // 62
    {"シャンヌイ", 1, 1, true, false, "エンドレスジルバ", true, "常美会は情実の巣窟、一度はその身を浸したらいかが？", SwordRule::Plain},  // 63
    {"草薙", 1, 20, true, false, "アンダーワールド", true, "剣師たちが流した血をも分解吸収し、草原の緑化は止まらない。", SwordRule::Plain},  // 64
    {"Queen", 8, 100, true, false, "結界", true, "最強剣。", SwordRule::PlayerName},  // 65
    {"不可知の王", 4, 40, true, false, "ホワイトスナップ", true, "誰にも理解できない。", SwordRule::Plain},  // 66
    {"Pawn", 0, 1, true, false, "", false, "最弱剣。", SwordRule::PlayerName},  // 67
    {"斬子", 1, 5, true, false, "自傷", false, "", SwordRule::DepthDescription},  // 68
    {"霧葉記憶絵巻・序", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 69
    {"霧葉記憶絵巻・一", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 70
    {"霧葉記憶絵巻・二", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 71
    {"霧葉記憶絵巻・三", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 72
    {"霧葉記憶絵巻・四", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 73
    {"霧葉記憶絵巻・五", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 74
    {"霧葉記憶絵巻・六", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 75
    {"霧葉記憶絵巻・七", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 76
    {"霧葉記憶絵巻・八", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 77
    {"霧葉記憶絵巻・終", 1, 1, false, false, "", false, "", SwordRule::MemoryScroll},  // 78
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
    "霧葉斬子。セーブとロードを繰り返して草原をウロウロ。",
    "「この剣はとんないでね？　会えなくなるし」",
    "「ピストル痛。」",
    "「こっちでしよーっ」",
    "「しょっぱい剣ばっか。」",
    "「もっとだよ、まだ、まだおわってない、そうでしょ！？」",
    "「こんにちは、ですぐ斬る！」",
    "「だあもう、また死んだ！」",
    "「バイヨネット撃つやつにロクなのおらん」",
    "霧葉斬子。澱んだ空を見ている。",
};

}  // namespace zemra
