// The focus is the front end's own to draw: the core only ever sees the hover
// and the click a mouse would have made on the focused label.
#include "desk/desk_keys.h"

#include <optional>

#include "game/game.h"
#include "runtime/status_panels.h"

namespace zemra {
namespace {

std::optional<SwordMove> MoveFor(DeskKey key) {
  switch (key) {
    case DeskKey::Up: return SwordMove::Up;
    case DeskKey::Down: return SwordMove::Down;
    case DeskKey::Left: return SwordMove::Left;
    case DeskKey::Right: return SwordMove::Right;
    case DeskKey::Tab: return SwordMove::Next;
    case DeskKey::BackTab: return SwordMove::Previous;
    default: return std::nullopt;
  }
}

// Tab enters the row from the stage and leaves it at its ends instead of
// wrapping round, so no key traps the focus.
bool TabStaysInRow(const KeyPress& key, int current, int next) {
  const bool backwards = key.key == DeskKey::BackTab;
  if (current < 0) return key.from_row && !backwards;
  return backwards ? next < current : next > current;
}

DeskAnswer Used(int focus) {
  DeskAnswer answer;
  answer.used = true;
  answer.focus = focus;
  return answer;
}

DeskAnswer MainPageKey(const KeyPress& key, const DeskScreen& screen, int focus) {
  focus = KeptSwordFocus(screen, focus);
  DeskAnswer unused;
  unused.focus = focus;
  if (const std::optional<SwordMove> move = MoveFor(key.key)) {
    if (!SwordRowTakesFocus()) return unused;
    const int next = NextSwordFocus(focus, *move, screen.holds);
    const bool tab = key.key == DeskKey::Tab || key.key == DeskKey::BackTab;
    if (tab && screen.tab_leaves_row && !TabStaysInRow(key, focus, next)) {
      // Leaving the row brings the commands back, as the mouse leaving it does.
      unused.focus = -1;
      unused.inputs.push_back(Input::Leave());
      return unused;
    }
    DeskAnswer answer = Used(next < 0 ? focus : next);
    if (next < 0) return answer;
    // A hover left over from an earlier screen would make the move a no-op: clear it first.
    if (SwordPanel().hover == next) answer.inputs.push_back(Input::Leave());
    answer.inputs.push_back(Input::SwordHover(next));
    return answer;
  }
  const bool enter = key.key == DeskKey::Enter;
  if ((enter || key.key == DeskKey::Space) && focus >= 0 && SwordRowTakesClicks()) {
    DeskAnswer answer = Used(focus);
    if (!key.repeat) answer.inputs.push_back(Input::SwordClick(focus));
    return answer;
  }
  // A row that only shows its swords (the status offer) takes no click.
  if (key.key == DeskKey::Space && focus >= 0) return Used(focus);
  const bool digit = key.key == DeskKey::Digit && key.digit >= 1 && key.digit <= kCommandButtonCount;
  if (key.key == DeskKey::Escape || ((digit || enter) && screen.info_shown)) {
    if (focus < 0 && !screen.info_shown) return unused;
    // As the mouse moving onto a panel: the console comes back.
    DeskAnswer answer = Used(-1);
    if (!key.repeat) answer.inputs.push_back(Input::Leave());
    return answer;
  }
  if (digit || enter) {
    const int command = CommandForNumber(screen, enter ? 1 : key.digit);
    if (command < 0) return unused;
    DeskAnswer answer = Used(-1);
    if (key.repeat) {
      answer.focus = focus;
      return answer;
    }
    answer.action = DeskAction::PressCommand;
    answer.command = command;
    return answer;
  }
  return unused;
}

}  // namespace

int KeptSwordFocus(const DeskScreen& screen, int focus) {
  if (focus < 0 || screen.page != DeskPage::Main || !SwordRowTakesFocus() || !HoldsSword(screen.holds, focus)) return -1;
  return focus;
}

int CommandForNumber(const DeskScreen& screen, int number) {
  if (screen.info_shown) return -1;
  int counted = 0;
  for (int index = kCommandButtonCount - 1; index >= 0; --index) {
    if (!screen.commands_shown[static_cast<std::size_t>(index)]) continue;
    if (++counted == number) return index;
  }
  return -1;
}

DeskAnswer AnswerKey(const KeyPress& key, const DeskScreen& screen, int focus) {
  DeskAnswer unused;
  unused.focus = KeptSwordFocus(screen, focus);
  if (key.modified) return unused;
  if (key.key == DeskKey::F1) {
    DeskAnswer answer = Used(unused.focus);
    if (!key.repeat) answer.action = DeskAction::KeyHelp;
    return answer;
  }
  // In the name field every letter belongs to the name.
  if (key.key == DeskKey::M && !key.typing) {
    DeskAnswer answer = Used(unused.focus);
    if (!key.repeat) answer.action = DeskAction::ToggleMute;
    return answer;
  }
  // Enter on another control presses it, on a link follows it; arrows move a slider.
  if (!key.on_game) return unused;
  switch (screen.page) {
    case DeskPage::Title:
      if (key.key == DeskKey::Enter || key.key == DeskKey::Space) {
        DeskAnswer answer = Used(-1);
        if (!key.repeat) answer.inputs.push_back(Input::TitleClick());
        return answer;
      }
      return unused;
    case DeskPage::Name:
      if (key.key == DeskKey::Enter && key.typing) {
        DeskAnswer answer = Used(-1);
        if (!key.repeat) answer.action = DeskAction::SubmitName;
        return answer;
      }
      return unused;
    case DeskPage::Main:
      return MainPageKey(key, screen, focus);
    case DeskPage::None:
      return unused;
  }
  return unused;
}

}  // namespace zemra
