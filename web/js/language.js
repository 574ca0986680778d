// The language room: the page's own texts change at once; the game's at its
// next start, as on the desktop. On the title there is nothing to lose: it
// starts again now.

import { keepLanguage, usePageLanguage } from "./i18n.js";

export class LanguageChoice {
  // `sitting`: the running sitting, restarted on its title; `told(text)` shows a word.
  constructor(core, storage, sitting, told, texts) {
    this.core = core;
    this.storage = storage;
    this.sitting = sitting;
    this.told = told;
    this.texts = texts;
  }

  async choose(code) {
    keepLanguage(this.storage, code);
    // A later choice made while this one's catalogue was coming has the last word.
    if ((await usePageLanguage(code)) !== code || code === this.core.language()) return;
    if (this.sitting.running && this.sitting.state?.page === "title") {
      this.core.setLanguage(code);
      this.sitting.start(false, this.sitting.seed);
      return;
    }
    this.told(this.texts.languageLater);
  }
}
