// The window's keys on the page: Enter or Space on the title, Enter in the
// name field, and on the main page the digits 1-5 (the shown commands from
// the right), Enter (the rightmost), the sword row's focus (arrows, Tab),
// Escape; F1 lists the keys and M mutes everywhere but in the name field.
// They are the game's only while the focus is on the game or on nothing: a
// key on the page's other controls is that control's.

import { nextSwordFocus } from "./sword_focus.js";
import { tr, tf } from "./i18n.js";

const MOVES = { ArrowUp: "up", ArrowDown: "down", ArrowLeft: "left", ArrowRight: "right" };

// Keys named in words are translated with the meanings; the rest read the same in any language.
function keyHelp() {
  return [
    ["Enter / Space", tr("タイトルから銘の入力へ")],
    ["Enter", tr("銘を刻む（銘の入力）")],
    [tr("1～5"), tr("右のコマンドから順に押す")],
    ["Enter", tr("右端のコマンドを押す")],
    ["↑ ↓ ← →", tr("剣を選ぶ（左の列 0～3、右の列 4～7）")],
    ["Tab / Shift+Tab", tr("剣を順に選ぶ")],
    ["Enter / Space", tr("選んだ剣をクリックする")],
    ["Esc", tr("剣の選択をやめてコマンドに戻る")],
    ["M", tr("音を消す／戻す")],
    ["F1", tr("このキー一覧")],
  ];
}

export function keyHelpText() {
  return [tr("キー操作"), ...keyHelp().map(([keys, meaning]) => tf("%1　…　%2", keys, meaning))].join("\n");
}

function isEnter(event) {
  return event.key === "Enter";
}

// The game (its stage: the pages, the command buttons, the sword row) or nothing at all has the focus.
export function focusOnTheGame(target) {
  return target === document.body || target === document.documentElement || target?.closest?.("#stage") != null;
}

// Returns true when the key was the game's.
export function handleKey(game, event) {
  // A key that finishes a Japanese input method's conversion belongs to the field.
  if (event.isComposing || event.keyCode === 229) return false;
  if (event.altKey || event.ctrlKey || event.metaKey) return false;
  if (event.target instanceof HTMLSelectElement) return false;  // a list takes its own keys
  const page = game.state?.page;
  if (event.key === "F1") {
    if (!event.repeat) game.showKeyHelp();
    return true;
  }
  const typing = event.target instanceof HTMLInputElement && event.target.type === "text";
  if ((event.key === "m" || event.key === "M") && !typing) {
    if (!event.repeat) game.toggleMute();
    return true;
  }
  // Enter on a toolbar button presses it, on a link follows it; arrows move a slider.
  if (!focusOnTheGame(event.target)) return false;
  if (page === "title" && (isEnter(event) || event.key === " ")) {
    if (!event.repeat) game.apply("title");
    return true;
  }
  if (page === "name") {
    if (isEnter(event) && typing) {
      if (!event.repeat) game.submitName();
      return true;
    }
    return false;
  }
  if (page === "main") return mainPageKey(game, event);
  return false;
}

// Tab enters the row from outside it (the page itself or the row's own
// labels) and leaves it instead of wrapping round.
function tabStaysInRow(current, next, backwards) {
  const outside = document.activeElement !== document.body && !document.activeElement?.closest?.(".sword");
  if (current < 0) return !outside && !backwards;
  return backwards ? next < current : next > current;
}

// The row takes the focus wherever the mouse can read it; a click only where it chooses.
function mainPageKey(game, event) {
  const state = game.state;
  const focus = game.swordFocus;
  if (focus >= 0 && !(state.swords.focusable && state.swords.labels[focus] !== "")) game.dropSwordFocus();
  let move = MOVES[event.key];
  if (event.key === "Tab") move = event.shiftKey ? "previous" : "next";
  if (move !== undefined) {
    if (!state.swords.focusable) return false;
    const holds = state.swords.labels.map((text) => text !== "");
    const next = nextSwordFocus(game.swordFocus, move, holds);
    if (event.key === "Tab" && !tabStaysInRow(game.swordFocus, next, event.shiftKey)) {
      // Tab walks the row once and goes on to the page's other controls (no key
      // traps the focus), and the commands come back as when the mouse leaves.
      game.dropSwordFocus();
      game.apply("leave");
      return false;
    }
    game.focusSword(next);
    return true;
  }
  if ((isEnter(event) || event.key === " ") && game.swordFocus >= 0 && state.swords.clickable) {
    if (!event.repeat) game.clickSword(game.swordFocus);
    return true;
  }
  if (event.key === " " && game.swordFocus >= 0) return true;  // a row that only shows its swords takes no click
  const digit = event.key >= "1" && event.key <= "5";
  const covered = state.info !== null;
  if (event.key === "Escape" || ((digit || isEnter(event)) && covered)) {
    if (game.swordFocus < 0 && !covered) return false;
    game.dropSwordFocus();
    if (!event.repeat) game.apply("leave");
    return true;
  }
  if (digit || isEnter(event)) {
    if (event.repeat) return true;
    const index = isEnter(event) ? 0 : Number(event.key) - 1;
    const button = game.screen.commandsRightToLeft()[index];
    if (button === undefined) return false;
    game.pressCommand(Number(button.dataset.command));
    return true;
  }
  return false;
}
