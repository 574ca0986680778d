// What an older page kept in local storage (the save folder's files as
// base64, the recordings as text, how each recorded sitting ended as JSON)
// moves into the store on the first visit. The items are written first and
// taken out of local storage only once the store holds them; an item the
// older page did not write (not base64, not JSON) is left where it is.

import { FILES, RECORDINGS, ENDS } from "./store.js";

// Each prefix, the store its items go to, and their value there (read when
// called: this module and the store's import each other).
const oldKinds = () => [
  ["zemra6/save/", FILES, (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0))],
  ["zemra6/recordings/", RECORDINGS, (text) => text],
  ["zemra6/recording-ends/", ENDS, (text) => JSON.parse(text)],
];

function oldItems(storage) {
  const kinds = oldKinds();
  const found = [];
  for (let i = 0; i < storage.length; i++) {
    const key = storage.key(i);
    const kind = kinds.find(([prefix]) => key.startsWith(prefix));
    if (kind === undefined) continue;
    const [prefix, store, read] = kind;
    try {
      found.push({ key, change: [store, key.slice(prefix.length), read(storage.getItem(key))] });
    } catch {
      // Not the older page's: it stays.
    }
  }
  return found;
}

// Local storage is read and the store's transaction begun in one step, so a
// second page doing the same at once finds the items already there.
export async function moveFromLocalStorage(store) {
  let storage;
  let found;
  try {
    storage = window.localStorage;
    found = oldItems(storage);
  } catch {
    return;  // no local storage: nothing was kept there
  }
  if (found.length === 0) return;
  const start = performance.now();
  try {
    await store.addMissing(found.map(({ change }) => change));
  } catch {
    return;  // the store is full or refused: the items stay where they are, for the next visit
  }
  // A visit's store lasts only this visit: local storage keeps them.
  if (!store.persistent) return;
  for (const { key } of found) storage.removeItem(key);
  performance.measure("zemra6:moved-from-local-storage", { start, detail: { items: found.length } });
}
