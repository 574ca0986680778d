// The drive catalogue, in table order; the dispatch compares names in this order.
#include "drive/drive_catalogue.h"

#include "data/sword.h"
#include "drive/drive_effects.h"

namespace zemra {

using enum DriveGroup;
using enum ShotValue;

constinit const std::array<DriveEntry, kDriveRows> DriveCatalogue{{
    {1, "休息界", Field, "宿屋が現れた。", "泊まる", Inn, None},
    {2, "アンダーワールド", Field, "別草原に続く階段が現れた。", "降りる", DescendStairs, None},
    {3, "アナザーワールド", Field, "最現実に続く階段が現れた。", "降りる", EnterAnother, None},
    {4, "空間転移", Field, "{P}の体に何かが波打つ。", "≫", Teleport, None},
    {5, "セーブコンソール", Field, "突き立てた剣がデータベースに接続された。", "セーブ", SaveConsole, None},
    {6, "破邪の儀式", Field, "教会の扉が開き、ステンドグラスの光が射した。", "入る", ChurchMenu, None},
    {7, "デュエル", Field, "風が吹き、何者かが{P}の前に立ちはだかった。", "≫", Duel, None},
    {8, "スナップ", Common, "{U}の意識が風を切った。", "≫", Snap, None},
    {9, "ブラッドスナップ", Common, "{U}の意識が紅く明滅した。", "≫", BloodSnap, None},
    {10, "ホワイトスナップ", Common, "{U}の意識がまばゆい白光を溢れさせた。", "≫", WhiteSnap, None},
    {11, "ハッピーピアス", Common, "{U}の意識が一点に集中する。", "≫", HappyPierce, None},
    {12, "リドロー", Common, "{U}の意識で何かが踊る。", "≫", Redraw, None},
    {13, "フラット", Common, "{U}の意識が平らかに広がった。", "≫", Flat, None},
    {14, "ブースト", Common, "{U}の意識が膨れ上がった。", "≫", Boost, None},
    {15, "プラス", Common, "{U}の意識で結線が起こった。", "≫", Plus, None},
    {16, "ヒンティア", Common, "付箋に文字が浮かび上がった。", "≫", Hint, None},
    {17, "服薬", Common, "その液体は{U}を潤した。", "≫", TakeMedicine, None},
    {18, "服劇薬", Common, "その液体は{U}をとても潤した。", "≫", TakeStrongMedicine, None},
    {19, "服毒", Common, "その液体は{U}を蝕んだ。", "≫", TakePoison, None},
    {20, "服劇毒", Common, "その液体は{U}をとても蝕んだ。", "≫", TakeStrongPoison, None},
    {21, "自傷", Common, "砕けた衝撃で{U}の腕が傷ついた。", "≫", HurtSelf, None},
    {22, "大服薬", Common, "その液体は{U}に染み渡った。", "≫", Inn, None},
    {24, "チェンジ", Battle, "{U}と{O}の意識が交錯した。", "≫", ChangeCards, None},
    {25, "トレース", Battle, "{O}の意識を追想した。", "≫", TraceCards, None},
    {26, "煙幕引き", Battle, "{O}は煙に巻かれた。", "≫", SmokeEscape, None},
    {27, "ショット", Battle, "「{S}」の刀身が射出された。", "≫", ShotHit, One},
    {28, "ショット？", Battle, "「{S}」のなんかが飛んだ？", "≫", ShotMystery, Mystery},
    {29, "ショット2.0", Battle, "「{S}」の刀身が射出された。", "≫", ShotHit, Two},
    {30, "ショット3.0", Battle, "「{S}」の刀身が射出された。", "≫", ShotHit, Three},
    {31, "灼熱剣", Battle, "「{S}」は異音を立てて加熱した。", "≫", ShotHit, UserHP},
    {32, "乱れ想月", Battle, "――月下に身をさらし朗々と謡え！", "≫", ShotHit, ThirdOfOpponentMaxHP},
    {33, "ヴィシャスキッス", Battle, "――イビルなレッテルでHAVられなよ間抜け！", "≫", ShotHit, HalfOfOpponentHP},
    {34, "エンドレスジルバ", Battle, "――いざ地獄の最果てまで共に！", "≫", ShotBoth, One},
    {35, "サクション", Battle, "「{S}」は{O}にへばりついた。", "≫", ShotDrain, One},
    {36, "緑白光", Battle, "「{S}」の刀身が{O}を照らす。", "≫", GreenLight, None},
    {37, "マリライズ", Battle, "「{S}」が増殖し大地を這う。", "≫", MariRise, None},
    {38, "結界", Battle, "砂嵐のような音が響き渡った。", "≫", Barrier, None},
    {39, "Ｂ★Ｓ★Ｓ", Battle, "{O}の半身が血の海に浸かる。", "≫", BSS, None},
    {40, "ヌルドライブ", Battle, "すべてを打ち消すヌル領域が発生した。", "≫", NullDrive, None},
}};

constinit const DriveEntry MemoryDrive{23, "記憶遡行・", Common, "紐解かれた記憶が流れ出す。", "≫", MemoryChapter, None};

std::string MemoryDriveName(std::size_t chapter) {
  return std::string(MemoryDrive.name) + std::string(ChapterNames[chapter]) + "章";
}

std::string DriveText(std::string_view pattern, const DriveTextNames& names) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
      switch (pattern[i + 1]) {
        case 'U': text += names.user; i += 2; continue;
        case 'O': text += names.opponent; i += 2; continue;
        case 'P': text += names.player; i += 2; continue;
        case 'S': text += names.sword; i += 2; continue;
        default: break;
      }
    }
    text += pattern[i];
  }
  return text;
}

}  // namespace zemra
