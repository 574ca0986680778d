// The player's hands on the stage: clicks, taps, mouse moves and keys turned
// into the core's inputs. What a key does, and where the sword row's focus
// goes, the core decides (as for the window); this room only reads the
// browser's events and draws the focus where the core puts it.

import { Inputs } from "./core.js";

// The game (its stage: the pages, the command buttons, the sword row) or nothing at all has the focus.
export function focusOnTheGame(target) {
  return target === document.body || target === document.documentElement || target?.closest?.("#stage") != null;
}

// The key as the core's rule takes it.
function keyPress(event) {
  const active = document.activeElement;
  let key = event.key;
  if (key === "Tab" && event.shiftKey) key = "BackTab";
  return {
    key,
    repeat: event.repeat,
    modified: event.altKey || event.ctrlKey || event.metaKey,
    typing: event.target instanceof HTMLInputElement && event.target.type === "text",
    onGame: focusOnTheGame(event.target),
    fromRow: active === document.body || active === null || active?.closest?.(".sword") != null,
  };
}

export class PlayerInput {
  // `actions`: keyHelp() and toggleMute(), the toolbar's, which keys reach too.
  constructor(doc, core, sitting, stage, boxes, actions) {
    this.core = core;
    this.sitting = sitting;
    this.stage = stage;
    this.screen = stage.screen;
    this.boxes = boxes;
    this.actions = actions;
    this.nameEdit = doc.getElementById("name-edit");
    this.focus = -1;           // the sword label the keys' focus rests on
    this.pointer = null;       // the last sword or panel the mouse reported
    this.touchShown = -1;      // the sword a first tap showed
    this.pointerType = "mouse";
    this.wire(doc);
  }

  apply(input) {
    const state = this.sitting.apply(input);
    if (input.kind !== "hover" && input.kind !== "leave") this.pointer = null;
    return state;
  }

  // After every screen: the focus the row still allows.
  afterScreen() {
    if (this.focus >= 0) this.showFocus(this.core.keptFocus(this.focus));
  }

  // The dotted focus goes with the real one: a label left focused would look chosen.
  showFocus(index) {
    if (index === this.focus) return;
    if (this.focus >= 0) {
      const old = this.screen.swords[this.focus];
      old.classList.remove("key-focus");
      if (document.activeElement === old) old.blur();
    }
    this.focus = index;
    if (index < 0) return;
    const label = this.screen.swords[index];
    label.classList.add("key-focus");
    label.focus({ preventScroll: true });
  }

  async submitName() {
    if (!this.sitting.running || this.boxes.showing) return;
    const typed = this.nameEdit.value;
    const question = this.core.nameQuestion(typed);
    if (question !== "") {
      const yes = await this.boxes.question(question);
      this.stage.expectBox(question);
      this.apply(Inputs.answer(yes));
    }
    this.apply(Inputs.name(typed));
    this.stage.expectBox(null);
  }

  pressCommand(index) {
    const caption = this.sitting.state?.buttons[index];
    if (caption === null || caption === undefined) return;
    this.showFocus(-1);
    this.apply(Inputs.command(index, caption));
  }

  swordActivated(index) {
    // On a touch screen the first tap shows what the sword is, the second chooses it.
    if (this.pointerType === "touch" && this.touchShown !== index) {
      this.touchShown = index;
      this.apply(Inputs.hover(index));
      return;
    }
    this.touchShown = -1;
    this.apply(Inputs.click(index));
  }

  // Back to the commands from a sword's information: the mouse does it by
  // leaving the row; a finger by the close control, or a tap on anything of
  // the main page but a sword or a command.
  closeInfo() {
    this.touchShown = -1;
    this.showFocus(-1);
    if (this.sitting.state?.info != null) this.apply(Inputs.leave());
  }

  // The mouse over the main page: a sword label reports a hover, anywhere
  // else on a panel (but the command buttons) reports leaving the row.
  pointerMoved(target) {
    if (this.sitting.state?.page !== "main") return;
    const sword = target.closest(".sword");
    let input = null;
    if (sword !== null) input = Inputs.hover(Number(sword.dataset.sword));
    else if (target.closest(".panel") !== null && target.closest(".command") === null) input = Inputs.leave();
    const report = input === null ? null : JSON.stringify(input);
    if (report === null || report === this.pointer) return;
    this.apply(input);
    this.pointer = report;
  }

  // A key on the page; true when it was the game's.
  handleKey(event) {
    // A key that finishes a Japanese input method's conversion belongs to the field.
    if (event.isComposing || event.keyCode === 229) return false;
    if (event.target instanceof HTMLSelectElement) return false;  // a list takes its own keys
    const answer = this.core.key(keyPress(event), this.focus);
    this.showFocus(answer.focus);
    for (const input of answer.inputs) this.apply(input);
    switch (answer.action) {
      case "keyHelp": this.actions.keyHelp(); break;
      case "toggleMute": this.actions.toggleMute(); break;
      case "submitName": this.submitName(); break;
      case "pressCommand": this.pressCommand(answer.command); break;
      default: break;
    }
    return answer.used;
  }

  wire(doc) {
    const stage = doc.getElementById("stage");
    doc.getElementById("title-button").addEventListener("click", () => this.apply(Inputs.title()));
    doc.getElementById("name-button").addEventListener("click", () => this.submitName());
    for (const button of this.screen.commands) {
      button.addEventListener("click", () => this.pressCommand(Number(button.dataset.command)));
    }
    for (const label of this.screen.swords) {
      label.addEventListener("click", () => this.swordActivated(Number(label.dataset.sword)));
    }
    doc.getElementById("info-close").addEventListener("click", () => this.closeInfo());
    doc.getElementById("page-main").addEventListener("click", (event) => {
      if (this.pointerType === "touch" && event.target.closest(".sword, .command, #info-close") === null) this.closeInfo();
    });
    stage.addEventListener("pointerdown", (event) => {
      this.pointerType = event.pointerType;
    });
    stage.addEventListener("pointermove", (event) => {
      if (event.pointerType === "mouse") this.pointerMoved(event.target);
    });
    stage.addEventListener("contextmenu", (event) => event.preventDefault());
  }

  keyboardUsed() {
    this.pointerType = "keyboard";
  }
}
