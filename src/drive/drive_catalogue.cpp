// The drive catalogue, in table order; the dispatch compares names in this order.
// Names, texts and captions stay Japanese here and are translated where shown.
#include "drive/drive_catalogue.h"

#include "data/sword.h"
#include "drive/drive_effects.h"
#include "engine/translate.h"

namespace zemra {

using enum DriveGroup;
using enum ShotValue;

constinit const std::array<DriveEntry, kDriveRows> DriveCatalogue{{
    {1, N_("休息界"), Field, N_("宿屋が現れた。"), N_("泊まる"), Inn, None},
    {2, N_("アンダーワールド"), Field, N_("別草原に続く階段が現れた。"), N_("降りる"), DescendStairs, None},
    {3, N_("アナザーワールド"), Field, N_("最現実に続く階段が現れた。"), N_("降りる"), EnterAnother, None},
    {4, N_("空間転移"), Field, N_("{P}の体に何かが波打つ。"), "≫", Teleport, None},
    {5, N_("セーブコンソール"), Field, N_("突き立てた剣がデータベースに接続された。"), N_("セーブ"), SaveConsole, None},
    {6, N_("破邪の儀式"), Field, N_("教会の扉が開き、ステンドグラスの光が射した。"), N_("入る"), ChurchMenu, None},
    {7, N_("デュエル"), Field, N_("風が吹き、何者かが{P}の前に立ちはだかった。"), "≫", Duel, None},
    {8, N_("スナップ"), Common, N_("{U}の意識が風を切った。"), "≫", Snap, None},
    {9, N_("ブラッドスナップ"), Common, N_("{U}の意識が紅く明滅した。"), "≫", BloodSnap, None},
    {10, N_("ホワイトスナップ"), Common, N_("{U}の意識がまばゆい白光を溢れさせた。"), "≫", WhiteSnap, None},
    {11, N_("ハッピーピアス"), Common, N_("{U}の意識が一点に集中する。"), "≫", HappyPierce, None},
    {12, N_("リドロー"), Common, N_("{U}の意識で何かが踊る。"), "≫", Redraw, None},
    {13, N_("フラット"), Common, N_("{U}の意識が平らかに広がった。"), "≫", Flat, None},
    {14, N_("ブースト"), Common, N_("{U}の意識が膨れ上がった。"), "≫", Boost, None},
    {15, N_("プラス"), Common, N_("{U}の意識で結線が起こった。"), "≫", Plus, None},
    {16, N_("ヒンティア"), Common, N_("付箋に文字が浮かび上がった。"), "≫", Hint, None},
    {17, N_("服薬"), Common, N_("その液体は{U}を潤した。"), "≫", TakeMedicine, None},
    {18, N_("服劇薬"), Common, N_("その液体は{U}をとても潤した。"), "≫", TakeStrongMedicine, None},
    {19, N_("服毒"), Common, N_("その液体は{U}を蝕んだ。"), "≫", TakePoison, None},
    {20, N_("服劇毒"), Common, N_("その液体は{U}をとても蝕んだ。"), "≫", TakeStrongPoison, None},
    {21, N_("自傷"), Common, N_("砕けた衝撃で{U}の腕が傷ついた。"), "≫", HurtSelf, None},
    {22, N_("大服薬"), Common, N_("その液体は{U}に染み渡った。"), "≫", Inn, None},
    {24, N_("チェンジ"), Battle, N_("{U}と{O}の意識が交錯した。"), "≫", ChangeCards, None},
    {25, N_("トレース"), Battle, N_("{O}の意識を追想した。"), "≫", TraceCards, None},
    {26, N_("煙幕引き"), Battle, N_("{O}は煙に巻かれた。"), "≫", SmokeEscape, None},
    {27, N_("ショット"), Battle, N_("「{S}」の刀身が射出された。"), "≫", ShotHit, One},
    {28, N_("ショット？"), Battle, N_("「{S}」のなんかが飛んだ？"), "≫", ShotMystery, Mystery},
    {29, N_("ショット2.0"), Battle, N_("「{S}」の刀身が射出された。"), "≫", ShotHit, Two},
    {30, N_("ショット3.0"), Battle, N_("「{S}」の刀身が射出された。"), "≫", ShotHit, Three},
    {31, N_("灼熱剣"), Battle, N_("「{S}」は異音を立てて加熱した。"), "≫", ShotHit, UserHP},
    {32, N_("乱れ想月"), Battle, N_("――月下に身をさらし朗々と謡え！"), "≫", ShotHit, ThirdOfOpponentMaxHP},
    {33, N_("ヴィシャスキッス"), Battle, N_("――イビルなレッテルでHAVられなよ間抜け！"), "≫", ShotHit, HalfOfOpponentHP},
    {34, N_("エンドレスジルバ"), Battle, N_("――いざ地獄の最果てまで共に！"), "≫", ShotBoth, One},
    {35, N_("サクション"), Battle, N_("「{S}」は{O}にへばりついた。"), "≫", ShotDrain, One},
    {36, N_("緑白光"), Battle, N_("「{S}」の刀身が{O}を照らす。"), "≫", GreenLight, None},
    {37, N_("マリライズ"), Battle, N_("「{S}」が増殖し大地を這う。"), "≫", MariRise, None},
    {38, N_("結界"), Battle, N_("砂嵐のような音が響き渡った。"), "≫", Barrier, None},
    {39, N_("Ｂ★Ｓ★Ｓ"), Battle, N_("{O}の半身が血の海に浸かる。"), "≫", BSS, None},
    {40, N_("ヌルドライブ"), Battle, N_("すべてを打ち消すヌル領域が発生した。"), "≫", NullDrive, None},
}};

// The name is only the first part of the chapters' drive names, never shown alone.
constinit const DriveEntry MemoryDrive{23, "記憶遡行・", Common, N_("紐解かれた記憶が流れ出す。"), "≫", MemoryChapter, None};

std::string MemoryDriveName(std::size_t chapter) {
  return std::string(MemoryDrive.name) + std::string(ChapterNames[chapter]) + "章";
}

// The marks become FormatText's numbered places, so a name takes its sentence
// forms ("{U}'s mind" reads "Your mind") as in every other line.
std::string DriveText(std::string_view pattern, const DriveTextNames& names) {
  std::string numbered;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
      const std::string_view marks = "UOPS";
      if (const std::size_t place = marks.find(pattern[i + 1]); place != std::string_view::npos) {
        numbered += '%';
        numbered += static_cast<char>('1' + place);
        i += 2;
        continue;
      }
    }
    if (pattern[i] == '%') numbered += '%';
    numbered += pattern[i];
  }
  return FormatText(numbered, {names.user, names.opponent, names.player, names.sword});
}

}  // namespace zemra
