// The window's message boxes as an in-page dialog captioned "ZEMRA6": one at
// a time, in order; a question resolves to the player's answer.

import { tr } from "./i18n.js";

export class Boxes {
  constructor(doc) {
    this.dialog = doc.getElementById("box");
    this.text = doc.getElementById("box-text");
    this.buttons = doc.getElementById("box-buttons");
    this.chain = Promise.resolve();
    this.open = 0;
    this.onChange = () => {};
    // Escape closes a box as its last button would (OK, or いいえ).
    this.dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      this.buttons.lastElementChild?.click();
    });
  }

  get showing() {
    return this.open > 0;
  }

  // A box that closes itself after `closeAfterMs` (a replay's), or waits for the player.
  message(text, closeAfterMs = 0) {
    return this.ask(text, [["OK", true]], closeAfterMs);
  }

  question(text) {
    return this.ask(text, [[tr("はい"), true], [tr("いいえ"), false]]);
  }

  // Boxes queue behind each other; each resolves once it is closed.
  ask(text, answers, closeAfterMs = 0) {
    this.open++;
    this.onChange();
    const shown = this.chain.then(() => new Promise((resolve) => {
      this.text.textContent = text.replaceAll("\r\n", "\n");
      this.buttons.replaceChildren();
      for (const [caption, value] of answers) {
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = caption;
        button.addEventListener("click", () => {
          this.dialog.close();
          resolve(value);
        }, { once: true });
        this.buttons.append(button);
      }
      this.dialog.showModal();
      this.buttons.firstElementChild.focus();
      if (closeAfterMs > 0) setTimeout(() => this.buttons.lastElementChild?.click(), closeAfterMs);
    }));
    this.chain = shown;
    return shown.then((value) => {
      this.open--;
      this.onChange();
      return value;
    });
  }
}
