// A recording watched in the page as the window replays one: the core paces
// it, marks the command or sword about to be used, and words the closing box;
// the page keeps the one timer and draws. Pause and resume (Space), one step
// while paused (→), faster (+) and slower (-). The watched sitting plays in
// its own scratch folder: the player's save and recordings are never touched.

import { tr, tf, pageLanguage } from "./i18n.js";

const BOX_MS = 1200;  // a replay's box closes itself after this
const WATCHED = "/watched.zrec";
const KEYS = { " ": "pause", ArrowRight: "step", "+": "faster", "=": "faster", "-": "slower" };

export class Watcher {
  // `language`: the language room's showCoreLanguage(), as a recording brings its own.
  constructor(doc, core, sitting, stage, boxes, showCoreLanguage) {
    this.core = core;
    this.sitting = sitting;
    this.stage = stage;
    this.boxes = boxes;
    this.showCoreLanguage = showCoreLanguage;
    this.status = doc.getElementById("watch-status");
    this.pauseButton = doc.querySelector('[data-watch="pause"]');
    this.timer = null;
    this.marked = null;
    this.opened = false;
  }

  // Opens a recording's bytes; a file that cannot be replayed here gets the desktop's refusal.
  open(bytes, name) {
    this.stop();
    this.core.fs.writeFile(WATCHED, bytes);
    const result = this.core.watchOpen(WATCHED, name);
    this.core.fs.unlink(WATCHED);
    if (result.refused !== undefined) {
      this.boxes.message(result.refused);
      this.opened = false;
      this.show();
      return false;
    }
    this.opened = true;
    this.showCoreLanguage();
    this.sitting.show(result);
    this.take(this.core.watchStart());
    return true;
  }

  // Carries out a turn of the core's: the screen, the mark, the timer, the end.
  take(turn) {
    if (turn.error !== undefined) return;
    if (turn.state !== null) this.sitting.show(turn.state, BOX_MS);
    this.mark(turn.mark);
    if (turn.rearm) {
      this.stop();
      if (turn.wait !== null) this.timer = setTimeout(() => this.advance(), turn.wait);
    }
    this.show();
    if (turn.finished) this.finish();
  }

  advance() {
    this.timer = null;
    this.take(this.core.watchAdvance(this.boxes.showing));
  }

  mark(mark) {
    const screen = this.stage.screen;
    const element = mark === null ? null : (mark.kind === "command" ? screen.commands : screen.swords)[mark.index] ?? null;
    if (element === this.marked) return;
    this.marked?.classList.remove("about-to-press");
    this.marked = element;
    element?.classList.add("about-to-press");
  }

  stop() {
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = null;
  }

  finish() {
    this.stop();
    this.mark(null);
    // The core words the verdict as the window does, in the page's language.
    const { closing } = this.core.watchStatus(pageLanguage());
    this.boxes.message(closing);
  }

  press(key) {
    if (this.opened) this.take(this.core.watchKey(key, this.boxes.showing));
  }

  // Replay's own keys; the game's keys do nothing while a recording plays.
  handleKey(event) {
    const key = KEYS[event.key];
    if (key === undefined) return false;
    this.press(key);
    return true;
  }

  show() {
    const status = this.core.watchStatus(pageLanguage());
    const state = status.opened ? status.state : tr("記録を開いてください");
    this.status.textContent = status.opened ? tf("%1（1入力 %2 ms）", state, status.paceMs) : state;
    document.title = `${tr("ヴァルミナ・クェル")} [${status.opened ? state : tr("再生")}]`;
    this.pauseButton.setAttribute("aria-pressed", String(status.paused === true));
    this.pauseButton.textContent = status.paused ? tr("再開") : tr("一時停止");
  }
}
