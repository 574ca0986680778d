// The list of recordings kept in this browser: when each sitting began, how
// many inputs and how much time it holds, how it ended, and its file.

import { storedRecordings, RECORDING_PREFIX, RECORDING_END_PREFIX } from "./saves.js";
import { openStorage } from "./storage.js";
import { download } from "./download.js";

const STEP = /"input":"step (\d+)"/g;

function began(name) {
  const match = /^(\d{4}-\d{2}-\d{2})T(\d{2})-(\d{2})-(\d{2})/.exec(name);
  return match ? `${match[1]} ${match[2]}:${match[3]}:${match[4]}` : name;
}

function playTime(text) {
  let ms = 0;
  for (const match of text.matchAll(STEP)) ms += Number(match[1]);
  const seconds = Math.round(ms / 1000);
  return `${Math.floor(seconds / 60)}分${String(seconds % 60).padStart(2, "0")}秒`;
}

function ending(end) {
  if (end === null) return "不明";
  const where = `深度${end.depth}、戦闘${end.battles}回`;
  if (end.terminated) return `終了（${where}）`;
  if (end.cleared) return `クリア後（${where}）`;
  if (end.page !== "main") return "タイトルで中断";
  return `途中で中断（${where}）`;
}

function readEnd(storage, name) {
  try {
    return JSON.parse(storage.getItem(RECORDING_END_PREFIX + name));
  } catch {
    return null;
  }
}

function list() {
  const { storage } = openStorage();
  const body = document.querySelector("#recordings tbody");
  const names = storedRecordings(storage).reverse();
  document.getElementById("empty").hidden = names.length > 0;
  document.getElementById("recordings").hidden = names.length === 0;
  for (const name of names) {
    const text = storage.getItem(RECORDING_PREFIX + name) ?? "";
    const inputs = text.split("\n").filter((line) => line.startsWith('{"input"')).length;
    const row = body.insertRow();
    row.dataset.recording = name;
    for (const cell of [began(name), `${inputs}`, playTime(text), ending(readEnd(storage, name))]) {
      row.insertCell().textContent = cell;
    }
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = "ダウンロード";
    button.setAttribute("aria-label", `${began(name)}の記録をダウンロード`);
    button.addEventListener("click", () => download(text, name));
    const watch = document.createElement("a");
    watch.href = `./?watch=${encodeURIComponent(name)}`;
    watch.textContent = "見る";
    watch.setAttribute("aria-label", `${began(name)}の記録を見る`);
    row.insertCell().append(button, " ", watch);
  }
}

list();
