// A recording watched in the page as the window replays one: about two inputs
// a second, the command or sword about to be used marked for a moment first,
// pause and resume (Space), one step while paused (→), faster (+) and slower
// (-), and a closing word on whether the run went as recorded. The watched
// sitting plays in its own scratch folder: the player's save and recordings
// are never touched.

import { tr, tf, pageLanguage } from "./i18n.js";

const PACE_MS = 500;
const FASTEST_MS = 60;
const SLOWEST_MS = 4000;
const BOX_MS = 1200;  // a replay's box closes itself after this
const WATCHED = "/watched.zrec";

function presses(line) {
  return line.startsWith("command ") || line.startsWith("click ");
}

export class Watcher {
  constructor(game, doc) {
    this.game = game;
    this.module = game.module;
    this.status = doc.getElementById("watch-status");
    this.pauseButton = doc.querySelector('[data-watch="pause"]');
    this.pace = PACE_MS;
    this.timer = null;
    this.marked = null;
    this.paused = false;
    this.finished = true;
    this.opened = false;
  }

  // Opens a recording's bytes; a file that cannot be replayed here gets the desktop's refusal.
  open(bytes, name) {
    this.stop();
    this.module.FS.writeFile(WATCHED, bytes);
    const result = JSON.parse(this.module.watchOpen(WATCHED, name));
    this.module.FS.unlink(WATCHED);
    if (result.refused !== undefined) {
      this.game.boxes.message(result.refused);
      this.opened = false;
      this.show();
      return false;
    }
    this.opened = true;
    this.finished = false;
    this.paused = false;
    this.game.showCoreLanguage();
    this.game.show(result);
    this.show();
    this.arm();
    return true;
  }

  next() {
    return JSON.parse(this.module.watchNext());
  }

  arm() {
    if (this.finished || this.paused) return;
    const next = this.next();
    if (next === null) {
      this.finish();
      return;
    }
    // A recorded clock step waits its own time, up to the pace; an input that
    // shows nothing new none; the rest the pace.
    let wait = this.pace;
    const step = /^step (\d+)$/.exec(next.input);
    if (step !== null) wait = Math.min(Number(step[1]), this.pace);
    else if (next.nothing) wait = 0;
    this.timer = setTimeout(() => this.advance(), this.marked !== null ? this.pace / 2 : wait);
  }

  advance() {
    this.timer = null;
    // A box from the last input is still closing itself: try again in a moment.
    if (this.game.boxes.showing) {
      this.timer = setTimeout(() => this.advance(), this.pace / 4);
      return;
    }
    const next = this.next();
    if (next !== null && presses(next.input) && this.marked === null) {
      this.mark(next.input);
      if (this.marked !== null) {
        this.arm();
        return;
      }
    }
    this.applyOne();
    this.arm();
  }

  applyOne() {
    this.unmark();
    this.game.show(JSON.parse(this.module.watchApply()), BOX_MS);
  }

  mark(line) {
    const [verb, index] = line.split(" ");
    const element = verb === "command" ? this.game.screen.commands[Number(index)] : this.game.screen.swords[Number(index)];
    if (element === undefined) return;
    element.classList.add("about-to-press");
    this.marked = element;
  }

  unmark() {
    this.marked?.classList.remove("about-to-press");
    this.marked = null;
  }

  stop() {
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = null;
    this.unmark();
  }

  finish() {
    if (this.finished) return;
    this.finished = true;
    this.stop();
    this.show();
    // The core words the verdict as the window does, in the page's language.
    const { status, verdict } = JSON.parse(this.module.watchVerdict(pageLanguage()));
    const heading = status === 0 ? tr("再生が終わりました。記録どおりに進みました。") : tr("再生が記録と食い違いました。");
    this.game.boxes.message(`${heading}\n${verdict}`);
  }

  togglePause() {
    if (this.finished) return;
    this.paused = !this.paused;
    if (this.paused) this.stop();
    else this.arm();
    this.show();
  }

  stepOnce() {
    if (this.finished || !this.paused || this.game.boxes.showing) return;
    this.applyOne();
    if (this.next() === null) this.finish();
  }

  faster() {
    this.pace = Math.max(FASTEST_MS, this.pace / 2);
    this.show();
  }

  slower() {
    this.pace = Math.min(SLOWEST_MS, this.pace * 2);
    this.show();
  }

  // Replay's own keys; the game's keys do nothing while a recording plays.
  handleKey(event) {
    switch (event.key) {
      case " ": this.togglePause(); return true;
      case "ArrowRight": this.stepOnce(); return true;
      case "+": case "=": this.faster(); return true;
      case "-": this.slower(); return true;
      default: return false;
    }
  }

  show() {
    let state = tr("再生中");
    if (!this.opened) state = tr("記録を開いてください");
    else if (this.finished) state = tr("再生終了");
    else if (this.paused) state = tr("再生・一時停止");
    this.status.textContent = this.opened ? tf("%1（1入力 %2 ms）", state, this.pace) : state;
    document.title = `${tr("ヴァルミナ・クェル")} [${this.opened ? state : tr("再生")}]`;
    this.pauseButton.setAttribute("aria-pressed", String(this.paused));
    this.pauseButton.textContent = this.paused ? tr("再開") : tr("一時停止");
  }
}
