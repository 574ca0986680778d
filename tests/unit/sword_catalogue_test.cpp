// The sword catalogue: every kind's fields, the lookup errors, the swords that
// take the player's name, 斬子 by depth, the memory scrolls, and the info text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/player_data.h"
#include "data/sword.h"
#include "engine/sjis.h"
#include "support/fake_host.h"

namespace zemra {
namespace {

using testing::GameFixture;

class SwordCatalogueTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    host.TakeBoxes();
    PlayerData().PlayerName = "剣師";
  }
};

struct KindRow {
  int kind;
  const char* name;
  int life;
  int hit;
  bool inscribed;
  bool cursed;
  const char* drive;
  bool infinite;
  const char* description;
};

// Queen and Pawn are listed under their kind names; 斬子 with its depth-0 text.
const KindRow kKinds[] = {
    {1, "煙幕剣", 0, 3, false, false, "煙幕引き", false, "ほどくと煙が立ち込める剣。ノーリスクで逃げられる。"},
    {2, "ヌルブレード", 0, 0, false, false, "ヌルドライブ", false, "レア。あらゆるものを消滅させる剣。"},
    {3, "リドローブレード", 0, 1, false, false, "リドロー", false, "カードを引き直せる剣。"},
    {4, "薬草剣", 0, 2, false, false, "服薬", false, "生命力を回復させる瓶入りの飲料剣。"},
    {5, "劇薬草剣", 0, 9, false, false, "服劇薬", false, "生命力を劇的に回復させる瓶入りの飲料剣。"},
    {6, "エリクサーソード", 0, 20, false, false, "大服薬", false, "レア。生命力を全快させる瓶入りの霊薬剣。"},
    {7, "宿泊剣", 0, 3, false, false, "休息界", false, "大地に突き立てて一晩の宿を生成する剣。"},
    {8, "セーブブレード", 0, 4, false, false, "セーブコンソール", false, "大地に突き立てて剣師の記憶を刻む剣。"},
    {9, "階段剣", 0, 5, false, false, "アンダーワールド", false, "大地を切り開き、より深いところに降りられる剣。"},
    {10, "テレポーター", 0, 1, false, false, "空間転移", false, "どこか別の階層に運んでくれる剣。"},
    {11, "教会剣", 0, 7, false, false, "破邪の儀式", false, "大地に突き立てて教会を生成する剣。教会には神父がいる。"},
    {12, "桃源刀", 0, 3, false, false, "休息界", true, "ハードレア。宿を無限に生成する剣。"},
    {13, "オーロラメモリー", 0, 4, false, false, "セーブコンソール", true, "ハードレア。天空に突き立てて剣師の記憶を自在に刻む剣。"},
    {14, "大聖堂剣", 0, 7, false, false, "破邪の儀式", true, "ハードレア。教会を無限に生成する剣。"},
    {15, "決闘剣", 0, 6, false, false, "デュエル", false, "ネームドとの決闘を申し込める剣。"},
    {16, "毒草剣", 0, 2, false, true, "服毒", false, "生命力を喪失させる瓶入りの飲料剣。"},
    {17, "劇毒草剣", 0, 9, false, true, "服劇毒", false, "生命力を劇的に喪失させる瓶入りの飲料剣。"},
    {18, "剣-1", 0, 4, false, true, "", false, "縁起が悪い上に呪われている。"},
    {19, "レッドソード", 0, 5, false, true, "ブラッドスナップ", false, "常緑美化委員会スタッフの証。だったが血に染まり過ぎた。"},
    {20, "縛鎖刀", 0, 10, false, true, "自傷", false, "剣師の腕に施錠して使うリスクウェポン。"},
    {21, "マリリン", 0, 15, false, true, "", false, "剣師の利き手にのみ生息する苔状の剣。"},
    {22, "マリリリン", 0, 25, false, true, "", false, "剣師の全身にはびこり潜む苔状の剣。"},
    {23, "マリリリリン", 0, 40, false, true, "マリライズ", true, "剣師から剣師へと感染する苔状の剣。"},
    {24, "ピストル", 0, 1, false, false, "ショット", false, "火薬で刀身を射出する機構の剣。およそ剣とは思えない形状。"},
    {25, "常夜の剣", 0, 1, false, false, "結界", false, "陽の昇らぬ国の力を封じた黒曜石の剣。"},
    {26, "疑問剣", 0, 10, false, false, "ショット？", false, "問いかけることにこそ価値があるんですか？"},
    {27, "吸血剣", 0, 11, false, false, "サクション", false, "無数の蛭を固めて出来た、おぞましき剣。"},
    {28, "剣", 0, 5, false, false, "スナップ", false, "シンプルな打撃棒。使いやすい。"},
    {29, "ヒント剣", 0, 5, false, false, "ヒンティア", false, "初心者向けの付箋がついた剣。"},
    {30, "刀", 0, 8, false, false, "", false, "シックな機能美を持ち合わせたクセのある剣。高価。"},
    {31, "ロングソード", 0, 10, false, false, "スナップ", false, "長い剣。"},
    {32, "ブロードソード", 0, 10, false, false, "フラット", false, "平べったい剣。"},
    {33, "くさり鎌", 0, 10, false, false, "チェンジ", false, "敵に投げて鎖で制御する奇抜な剣。"},
    {34, "兵法剣", 0, 7, false, false, "トレース", false, "敵の意思を探るための心得が記された剣。"},
    {35, "ハルバード", 0, 15, false, false, "ブースト", false, "長い柄の先に、歪んだ三角形の刀身をつけた奇形の剣。"},
    {36, "鉈", 0, 8, false, false, "プラス", false, "四角く頑丈な刃の付いた打撃剣。"},
    {37, "グリーンソード", 0, 5, false, false, "スナップ", false, "常緑美化委員会スタッフの証。普通の剣に着色しただけのもの。"},
    {38, "シャムシール", 0, 12, false, false, "スナップ", false, "レア。外国から伝来した薄刃の曲刀。"},
    {39, "青龍刀", 0, 18, false, false, "", false, "レア。切れ味は鈍いがひたすら折れない刀。かわいい龍のイラスト付。"},
    {40, "灯籠の", 0, 31, true, false, "", false, "レア。刀匠・灯籠兼衛が鍛えた名刀。"},
    {41, "霜月の", 0, 25, true, false, "灼熱剣", false, "レア。元凶を忘れるほどに怒り狂った少女の熱、その一片。"},
    {42, "白波の", 0, 10, true, false, "アナザーワールド", false, "レア。抽象思考を研ぎ澄まし、現実外現実を知覚せしむる精神の剣。"},
    {43, "モスグリーン", 0, 10, false, false, "緑白光", false, "常緑美化委員会幹部の証。剣師の能力を見透かす力を持つ。"},
    {44, "エメラルドエッジ", 0, 20, false, false, "緑白光", true, "常緑美化委員会頭領の証。剣師の能力を見透かす力を持つ。"},
    {45, "紅椿", 1, 7, false, true, "", false, "剣師の皮膚に根を生やす、命を持った剣。"},
    {46, "クロス", 1, 1, false, false, "スナップ", false, "十字架型の、スタンダードな生命剣。"},
    {47, "グリーンクロス", 1, 1, false, false, "スナップ", false, "常緑美化委員会スタッフの証。普通のクロスに着色しただけのもの。"},
    {48, "正誤交差杖", 1, 15, false, false, "破邪の儀式", false, "レア。イントリケートリーの思想を体現した、刃の無い剣。"},
    {49, "ダブルクロス", 2, 1, false, false, "スナップ", false, "レア。生命を２点内包した＃字のネックレス。の剣。"},
    {50, "バイヨネット", 1, 10, false, false, "ショット", false, "斬っても撃っても守っても良し。S.C.社の最高傑作売れ行き絶好調。"},
    {51, "バイヨネット2.0", 1, 20, false, false, "ショット2.0", false, "斬っても撃っても守っても良し。S.C.社の最高傑作売れ行き絶好調。"},
    {52, "バイヨネット3.0", 1, 30, false, false, "ショット3.0", false, "斬っても撃っても守っても良し。S.C.社の最高傑作売れ行き絶好調。"},
    {53, "柳屋", 1, 5, true, false, "", false, "三途の河から流れ着いた一本物。ささやきが剣師に自我を与える。"},
    {54, "朧の", 0, 23, true, false, "ハッピーピアス", false, "レア。急所への命中のみに特化した刺突剣。"},
    {55, "メロディ", 0, 17, true, false, "Ｂ★Ｓ★Ｓ", false, "レア。ブラッド・スカーレット・スター。"},
    {56, "ラーダ", 0, 9, true, false, "煙幕引き", false, "剣師になんてなりたくなかったんだ。腹減った……"},
    {57, "ジフ", 1, 10, true, false, "セーブコンソール", false, "草原に仇なす愚か者はすべからく死すべし。"},
    {58, "キルヒム", 1, 2, true, false, "ショット", false, "勝ちゃあいいんだよ、勝ちゃあ。そうだろがよ。"},
    {59, "ストロベリー", 1, 15, true, false, "スナップ", false, "ひっ、ひっ、ちぇすと、ひっ、ひっ、ちぇすと！"},
    {60, "想月", 1, 12, true, false, "乱れ想月", false, "オモヅキ。地味を絵に描いたようなフォルム。強さも控えめ。"},
    {61, "テネシー", 1, 20, true, false, "ヴィシャスキッス", false, "きみを殺すぼくの手管を誰にも知られないためにきみを殺すよ。"},
    {62, "ドライマン", 0, 36, true, true, "", false, "自らを生かす足場を破壊する大愚。人はいつから草原の敵になった！"},
    {63, "シャンヌイ", 1, 1, true, false, "エンドレスジルバ", true, "常美会は情実の巣窟、一度はその身を浸したらいかが？"},
    {64, "草薙", 1, 20, true, false, "アンダーワールド", true, "剣師たちが流した血をも分解吸収し、草原の緑化は止まらない。"},
    {65, "Queen", 8, 100, true, false, "結界", true, "最強剣。"},
    {66, "不可知の王", 4, 40, true, false, "ホワイトスナップ", true, "誰にも理解できない。"},
    {67, "Pawn", 0, 1, true, false, "", false, "最弱剣。"},
    {68, "斬子", 1, 5, true, false, "自傷", false, "霧葉斬子。セーブとロードを繰り返して草原をウロウロ。"},
    {69, "霧葉記憶絵巻・序", 1, 1, false, false, "記憶遡行・序章", false, "記憶のログが記された紙を巻いた棒状の剣、その序章。"},
    {70, "霧葉記憶絵巻・一", 1, 1, false, false, "記憶遡行・一章", false, "記憶のログが記された紙を巻いた棒状の剣、その一章。"},
    {71, "霧葉記憶絵巻・二", 1, 1, false, false, "記憶遡行・二章", false, "記憶のログが記された紙を巻いた棒状の剣、その二章。"},
    {72, "霧葉記憶絵巻・三", 1, 1, false, false, "記憶遡行・三章", false, "記憶のログが記された紙を巻いた棒状の剣、その三章。"},
    {73, "霧葉記憶絵巻・四", 1, 1, false, false, "記憶遡行・四章", false, "記憶のログが記された紙を巻いた棒状の剣、その四章。"},
    {74, "霧葉記憶絵巻・五", 1, 1, false, false, "記憶遡行・五章", false, "記憶のログが記された紙を巻いた棒状の剣、その五章。"},
    {75, "霧葉記憶絵巻・六", 1, 1, false, false, "記憶遡行・六章", false, "記憶のログが記された紙を巻いた棒状の剣、その六章。"},
    {76, "霧葉記憶絵巻・七", 1, 1, false, false, "記憶遡行・七章", false, "記憶のログが記された紙を巻いた棒状の剣、その七章。"},
    {77, "霧葉記憶絵巻・八", 1, 1, false, false, "記憶遡行・八章", false, "記憶のログが記された紙を巻いた棒状の剣、その八章。"},
    {78, "霧葉記憶絵巻・終", 1, 1, false, false, "記憶遡行・終章", false, "記憶のログが記された紙を巻いた棒状の剣、その終章。"},
};

TEST_F(SwordCatalogueTest, EveryKindIsCreatedWithItsCatalogueFields) {
  ASSERT_EQ(std::size(kKinds), static_cast<std::size_t>(kSwordKindCount));
  for (const KindRow& row : kKinds) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SwordKindNames[static_cast<std::size_t>(row.kind)], row.name);
    const TSword sword = CreateSword(row.name);
    const bool player_named = row.kind == kQueenKind || row.kind == kPawnKind;
    EXPECT_EQ(sword.Kind, row.kind);
    EXPECT_EQ(sword.Name, player_named ? "剣師" : row.name);
    EXPECT_EQ(sword.Life, row.life);
    EXPECT_EQ(sword.Hit, row.hit);
    EXPECT_EQ(sword.Inscribed, row.inscribed);
    EXPECT_EQ(sword.Cursed, row.cursed);
    EXPECT_EQ(sword.DriveName, row.drive);
    EXPECT_EQ(sword.Infinite, row.infinite);
    EXPECT_EQ(sword.Description, row.description);
    EXPECT_TRUE(SwordFitsKind(sword));
    EXPECT_LE(SjisLength(sword.Name).value_or(99), kSwordNameCapacity);
    EXPECT_LE(SjisLength(sword.DriveName).value_or(99), kDriveNameCapacity);
    EXPECT_LE(SjisLength(sword.Description).value_or(99), kDescriptionCapacity);
  }
  EXPECT_TRUE(host.TakeBoxes().empty());
}

TEST_F(SwordCatalogueTest, MemoryScrollNamesFollowTheChapterNames) {
  ASSERT_EQ(ChapterNames.size(), 10u);
  for (std::size_t i = 0; i < ChapterNames.size(); ++i) {
    EXPECT_EQ(SwordKindNames[69 + i], "霧葉記憶絵巻・" + std::string(ChapterNames[i]));
  }
  const TSword last = CreateSword("霧葉記憶絵巻・終");
  EXPECT_EQ(last.DriveName, "記憶遡行・終章");
  EXPECT_EQ(SjisLength(last.DriveName), 14u);
}

TEST_F(SwordCatalogueTest, AnUnknownNameIsReportedTwiceAndKeepsOnlyItsName) {
  const TSword sword = CreateSword("ナマクラ");
  EXPECT_EQ(host.TakeBoxes(),
            (std::vector<std::string>{"error 1 in CreateSword('ナマクラ')", "error 2 in CreateSword('ナマクラ')"}));
  TSword expected;
  expected.Kind = -1;
  expected.Name = "ナマクラ";
  EXPECT_EQ(sword, expected);
}

TEST_F(SwordCatalogueTest, AnEmptyNameGivesAClearedSwordWithoutMessage) {
  EXPECT_EQ(CreateSword(""), TSword{});
  EXPECT_TRUE(host.TakeBoxes().empty());
}

TEST_F(SwordCatalogueTest, LookupUsesTheFullNameWhileTheRecordKeepsSixteenBytes) {
  // Cut to 16 bytes this would be the name of kind 69, but the full name is unknown.
  const TSword sword = CreateSword("霧葉記憶絵巻・序章");
  EXPECT_EQ(sword.Kind, -1);
  EXPECT_EQ(sword.Name, "霧葉記憶絵巻・序");
  EXPECT_TRUE(sword.DriveName.empty());
  EXPECT_EQ(host.TakeBoxes().size(), 2u);
}

TEST_F(SwordCatalogueTest, BayonetVersionsAreDistinctKindsSharingADescription) {
  const TSword v1 = CreateSword("バイヨネット");
  const TSword v2 = CreateSword("バイヨネット2.0");
  const TSword v3 = CreateSword("バイヨネット3.0");
  EXPECT_EQ(v2.Kind, 51);
  EXPECT_EQ(v3.Kind, 52);
  EXPECT_EQ(v2.Description, v1.Description);
  EXPECT_EQ(v3.Description, v1.Description);
}

TEST_F(SwordCatalogueTest, QueenAndPawnBearTheWholeSixteenBytePlayerName) {
  PlayerData().PlayerName = "あいうえおかきく";  // 16 bytes
  const TSword queen = CreateSword("Queen");
  const TSword pawn = CreateSword("Pawn");
  EXPECT_EQ(queen.Name, "あいうえおかきく");
  EXPECT_EQ(queen.Kind, kQueenKind);
  EXPECT_EQ(pawn.Name, "あいうえおかきく");
  EXPECT_EQ(pawn.Kind, kPawnKind);
}

TEST_F(SwordCatalogueTest, ZankoDescriptionFollowsTheDepthAtCreation) {
  const char* kTexts[] = {
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
  for (int depth = 0; depth <= 9; ++depth) {
    PlayerData().Depth = depth;
    const TSword sword = CreateSword("斬子");
    EXPECT_EQ(sword.Description, kTexts[depth]) << "depth " << depth;
    EXPECT_EQ(sword.DriveName, "自傷");
  }
  EXPECT_TRUE(host.TakeBoxes().empty());
}

TEST_F(SwordCatalogueTest, ZankoOutsideTheDepthsIsReportedWithAnEmptyDescription) {
  for (int depth : {-1, 10}) {
    PlayerData().Depth = depth;
    const TSword sword = CreateSword("斬子");
    EXPECT_EQ(sword.Kind, 68);
    EXPECT_TRUE(sword.Description.empty());
    EXPECT_EQ(sword.DriveName, "自傷");
    EXPECT_EQ(host.TakeBoxes(), std::vector<std::string>{"error in CreateNamedSword('斬子')"});
  }
}

TEST_F(SwordCatalogueTest, SwordsNeverFitAKindTheyDoNotCarry) {
  TSword renamed = CreateSword("剣");
  renamed.Name = "刀";
  EXPECT_FALSE(SwordFitsKind(renamed));
  TSword stronger = CreateSword("剣");
  stronger.Hit = 99;
  EXPECT_FALSE(SwordFitsKind(stronger));
  TSword queen = CreateSword("Queen");
  queen.Name = "ラーダ";
  EXPECT_TRUE(SwordFitsKind(queen));
  EXPECT_FALSE(SwordFitsKind(TSword{}));
}

struct InfoCase {
  const char* name;
  const char* text;
};

TEST_F(SwordCatalogueTest, InfoTextShowsMarksStarsHitDescriptionAndDrive) {
  const InfoCase kCases[] = {
      {"クロス", "「クロス」 ☆ 命中＋1\r\n十字架型の、スタンダードな生命剣。\r\n能力：スナップ"},
      {"ヌルブレード", "「ヌルブレード」\r\nレア。あらゆるものを消滅させる剣。\r\n能力：ヌルドライブ"},
      {"Pawn", "「剣師」 <銘> 命中＋1\r\n最弱剣。"},
      {"ドライマン", "「ドライマン」 <銘> <呪> 命中＋36\r\n自らを生かす足場を破壊する大愚。人はいつから草原の敵になった！"},
      {"桃源刀", "「桃源刀」 命中＋3\r\nハードレア。宿を無限に生成する剣。\r\n能力：休息界（無限始動型）"},
      {"ダブルクロス", "「ダブルクロス」 ☆☆ 命中＋1\r\nレア。生命を２点内包した＃字のネックレス。の剣。\r\n能力：スナップ"},
  };
  for (const InfoCase& c : kCases) EXPECT_EQ(SwordInfoText(CreateSword(c.name)), c.text);
}

}  // namespace
}  // namespace zemra
