// The page: loads the core and the content, keeps the save in the browser,
// and passes every click, key, tap and clock step to the core as one input
// line, drawing the screen the core describes after each.

import { Boxes } from "./boxes.js";
import { Screen } from "./screen.js";
import { Sound } from "./sound.js";
import { SaveStore, SAVE_FILE, BACKUP_FILE, REPORT_FILE, RECORDING_PREFIX, SAVE_ITEM } from "./saves.js";
import { Watcher } from "./watch.js";
import { drawBitmap } from "./bitmaps.js";
import { handleKey, keyHelpText, focusOnTheGame } from "./keys.js";
import { loadContent } from "./content.js";
import { openStorage } from "./storage.js";
import { download } from "./download.js";
import {
  tr, chosenLanguage, keepLanguage, languageList, loadLanguages, onLanguageChange, pageLanguage, usePageLanguage,
} from "./i18n.js";

// Read when shown, so each is in the page's language of that moment.
const TEXTS = {
  get noWasm() { return tr("このブラウザはWebAssemblyに対応していないため、ゲームを始められません。\n新しいブラウザでこのページを開いてください。"); },
  get noCore() { return tr("ゲームの本体（zemra6-web.wasm）を読み込めませんでした。\nページを読み込み直してください。"); },
  get elsewhere() { return tr("このゲームは別のタブで開かれています。\nセーブを守るため、ここでは遊べません。そちらのタブで遊んでください。"); },
  get finished() { return tr("旅は終わりました。\nページを読み込み直すと、また遊べます。"); },
  get broken() { return tr("ゲームの内部で問題が起きたため、ここで止めました。\nセーブは最後にセーブしたときのまま残っています。ページを読み込み直してください。"); },
  get noStorage() { return tr("ブラウザの保存領域が使えません。\nこの旅のセーブはタブを閉じると消えます。「セーブを書き出す」で手元に残せます。"); },
  get storageFull() { return tr("ブラウザの保存領域に書き込めませんでした。\nセーブはこのタブを閉じると消えます。「セーブを書き出す」で手元に残せます。"); },
  get newRun() { return tr("新しい旅を始めますか？\n今の旅のsave.datはsave.dat.bakとして残ります。"); },
  get importRun() { return tr("このセーブで旅を続けますか？\n今の旅のsave.datはsave.dat.bakとして残ります。"); },
  get noSave() { return tr("セーブはまだありません。"); },
  get noReport() { return tr("レポートはまだありません。"); },
  get noBackup() { return tr("前の旅のセーブはありません。"); },
  get tooBig() { return tr("（save.datの内容が不適切です。）"); },
  get languageLater() { return tr("言語は次にゲームを起動したときに切り替わります。"); },
};
const IMPORT_PATH = "/import/save.dat";
const IMPORT_LIMIT = 65536;  // far above a save's 1124 bytes; a larger file is no save
const RECORDING_KEEP_MS = 3000;

// The line form escapes backslashes and line breaks.
function lineText(text) {
  return text.replaceAll("\\", "\\\\").replaceAll("\r", "\\r").replaceAll("\n", "\\n");
}

function randomSeed() {
  return crypto.getRandomValues(new BigUint64Array(1))[0].toString();
}

class Game {
  // A watching page shows a recording's sittings and takes no player input.
  constructor(module, storage, sound, watching) {
    this.module = module;
    this.storage = storage;
    this.screen = new Screen(document, JSON.parse(module.look()));
    this.pictureUrls = new Map();
    this.screen.setPictures((name) => this.pictureUrls.get(name) ?? null);
    this.screen.setSwordInfos(() => JSON.parse(module.swordInfos()));
    this.boxes = new Boxes(document);
    this.boxes.onChange = () => this.rearm();
    this.sound = sound;
    this.saves = new SaveStore(storage, module.FS);
    this.watching = watching;
    this.picturesReady = false;
    this.heldInputs = [];
    this.picturesIn = new Promise((resolve) => {
      this.resolvePictures = resolve;
    });
    this.state = null;
    this.running = false;
    this.clockHeld = false;
    this.timer = null;
    this.recordingTimer = null;
    this.watcher = null;
    this.framePending = false;
    this.nameVersion = -1;
    this.pointer = null;       // the last sword or panel the mouse reported
    this.touchShown = -1;      // the sword a first tap showed
    this.pointerType = "mouse";
    this.swordFocus = -1;
    this.expectedBox = null;   // a question the page has already asked
    this.titleCanvas = document.getElementById("title-canvas");
    this.nameCanvas = document.getElementById("name-canvas");
    this.nameEdit = document.getElementById("name-edit");
    this.wire();
  }

  // A sitting from the save in storage (or the title page for a new run), on
  // a seed given as decimal text or a fresh one.
  start(newRun, seed = randomSeed()) {
    this.stopClock();
    this.sound.stop();
    this.running = true;
    this.seed = seed;
    this.nameVersion = -1;
    this.dropSwordFocus();
    this.startedAt = performance.now();
    document.getElementById("notice").hidden = true;
    this.guarded(() => {
      const state = JSON.parse(this.module.start(seed, newRun, true));
      this.showCoreLanguage();
      this.after(state);
    });
  }

  // What the core says is in its language, which a sitting keeps to its end
  // (a watched recording brings its own): the stage is marked so.
  showCoreLanguage() {
    document.getElementById("stage").lang = this.module.language();
    this.screen.setNameLead(this.module.nameLead());
  }

  // The page's own texts change at once; the game's at its next start, as on
  // the desktop. On the title there is nothing to lose: it starts again now.
  async chooseLanguage(code) {
    keepLanguage(this.storage, code);
    // A later choice made while this one's catalogue was coming has the last word.
    if ((await usePageLanguage(code)) !== code || code === this.module.language()) return;
    if (this.running && this.state?.page === "title") {
      this.module.setLanguage(code);
      this.start(false, this.seed);
      return;
    }
    this.boxes.message(TEXTS.languageLater);
  }

  // The texts the page drew itself, again in its new language.
  relabel() {
    document.title = tr("ヴァルミナ・クェル");
    this.screen.relabel(this.state);
    this.showSoundSetting();
    this.watcher?.show();
    document.querySelector('[data-tool="language"]').value = pageLanguage();
    fitStage();
  }

  // The pictures are in: inputs held for them go in, in their order.
  picturesArrived(urls) {
    for (const [name, url] of urls) this.pictureUrls.set(name, url);
    this.picturesReady = true;
    this.resolvePictures();
    for (const line of this.heldInputs.splice(0)) this.apply(line);
  }

  // Every input, from any source, goes through here as one line. Until the
  // pictures are in, the player's inputs wait (only the clock moves), so no
  // screen ever finds its picture missing that is on its way.
  apply(line) {
    if (!this.running || this.watching) return null;
    if (!this.picturesReady && !line.startsWith("step ")) {
      this.heldInputs.push(line);
      return null;
    }
    return this.guarded(() => {
      const state = JSON.parse(this.module.apply(line));
      if (!line.startsWith("hover ") && line !== "leave") this.pointer = null;
      this.after(state);
      return state;
    });
  }

  // A fault inside the core stops the game with a word on the page; the
  // save in storage is the last one the core finished.
  guarded(work) {
    try {
      return work();
    } catch (error) {
      this.running = false;
      this.stopClock();
      showNotice(TEXTS.broken);
      console.warn(error);
      return null;
    }
  }

  // A screen the core reached by other means (a watched recording); its boxes close themselves after boxMs.
  show(state, boxMs = 0) {
    this.after(state, boxMs);
  }

  after(state, boxMs = 0) {
    // A mark whenever the kind of page changes: the site's load figures read the first of each.
    if (state.page !== this.state?.page) performance.mark(`zemra6:${state.page}`);
    this.state = state;
    this.screen.render(state);
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
    if (!this.watching) {
      const { newlyFailed } = this.saves.sync();
      if (newlyFailed) this.boxes.message(TEXTS.storageFull);
      this.keepRecordingSoon();
    }
    if (state.terminated) this.finish();
    this.rearm();
  }

  // The recording goes to storage a few seconds after the inputs that grew
  // it, and at once when the page is hidden or left; nothing runs while idle.
  keepRecordingSoon() {
    if (this.recordingTimer !== null) return;
    this.recordingTimer = setTimeout(() => this.keepRecording(), RECORDING_KEEP_MS);
  }

  keepRecording() {
    if (this.recordingTimer !== null) clearTimeout(this.recordingTimer);
    this.recordingTimer = null;
    if (this.watching) return;
    const state = this.state;
    const end = state === null ? null : {
      page: state.page, depth: state.run.depth, battles: state.run.battleCount,
      cleared: state.run.cleared, terminated: state.terminated, at: Date.now(),
    };
    this.saves.syncRecordings(end, this.module.recordingName());
  }

  finish() {
    this.running = false;
    this.stopClock();
    this.keepRecording();
    showNotice(TEXTS.finished);
  }

  // One timer for the next due job, as the window's pump does: nothing runs
  // while nothing is due, a box is open or the tab is hidden.
  rearm() {
    this.stopClock();
    if (!this.running || this.clockHeld || this.boxes.showing || document.hidden) return;
    const wait = this.module.nextDue();
    if (wait < 0) return;
    const lag = this.realMs() - this.module.clock();
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
    this.apply(`step ${Math.max(0, this.realMs() - this.module.clock())}`);
  }

  requestTitleFrame() {
    if (this.framePending) return;
    this.framePending = true;
    requestAnimationFrame(() => {
      this.framePending = false;
      if (this.state?.page === "title") drawBitmap(this.titleCanvas, this.module, this.module.titleFrame());
    });
  }

  drawNameBackground() {
    const description = this.module.nameBackground();
    const version = JSON.parse(description).version;
    if (version !== this.nameVersion) this.nameVersion = drawBitmap(this.nameCanvas, this.module, description);
    if (document.activeElement !== this.nameEdit && !this.boxes.showing) this.nameEdit.focus();
  }

  async submitName() {
    if (!this.running || this.boxes.showing) return;
    const typed = this.nameEdit.value;
    const question = this.module.nameQuestion(typed);
    if (question !== "") {
      const yes = await this.boxes.question(question);
      this.apply(`answer ${yes ? "yes" : "no"}`);
      this.expectedBox = question;
    }
    this.apply(`name ${lineText(typed)}`);
    this.expectedBox = null;
  }

  pressCommand(index) {
    const caption = this.state?.buttons[index];
    if (caption === null || caption === undefined) return;
    this.dropSwordFocus();
    this.apply(`command ${index} ${lineText(caption)}`);
  }

  clickSword(index) {
    this.touchShown = -1;
    this.apply(`click ${index}`);
    if (this.swordFocus >= 0 && !this.state.swords.clickable) this.dropSwordFocus();
  }

  focusSword(index) {
    if (index < 0) return;
    if (index === this.swordFocus) this.apply("leave");
    this.dropSwordFocus();
    this.swordFocus = index;
    const label = this.screen.swords[index];
    label.classList.add("key-focus");
    label.focus({ preventScroll: true });
    this.apply(`hover ${index}`);
  }

  // The dotted focus goes with the real one: a label left focused would look chosen.
  dropSwordFocus() {
    if (this.swordFocus < 0) return;
    const label = this.screen.swords[this.swordFocus];
    label.classList.remove("key-focus");
    if (document.activeElement === label) label.blur();
    this.swordFocus = -1;
  }

  // The mouse over the main page: a sword label reports a hover, anywhere
  // else on a panel (but the command buttons) reports leaving the row.
  pointerMoved(target) {
    if (this.state?.page !== "main") return;
    const sword = target.closest(".sword");
    let report = null;
    if (sword !== null) report = `hover ${sword.dataset.sword}`;
    else if (target.closest(".panel") !== null && target.closest(".command") === null) report = "leave";
    if (report === null || report === this.pointer) return;
    this.apply(report);
    this.pointer = report;
  }

  swordActivated(index) {
    // On a touch screen the first tap shows what the sword is, the second chooses it.
    if (this.pointerType === "touch" && this.touchShown !== index) {
      this.touchShown = index;
      this.apply(`hover ${index}`);
      return;
    }
    this.clickSword(index);
  }

  toggleMute() {
    this.sound.setMuted(!this.sound.muted);
    this.showSoundSetting();
  }

  showSoundSetting() {
    const mute = document.querySelector('[data-tool="mute"]');
    mute.setAttribute("aria-pressed", String(this.sound.muted));
    mute.textContent = this.sound.muted ? tr("音を戻す") : tr("音を消す");
    document.querySelector('[data-tool="volume"]').value = String(Math.round(this.sound.volume * 100));
  }

  showKeyHelp() {
    this.boxes.message(keyHelpText());
  }

  async tool(name) {
    switch (name) {
      case "export": return this.offerFile(SAVE_FILE, "save.dat", TEXTS.noSave);
      case "report": return this.offerFile(REPORT_FILE, REPORT_FILE, TEXTS.noReport);
      case "backup": return this.offerFile(BACKUP_FILE, BACKUP_FILE, TEXTS.noBackup);
      case "import": return document.getElementById("import-file").click();
      case "new-run":
        if (await this.boxes.question(TEXTS.newRun)) this.start(true);
        return undefined;
      case "mute": return this.toggleMute();
      case "keys": return this.showKeyHelp();
      default: return undefined;
    }
  }

  offerFile(name, downloadName, missing) {
    const bytes = this.saves.read(name);
    if (bytes === null) return this.boxes.message(missing);
    return download(bytes, downloadName);
  }

  // A save file from elsewhere (the desktop's, or one exported here): checked
  // as a load checks it, and the journey continues from it only if it loads.
  async importSave(file) {
    if (file.size > IMPORT_LIMIT) return this.boxes.message(TEXTS.tooBig);
    const bytes = new Uint8Array(await file.arrayBuffer());
    this.module.FS.mkdirTree("/import");
    this.module.FS.writeFile(IMPORT_PATH, bytes);
    const problem = this.module.saveProblem(IMPORT_PATH);
    this.module.FS.unlink(IMPORT_PATH);
    if (problem !== "") return this.boxes.message(problem);
    if (!(await this.boxes.question(TEXTS.importRun))) return undefined;
    await this.picturesIn;  // the journey goes on in the field, whose picture must be here
    const current = this.saves.read(SAVE_FILE);
    if (current !== null) this.saves.write(BACKUP_FILE, current);
    this.saves.write(SAVE_FILE, bytes);
    const { ok } = this.saves.sync();
    if (!ok) this.boxes.message(TEXTS.storageFull);
    this.start(false);
    return undefined;
  }

  wire() {
    const stage = document.getElementById("stage");
    document.getElementById("title-button").addEventListener("click", () => this.apply("title"));
    document.getElementById("name-button").addEventListener("click", () => this.submitName());
    for (const button of this.screen.commands) {
      button.addEventListener("click", () => this.pressCommand(Number(button.dataset.command)));
    }
    for (const label of this.screen.swords) {
      label.addEventListener("click", () => this.swordActivated(Number(label.dataset.sword)));
    }
    stage.addEventListener("pointerdown", (event) => {
      this.pointerType = event.pointerType;
    });
    stage.addEventListener("pointermove", (event) => {
      if (event.pointerType === "mouse") this.pointerMoved(event.target);
    });
    stage.addEventListener("contextmenu", (event) => event.preventDefault());
    document.addEventListener("keydown", (event) => {
      this.pointerType = "keyboard";
      this.sound.unlock();
      if (this.boxes.showing) return;
      if (this.watcher !== null) {
        if (focusOnTheGame(event.target) && this.watcher.handleKey(event)) event.preventDefault();
        return;
      }
      if (!this.running) return;
      if (handleKey(this, event)) event.preventDefault();
    });
    document.addEventListener("pointerdown", () => this.sound.unlock());
    document.addEventListener("visibilitychange", () => {
      if (document.hidden) this.keepRecording();
      this.rearm();
    });
    window.addEventListener("pagehide", () => this.keepRecording());
    const tools = document.getElementById("tools");
    tools.addEventListener("click", (event) => {
      const button = event.target.closest("button[data-tool]");
      if (button !== null) this.tool(button.dataset.tool);
    });
    tools.querySelector('[data-tool="volume"]').addEventListener("input", (event) => {
      this.sound.setVolume(Number(event.target.value) / 100);
    });
    const language = tools.querySelector('[data-tool="language"]');
    // One choice a language the build lists; Japanese is in the HTML.
    for (const { code, name } of languageList()) {
      if (language.querySelector(`option[value="${code}"]`) !== null) continue;
      const option = new Option(name, code);
      option.lang = code;
      language.append(option);
    }
    language.value = pageLanguage();
    language.addEventListener("change", () => this.chooseLanguage(language.value));
    onLanguageChange(() => this.relabel());
    const picker = document.getElementById("import-file");
    picker.addEventListener("change", () => {
      const file = picker.files[0];
      picker.value = "";
      if (file !== undefined) this.importSave(file);
    });
    tools.hidden = this.watching;
    this.showSoundSetting();
  }

  // The watching page's bar: open a file (or drop one on the page), pause, step, pace.
  watch() {
    this.watcher = new Watcher(this, document);
    const bar = document.getElementById("watch-bar");
    const picker = document.getElementById("watch-file");
    const openFile = async (file) => this.watcher.open(new Uint8Array(await file.arrayBuffer()), file.name);
    bar.addEventListener("click", (event) => {
      const button = event.target.closest("button[data-watch]");
      if (button === null) return;
      const action = button.dataset.watch;
      if (action === "open") picker.click();
      if (action === "pause") this.watcher.togglePause();
      if (action === "step") this.watcher.stepOnce();
      if (action === "faster") this.watcher.faster();
      if (action === "slower") this.watcher.slower();
    });
    picker.addEventListener("change", () => {
      const file = picker.files[0];
      picker.value = "";
      if (file !== undefined) openFile(file);
    });
    document.addEventListener("dragover", (event) => event.preventDefault());
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      const file = event.dataTransfer?.files[0];
      if (file !== undefined) openFile(file);
    });
    bar.hidden = false;
    this.watcher.show();
    fitStage();
    return this.watcher;
  }
}

function showNotice(text) {
  const notice = document.getElementById("notice");
  notice.textContent = text;
  notice.hidden = false;
}

// The 500 x 400 window scaled as a whole to the largest size that fits.
function fitStage() {
  const holder = document.getElementById("holder");
  const stage = document.getElementById("stage");
  const tools = document.getElementById("tools");
  const bar = document.getElementById("watch-bar");
  const room = window.innerHeight - (tools.hidden ? 0 : tools.offsetHeight) - (bar.hidden ? 0 : bar.offsetHeight);
  const scale = Math.max(0.1, Math.min(window.innerWidth / 500, room / 400));
  holder.style.width = `${500 * scale}px`;
  holder.style.height = `${400 * scale}px`;
  stage.style.transform = `scale(${scale})`;
  // Its own layer, so a title frame is scaled once by the compositor and not
  // repainted with the page; made again at each new scale, so text stays sharp.
  stage.style.willChange = "auto";
  requestAnimationFrame(() => {
    stage.style.willChange = "transform";
  });
}

// Holds the save for this tab as long as it is open: a second tab of the
// game on this site finds it taken and plays nothing until the first closes
// (`wait`: resolves once this tab holds it).
function holdSaveLock(wait = false) {
  if (!navigator.locks) return Promise.resolve(true);
  return new Promise((resolve) => {
    navigator.locks.request("zemra6-save", wait ? {} : { ifAvailable: true }, (lock) => {
      resolve(lock !== null);
      return lock === null ? undefined : new Promise(() => {});
    }).catch(() => resolve(true));  // a browser that refuses locks (storage turned off) keeps no save to guard
  });
}

async function boot() {
  fitStage();
  window.addEventListener("resize", fitStage);
  const { storage, persistent } = openStorage();
  // The page speaks the player's language from its first word.
  await loadLanguages();
  const language = await usePageLanguage(chosenLanguage(storage));
  document.title = tr("ヴァルミナ・クェル");
  if (typeof WebAssembly !== "object") return showNotice(TEXTS.noWasm);
  const params = new URLSearchParams(location.search);
  // ?watch plays a recording (?watch=NAME one kept here); it never takes the save.
  const watching = params.has("watch");
  if (!watching && !(await holdSaveLock())) {
    // The first tab's last save is in storage by the time it lets go: this one plays on from it.
    showNotice(TEXTS.elsewhere);
    await holdSaveLock(true);
    document.getElementById("notice").hidden = true;
  }
  let module;
  let game = null;
  const early = [];  // problems told before the game can show a box
  const report = (text) => (game === null ? early.push(text) : game.boxes.message(text));
  const sound = new Sound(storage);
  let firstScreenShown;
  const firstScreen = new Promise((resolve) => {
    firstScreenShown = resolve;
  });
  const contentLoad = loadContent("dat/", sound, report, firstScreen);
  // The title is drawn on a canvas, which never asks for a font itself: load the game's font first.
  const fontLoad = document.fonts?.load('bold 16px "Zemra6 Gothic"', "セルノア").catch(() => []);
  try {
    const { default: create } = await import("../zemra6-web.mjs");
    module = await create({ print: () => {}, printErr: () => {} });
  } catch {
    return showNotice(TEXTS.noCore);
  }
  module.setLanguage(language);
  const writeFiles = (files) => {
    module.FS.mkdirTree("/dat");
    for (const [name, bytes] of files) module.FS.writeFile(`/dat/${name}`, bytes);
  };
  const story = await contentLoad.story;
  await fontLoad;
  writeFiles(story.files);
  const pictures = contentLoad.pictures.then((loaded) => {
    writeFiles(loaded.files);
    return loaded;
  });
  game = new Game(module, storage, sound, watching);
  window.zemra6 = game;  // for the page's own tests and the console
  fitStage();
  // A sitting that opens on a picture (a save's field, a recording) waits for the pictures.
  const saved = storage.getItem(SAVE_ITEM) !== null;
  if (watching || saved) {
    firstScreenShown();
    game.picturesArrived((await pictures).urls);
  }
  else pictures.then((loaded) => game.picturesArrived(loaded.urls));
  pictures.then((loaded) => loaded.problems.forEach((text) => game.boxes.message(text)));
  for (const text of [...story.problems, ...early]) game.boxes.message(text);
  if (watching) {
    const watcher = game.watch();
    const name = params.get("watch");
    const kept = name ? storage.getItem(RECORDING_PREFIX + name) : null;
    if (kept !== null) watcher.open(new TextEncoder().encode(kept), name);
    return undefined;
  }
  game.saves.restore();
  // A seed in the address (?seed=123) starts the same game again, for a report of a fault.
  const seed = params.get("seed");
  game.start(false, seed !== null && /^\d{1,19}$/.test(seed) ? seed : undefined);
  setTimeout(firstScreenShown, 0);  // a hidden tab has no frames to wait for
  if (!persistent) game.boxes.message(TEXTS.noStorage);
  // Kept for play without a network; a browser or an address that allows no worker plays online only.
  navigator.serviceWorker?.register("sw.js").catch(() => {});
  return undefined;
}

boot();
