// The list of recordings kept in this browser: when each sitting began, how
// many inputs it holds and how long it was played, how it ended, and its file.

import { recordingOrder } from "./saves.js";
import { openStorage } from "./storage.js";
import { openStore, RECORDINGS, ENDS } from "./store.js";
import { download } from "./download.js";
import { tr, tf, chosenLanguage, loadLanguages, usePageLanguage } from "./i18n.js";

// The recording's wall-clock lines: seconds from the sitting's start; the last is its length.
const ELAPSED = /^\{"elapsed":(\d+)\}$/gm;

function began(name) {
  const match = /^(\d{4}-\d{2}-\d{2})T(\d{2})-(\d{2})-(\d{2})/.exec(name);
  return match ? `${match[1]} ${match[2]}:${match[3]}:${match[4]}` : name;
}

// A recording made before the page kept the wall clock does not say.
function playTime(text) {
  const lines = [...text.matchAll(ELAPSED)];
  if (lines.length === 0) return tr("不明");
  const seconds = Number(lines[lines.length - 1][1]);
  return tf("%1分%2秒", Math.floor(seconds / 60), String(seconds % 60).padStart(2, "0"));
}

function ending(end) {
  if (end === null) return tr("不明");
  if (end.terminated) return tf("終了（深度%1、戦闘%2回）", end.depth, end.battles);
  if (end.cleared) return tf("クリア後（深度%1、戦闘%2回）", end.depth, end.battles);
  if (end.page !== "main") return tr("タイトルで中断");
  return tf("途中で中断（深度%1、戦闘%2回）", end.depth, end.battles);
}

function list(recordings, ends) {
  const body = document.querySelector("#recordings tbody");
  const names = [...recordings.keys()].sort(recordingOrder).reverse();
  document.getElementById("empty").hidden = names.length > 0;
  document.getElementById("recordings").hidden = names.length === 0;
  for (const name of names) {
    const text = recordings.get(name);
    const inputs = text.split("\n").filter((line) => line.startsWith('{"input"')).length;
    const row = body.insertRow();
    row.dataset.recording = name;
    for (const cell of [began(name), `${inputs}`, playTime(text), ending(ends.get(name) ?? null)]) {
      row.insertCell().textContent = cell;
    }
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = tr("ダウンロード");
    button.setAttribute("aria-label", tf("%1の記録をダウンロード", began(name)));
    button.addEventListener("click", () => download(text, name));
    const watch = document.createElement("a");
    watch.href = `./?watch=${encodeURIComponent(name)}`;
    watch.textContent = tr("見る");
    watch.setAttribute("aria-label", tf("%1の記録を見る", began(name)));
    row.insertCell().append(button, " ", watch);
  }
}

const { storage } = openStorage();
const storeOpen = openStore();
await loadLanguages();
await usePageLanguage(chosenLanguage(storage));
// Named as the game's page names its link here.
document.title = tr("記録 — ヴァルミナ・クェル");
document.querySelector("h1").textContent = tr("記録");
const store = await storeOpen;
const [recordings, ends] = await Promise.all([store.read(RECORDINGS), store.read(ENDS)]);
list(recordings, ends);
