// The window's message boxes as an in-page dialog captioned "ZEMRA6": one at
// a time, in order; a question resolves to the player's answer. The focus
// goes back where the first box took it from once the last one closes.

import { tr } from "./i18n.js";

export class Boxes {
  constructor(doc) {
    this.dialog = doc.getElementById("box");
    this.text = doc.getElementById("box-text");
    this.buttons = doc.getElementById("box-buttons");
    this.chain = Promise.resolve();
    this.open = 0;
    this.returnTo = null;  // what had the focus before the boxes
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
      this.returnTo ??= document.activeElement;
      this.dialog.showModal();
      this.buttons.firstElementChild.focus();
      if (closeAfterMs > 0) setTimeout(() => this.buttons.lastElementChild?.click(), closeAfterMs);
    }));
    this.chain = shown;
    return shown.then((value) => {
      this.open--;
      if (this.open === 0) this.giveFocusBack();
      this.onChange();
      return value;
    });
  }

  // A text field gets its caret back too: a box closed by a click leaves the
  // field focused (the browser gives the focus back itself) but the caret in
  // the closed box, and typing would go nowhere.
  giveFocusBack() {
    const element = this.returnTo;
    this.returnTo = null;
    if (element === null || element === document.body || !element.isConnected) return;
    element.focus({ preventScroll: true });
    if (element instanceof HTMLInputElement && element.type === "text") {
      element.setSelectionRange(element.value.length, element.value.length);
    }
  }
}
