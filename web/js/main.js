// The page: loads the core and the content, and joins the rooms that play
// it: the sitting and its clock (sitting.js), the stage that draws
// (stage.js), the player's input (input.js), the toolbar (toolbar.js), the
// saves kept in the browser (keeping.js, saves.js), the language
// (language.js) and the watcher (watch.js). Each room talks to the others
// through the few calls it is given here.

import { Boxes } from "./boxes.js";
import { loadCore } from "./core.js";
import { Sound } from "./sound.js";
import { SaveStore } from "./saves.js";
import { Sitting } from "./sitting.js";
import { Stage } from "./stage.js";
import { PlayerInput, focusOnTheGame } from "./input.js";
import { Keeping } from "./keeping.js";
import { Toolbar } from "./toolbar.js";
import { LanguageChoice } from "./language.js";
import { Watcher } from "./watch.js";
import { loadContent } from "./content.js";
import { openStorage } from "./storage.js";
import { openStore, askToKeep, RECORDINGS } from "./store.js";
import { fitStage, wireToolsMenu } from "./layout.js";
import { tr, tf, chosenLanguage, languageList, loadLanguages, onLanguageChange, pageLanguage, usePageLanguage } from "./i18n.js";

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

function showNotice(text) {
  const notice = document.getElementById("notice");
  notice.textContent = text;
  notice.hidden = false;
}

// The bar that shows the pictures' bytes arriving, from a moment after the
// first screen (a fast network never shows it) until they are all in.
function showLoading() {
  const box = document.getElementById("loading");
  const bar = document.getElementById("loading-bar");
  const text = document.getElementById("loading-text");
  let finished = false;
  const timer = setTimeout(() => {
    box.hidden = finished;
  }, 400);
  return {
    progress(arrived, total) {
      bar.max = total;
      bar.value = arrived;
      text.textContent = tf("絵を読み込んでいます（%1 / %2 KB）", Math.round(arrived / 1024), Math.round(total / 1024));
    },
    done() {
      finished = true;
      clearTimeout(timer);
      box.hidden = true;
    },
  };
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

// The rooms of one page, joined: each gets only the calls it needs of the others.
function joinRooms(core, storage, store, sound, watching) {
  const boxes = new Boxes(document);
  const told = (text) => boxes.message(text);
  const stage = new Stage(document, core, boxes, sound);
  const keeping = new Keeping(core, new SaveStore(store, core.fs, (names) => core.recordingsInOrder(names)), told, TEXTS);
  let input = null;
  const showCoreLanguage = () => stage.showCoreLanguage();
  const sitting = new Sitting(core, {
    starting: () => {
      sound.stop();
      input?.showFocus(-1);
      document.getElementById("notice").hidden = true;
    },
    started: showCoreLanguage,
    draw: (state, boxMs) => {
      stage.draw(state, boxMs);
      input?.afterScreen();
    },
    kept: () => keeping.afterInput(),
    finished: () => {
      // A watched recording's sitting is not the player's: nothing of it is kept.
      if (!watching) keeping.keepRecording();
      showNotice(TEXTS.finished);
    },
    broken: () => showNotice(TEXTS.broken),
    paused: () => boxes.showing || document.hidden,
  }, watching);
  boxes.onChange = () => sitting.rearm();
  const toolbar = new Toolbar(document, core, boxes, sound, keeping, {
    newRun: () => sitting.start(true),
    continueFrom: () => sitting.start(false),
    picturesIn: () => sitting.picturesIn,
  }, TEXTS);
  input = new PlayerInput(document, core, sitting, stage, boxes, {
    keyHelp: () => toolbar.showKeyHelp(),
    toggleMute: () => toolbar.toggleMute(),
  });
  const language = new LanguageChoice(core, storage, sitting, told, TEXTS);
  const watcher = watching ? new Watcher(document, core, sitting, stage, boxes, showCoreLanguage) : null;
  return { boxes, stage, keeping, sitting, toolbar, input, language, watcher };
}

// The keys, the page's life and the language, wired to the rooms.
function wirePage(rooms, sound, watching) {
  const { boxes, stage, keeping, sitting, toolbar, input, language, watcher } = rooms;
  document.addEventListener("keydown", (event) => {
    input.keyboardUsed();
    sound.unlock();
    if (boxes.showing) return;
    if (watcher !== null) {
      if (focusOnTheGame(event.target) && watcher.handleKey(event)) event.preventDefault();
      return;
    }
    if (!sitting.running) return;
    if (input.handleKey(event)) event.preventDefault();
  });
  document.addEventListener("pointerdown", () => sound.unlock());
  document.addEventListener("visibilitychange", () => {
    if (document.hidden && !watching) keeping.keepRecording();
    sitting.rearm();
  });
  window.addEventListener("pagehide", () => {
    if (!watching) keeping.keepRecording();
  });
  toolbar.wire(languageList(), (code) => language.choose(code), pageLanguage());
  document.getElementById("tools").hidden = watching;
  wireToolsMenu(document);
  onLanguageChange(() => {
    document.title = tr("ヴァルミナ・クェル");
    stage.relabel();
    toolbar.showSoundSetting();
    watcher?.show();
    toolbar.showLanguage(pageLanguage());
    fitStage();
  });
}

// The watching page's bar: open a file (or drop one on the page), pause, step, pace.
function wireWatchBar(watcher) {
  const bar = document.getElementById("watch-bar");
  const picker = document.getElementById("watch-file");
  const openFile = async (file) => watcher.open(new Uint8Array(await file.arrayBuffer()), file.name);
  bar.addEventListener("click", (event) => {
    const button = event.target.closest("button[data-watch]");
    if (button === null) return;
    const action = button.dataset.watch;
    if (action === "open") picker.click();
    else watcher.press(action);
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
  watcher.show();
  fitStage();
}

async function boot() {
  fitStage();
  window.addEventListener("resize", fitStage);
  const { storage } = openStorage();
  // The page speaks the player's language from its first word.
  await loadLanguages();
  const chosen = await usePageLanguage(chosenLanguage(storage));
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
  let rooms = null;
  const early = [];  // problems told before the game can show a box
  const report = (text) => (rooms === null ? early.push(text) : rooms.boxes.message(text));
  const sound = new Sound(storage);
  let firstScreenShown;
  const firstScreen = new Promise((resolve) => {
    firstScreenShown = resolve;
  });
  const loading = showLoading();
  const contentLoad = loadContent("dat/", sound, report, firstScreen, loading.progress);
  const storeOpen = openStore();
  // The title is drawn on a canvas, which never asks for a font itself: load the game's font first.
  const fontLoad = document.fonts?.load('bold 16px "Zemra6 Gothic"', "セルノア").catch(() => []);
  let core;
  try {
    core = await loadCore();
  } catch {
    loading.done();
    return showNotice(TEXTS.noCore);
  }
  core.setLanguage(chosen);
  const writeFiles = (files) => {
    core.fs.mkdirTree("/dat");
    for (const [name, bytes] of files) core.fs.writeFile(`/dat/${name}`, bytes);
  };
  const story = await contentLoad.story;
  await fontLoad;
  writeFiles(story.files);
  const pictures = contentLoad.pictures.then((loaded) => {
    loading.done();
    writeFiles(loaded.files);
    return loaded;
  });
  const store = await storeOpen;
  rooms = joinRooms(core, storage, store, sound, watching);
  wirePage(rooms, sound, watching);
  const { sitting, stage, boxes, keeping } = rooms;
  let watchReady = false;
  const picturesArrived = (loaded) => {
    stage.addPictures(loaded.urls);
    sitting.picturesArrived();
  };
  // The page's own tests and the console reach the game through this handle alone.
  window.zemra6 = {
    get state() { return sitting.state; },
    apply: (input) => sitting.apply(input),
    start: (newRun, seed) => sitting.start(newRun, seed),
    holdClock: (held) => sitting.holdClock(held),
    get picturesIn() { return sitting.picturesIn; },
    keepRecording: () => (watching ? Promise.resolve(true) : keeping.keepRecording()),
    // The watcher once its bar takes a file.
    get watcher() { return watchReady ? rooms.watcher : null; },
    module: core.module,
  };
  fitStage();
  // A sitting that opens on a picture (a save's field, a recording) waits for the pictures.
  const saved = !watching && (await keeping.restore());
  if (watching || saved) {
    firstScreenShown();
    picturesArrived(await pictures);
  }
  else pictures.then(picturesArrived);
  pictures.then((loaded) => loaded.problems.forEach((text) => boxes.message(text)));
  for (const text of [...story.problems, ...early]) boxes.message(text);
  if (watching) {
    wireWatchBar(rooms.watcher);
    watchReady = true;
    const name = params.get("watch");
    const kept = name ? await store.get(RECORDINGS, name) : null;
    if (kept !== null) rooms.watcher.open(new TextEncoder().encode(kept), name);
    return undefined;
  }
  // A seed in the address (?seed=123) starts the same game again, for a report of a fault.
  const seed = params.get("seed");
  sitting.start(false, seed !== null && /^\d{1,19}$/.test(seed) ? seed : undefined);
  setTimeout(firstScreenShown, 0);  // a hidden tab has no frames to wait for
  if (store.persistent) askToKeep();
  else boxes.message(TEXTS.noStorage);
  // Kept for play without a network, once the pictures are in: the worker's copy of the
  // whole site would otherwise take the network from them. A browser or an address that
  // allows no worker plays online only.
  pictures.then(() => navigator.serviceWorker?.register("sw.js").catch(() => {}));
  return undefined;
}

boot();
