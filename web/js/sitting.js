// The running sitting and its clock: starts it, takes every input (from any
// room) through one path to the core, and keeps one timer for the next due
// job, as the window's pump does: nothing runs while nothing is due, a box is
// open or the tab is hidden.

import { Inputs } from "./core.js";

function randomSeed() {
  return crypto.getRandomValues(new BigUint64Array(1))[0].toString();
}

export class Sitting {
  // `hooks`: starting() before a sitting starts and started() once the core
  // runs it; draw(state, boxMs) shows a screen; kept() after every input the
  // player's sitting applied; finished() once it is over; broken() when the
  // core failed; paused() true while a box or the tab holds the clock.
  constructor(core, hooks, watching) {
    this.core = core;
    this.hooks = hooks;
    this.watching = watching;
    this.state = null;
    this.running = false;
    this.seed = null;
    this.clockHeld = false;
    this.timer = null;
    this.startedAt = 0;
    this.picturesReady = false;
    this.heldInputs = [];
    this.picturesIn = new Promise((resolve) => {
      this.resolvePictures = resolve;
    });
  }

  // A sitting from the save (or the title page for a new run), on a seed
  // given as decimal text or a fresh one.
  start(newRun, seed = randomSeed()) {
    this.stopClock();
    this.hooks.starting();
    this.running = true;
    this.seed = seed;
    this.startedAt = performance.now();
    this.guarded(() => {
      const state = this.core.start(seed, newRun);
      this.hooks.started();
      this.after(state);
    });
  }

  // The pictures are in: inputs held for them go in, in their order.
  picturesArrived() {
    this.picturesReady = true;
    this.resolvePictures();
    for (const input of this.heldInputs.splice(0)) this.apply(input);
  }

  // Every input goes through here. Until the pictures are in, the player's
  // inputs wait (only the clock moves), so no screen ever finds its picture
  // missing that is on its way; but the clock and the title's tap, which
  // leads to the name page, drawn by the core alone, go in at once.
  apply(input) {
    if (!this.running || this.watching) return null;
    if (!this.picturesReady && input.kind !== "step" && !(input.kind === "title" && this.state?.page === "title")) {
      this.heldInputs.push(input);
      return null;
    }
    return this.guarded(() => {
      const state = this.core.apply(input);
      this.after(state);
      return state;
    });
  }

  // A screen the core reached by other means (a watched recording); its boxes close themselves after boxMs.
  show(state, boxMs = 0) {
    this.after(state, boxMs);
  }

  // A fault inside the core stops the game with a word on the page; the
  // save in storage is the last one the core finished.
  guarded(work) {
    try {
      return work();
    } catch (error) {
      this.running = false;
      this.stopClock();
      this.hooks.broken();
      console.warn(error);
      return null;
    }
  }

  after(state, boxMs = 0) {
    this.state = state;
    this.hooks.draw(state, boxMs);
    if (!this.watching) this.hooks.kept();
    if (state.terminated) this.finish();
    this.rearm();
  }

  finish() {
    this.running = false;
    this.stopClock();
    this.hooks.finished();
  }

  rearm() {
    this.stopClock();
    if (!this.running || this.clockHeld || this.hooks.paused()) return;
    const wait = this.core.nextDue();
    if (wait < 0) return;
    const lag = this.realMs() - this.core.clock();
    this.timer = setTimeout(() => this.step(), Math.max(0, wait - lag));
  }

  // A held clock moves only by the steps applied from outside (a replay).
  holdClock(held) {
    this.clockHeld = held;
    this.rearm();
  }

  stopClock() {
    if (this.timer !== null) clearTimeout(this.timer);
    this.timer = null;
  }

  realMs() {
    return Math.floor(performance.now() - this.startedAt);
  }

  step() {
    this.timer = null;
    this.apply(Inputs.step(Math.max(0, this.realMs() - this.core.clock())));
  }
}
