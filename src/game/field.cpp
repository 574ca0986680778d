// The field is redrawn from the run state on every entry; it keeps nothing.
#include "game/field.h"

#include <array>

#include "battle/battle_flow.h"
#include "battle/sword_menus.h"
#include "data/fighter.h"
#include "data/player_data.h"
#include "engine/random.h"
#include "engine/translate.h"
#include "runtime/console.h"
#include "runtime/depth_text.h"
#include "runtime/game_objects.h"
#include "runtime/game_over.h"

namespace zemra {
namespace {

constexpr int kAnotherDepth = 9;

constexpr std::array<const char*, 10> kFlavourTexts{
    N_("花が咲いている。"),   N_("鳥が飛んでいる。"), N_("風がほほを撫でる。"), N_("やわらかな日差しが降り注いでいる。"),
    N_("雲が流れている。"),   N_("草が揺れている。"), N_("空は晴れ渡っている。"), N_("見渡す限りの草原。"),
    N_("遠くに山が見える。"), N_("どこまでも歩いていける。")};

}  // namespace

void ShowField() {
  const TPlayerData& run = PlayerData();
  if (IsDead(run.Fighter)) {
    GameOver();
    return;
  }
  ShowTopPanel(Control::PanelMainImage);
  ShowImage(run.Depth == kAnotherDepth ? "another.bmp" : "center.bmp");
  if (run.Depth != 0) AddMainText(DepthLine());
  AddMainText(Tr(kFlavourTexts[static_cast<std::size_t>(Random(static_cast<int>(kFlavourTexts.size())))]));
  AddCommand(Tr("徘徊"), Wander);
  AddCommand(TrCtx("button", "剣"), FieldSwordMenu);
}

}  // namespace zemra
