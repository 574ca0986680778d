// The list of recordings kept in this browser: when each sitting began, how
// many inputs it holds and how long it was played, how it ended, and its file.
// The core reads each recording and words its line, as it reads them to replay.

import { openStorage } from "./storage.js";
import { openStore, RECORDINGS, ENDS } from "./store.js";
import { download } from "./download.js";
import { loadCore } from "./core.js";
import { phoneLayout } from "./layout.js";
import { tr, tf, chosenLanguage, loadLanguages, usePageLanguage } from "./i18n.js";

function list(recordings, ends, core) {
  const body = document.querySelector("#recordings tbody");
  const names = core.recordingsInOrder([...recordings.keys()]).reverse();
  document.getElementById("empty").hidden = names.length > 0;
  document.getElementById("recordings").hidden = names.length === 0;
  for (const name of names) {
    const text = recordings.get(name);
    const { began, inputs, length, ending } = core.recordingSummary(name, text, ends.get(name) ?? null);
    const row = body.insertRow();
    row.dataset.recording = name;
    for (const cell of [began, `${inputs}`, length, ending]) row.insertCell().textContent = cell;
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = tr("ダウンロード");
    button.setAttribute("aria-label", tf("%1の記録をダウンロード", began));
    button.addEventListener("click", () => download(text, name));
    const watch = document.createElement("a");
    watch.href = `./?watch=${encodeURIComponent(name)}`;
    watch.textContent = tr("見る");
    watch.setAttribute("aria-label", tf("%1の記録を見る", began));
    row.insertCell().append(button, " ", watch);
  }
}

// The phone's arrangement of the list, chosen as the game's page chooses its own.
const arrange = () => document.documentElement.classList.toggle("phone", phoneLayout());
arrange();
window.addEventListener("resize", arrange);
const { storage } = openStorage();
const storeOpen = openStore();
await loadLanguages();
const language = await usePageLanguage(chosenLanguage(storage));
const core = await loadCore();
core.setLanguage(language);
// Named as the game's page names its link here.
document.title = tr("記録 — ヴァルミナ・クェル");
document.querySelector("h1").textContent = tr("記録");
const store = await storeOpen;
const [recordings, ends] = await Promise.all([store.read(RECORDINGS), store.read(ENDS)]);
list(recordings, ends, core);
