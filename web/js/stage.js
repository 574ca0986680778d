// The stage: draws each screen the core describes (the page's elements, the
// title and name canvases, what a screen reader hears), plays its sound and
// shows its boxes. It holds no rule of the game's.

import { Screen } from "./screen.js";
import { drawBitmap } from "./bitmaps.js";

export class Stage {
  constructor(doc, core, boxes, sound) {
    this.core = core;
    this.boxes = boxes;
    this.sound = sound;
    this.screen = new Screen(doc, core.look());
    this.stage = doc.getElementById("stage");
    this.titleCanvas = doc.getElementById("title-canvas");
    this.nameCanvas = doc.getElementById("name-canvas");
    this.nameEdit = doc.getElementById("name-edit");
    this.pictureUrls = new Map();
    this.screen.setPictures((name) => this.pictureUrls.get(name) ?? null);
    this.state = null;
    this.framePending = false;
    this.nameVersion = -1;
    this.expectedBox = null;  // a question the page has already asked
  }

  addPictures(urls) {
    for (const [name, url] of urls) this.pictureUrls.set(name, url);
  }

  // What the core says is in its language, which a sitting keeps to its end
  // (a watched recording brings its own): the stage is marked so.
  showCoreLanguage() {
    this.stage.lang = this.core.language();
    this.screen.setNameLead(this.core.nameLead());
    this.nameVersion = -1;
  }

  // A box the page already showed before the input that raises it.
  expectBox(text) {
    this.expectedBox = text;
  }

  draw(state, boxMs = 0) {
    // A mark whenever the kind of page changes: the site's load figures read the first of each.
    if (state.page !== this.state?.page) performance.mark(`zemra6:${state.page}`);
    this.state = state;
    this.screen.render(state, this.core.spoken());
    if (state.page === "title") this.requestTitleFrame();
    if (state.page === "name") this.drawNameBackground();
    if (state.sounds.length > 0) {
      const [name, loop] = state.sounds[state.sounds.length - 1];
      this.sound.play(name.replace(/^dat\//, ""), loop);
    }
    for (const text of state.boxes) {
      if (text === this.expectedBox) {
        this.expectedBox = null;
        continue;
      }
      this.boxes.message(text, boxMs);
    }
  }

  // The texts the page drew itself, again in the page's new language.
  relabel() {
    this.screen.relabel(this.state, this.state === null ? null : this.core.spoken());
  }

  requestTitleFrame() {
    if (this.framePending) return;
    this.framePending = true;
    requestAnimationFrame(() => {
      this.framePending = false;
      if (this.state?.page === "title") drawBitmap(this.titleCanvas, this.core.module, this.core.titleFrame());
    });
  }

  drawNameBackground() {
    const description = this.core.nameBackground();
    const version = JSON.parse(description).version;
    if (version !== this.nameVersion) this.nameVersion = drawBitmap(this.nameCanvas, this.core.module, description);
    if (document.activeElement !== this.nameEdit && !this.boxes.showing) this.nameEdit.focus();
  }
}
