// The toolbar: the save and its report and backup handed to the player, a
// save brought in, a new journey, sound, the key list and the language.

import { tr } from "./i18n.js";
import { download } from "./download.js";
import { SAVE_FILE, BACKUP_FILE, REPORT_FILE } from "./saves.js";

const IMPORT_PATH = "/import/save.dat";
const IMPORT_LIMIT = 65536;  // far above a save's 1124 bytes; a larger file is no save

export class Toolbar {
  // `journey`: newRun() starts a fresh one, continueFrom() goes on from the
  // save in storage; `chooseLanguage(code)` is the language room's.
  constructor(doc, core, boxes, sound, keeping, journey, texts) {
    this.doc = doc;
    this.core = core;
    this.boxes = boxes;
    this.sound = sound;
    this.keeping = keeping;
    this.journey = journey;
    this.texts = texts;
    this.tools = doc.getElementById("tools");
  }

  toggleMute() {
    this.sound.setMuted(!this.sound.muted);
    this.showSoundSetting();
  }

  showSoundSetting() {
    const mute = this.tools.querySelector('[data-tool="mute"]');
    mute.setAttribute("aria-pressed", String(this.sound.muted));
    mute.textContent = this.sound.muted ? tr("音を戻す") : tr("音を消す");
    this.tools.querySelector('[data-tool="volume"]').value = String(Math.round(this.sound.volume * 100));
  }

  showKeyHelp() {
    this.boxes.message(this.core.keyHelp());
  }

  async tool(name) {
    switch (name) {
      case "export": return this.offerFile(SAVE_FILE, "save.dat", this.texts.noSave);
      case "report": return this.offerFile(REPORT_FILE, REPORT_FILE, this.texts.noReport);
      case "backup": return this.offerFile(BACKUP_FILE, BACKUP_FILE, this.texts.noBackup);
      case "import": return this.doc.getElementById("import-file").click();
      case "new-run":
        if (await this.boxes.question(this.texts.newRun)) this.journey.newRun();
        return undefined;
      case "mute": return this.toggleMute();
      case "keys": return this.showKeyHelp();
      default: return undefined;
    }
  }

  offerFile(name, downloadName, missing) {
    const bytes = this.keeping.read(name);
    if (bytes === null) return this.boxes.message(missing);
    return download(bytes, downloadName);
  }

  // A save file from elsewhere (the desktop's, or one exported here): checked
  // as a load checks it, and the journey continues from it only if it loads.
  async importSave(file) {
    if (file.size > IMPORT_LIMIT) return this.boxes.message(this.texts.tooBig);
    const bytes = new Uint8Array(await file.arrayBuffer());
    const fs = this.core.fs;
    fs.mkdirTree("/import");
    fs.writeFile(IMPORT_PATH, bytes);
    const problem = this.core.saveProblem(IMPORT_PATH);
    fs.unlink(IMPORT_PATH);
    if (problem !== "") return this.boxes.message(problem);
    if (!(await this.boxes.question(this.texts.importRun))) return undefined;
    await this.journey.picturesIn();  // the journey goes on in the field, whose picture must be here
    await this.keeping.replaceSave(SAVE_FILE, BACKUP_FILE, bytes);
    this.journey.continueFrom();
    return undefined;
  }

  wire(languageChoices, chooseLanguage, currentLanguage) {
    this.tools.addEventListener("click", (event) => {
      const button = event.target.closest("button[data-tool]");
      if (button !== null) this.tool(button.dataset.tool);
    });
    this.tools.querySelector('[data-tool="volume"]').addEventListener("input", (event) => {
      this.sound.setVolume(Number(event.target.value) / 100);
    });
    const language = this.tools.querySelector('[data-tool="language"]');
    // One choice a language the build lists; Japanese is in the HTML.
    for (const { code, name } of languageChoices) {
      if (language.querySelector(`option[value="${code}"]`) !== null) continue;
      const option = new Option(name, code);
      option.lang = code;
      language.append(option);
    }
    language.value = currentLanguage;
    language.addEventListener("change", () => chooseLanguage(language.value));
    const picker = this.doc.getElementById("import-file");
    picker.addEventListener("change", () => {
      const file = picker.files[0];
      picker.value = "";
      if (file !== undefined) this.importSave(file);
    });
    this.showSoundSetting();
  }

  showLanguage(code) {
    this.tools.querySelector('[data-tool="language"]').value = code;
  }
}
