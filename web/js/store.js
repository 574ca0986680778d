// The save folder and the recordings in the browser's database (IndexedDB),
// which holds far more than local storage's few megabytes. Each change is one
// transaction, so an item is always its old value or its new one, and files
// changed together (a save and its backup) are kept together or not at all.
// A browser without the database, or one that refuses it (storage turned
// off, some private modes), gets a store that lasts this visit.

import { moveFromLocalStorage } from "./store_move.js";

const NAME = "zemra6";
const VERSION = 1;
// The save folder's files as bytes, the recordings as text, and how each
// recorded sitting stood when last copied.
export const FILES = "files";
export const RECORDINGS = "recordings";
export const ENDS = "ends";
const STORES = [FILES, RECORDINGS, ENDS];

function request(req) {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

class DatabaseStore {
  constructor(db) {
    this.db = db;
    this.persistent = true;
    // Another version of the page asks for the database's next version: this one lets go.
    db.onversionchange = () => db.close();
  }

  // Every item of one kind, as a map from its name.
  async read(kind) {
    const store = this.db.transaction(kind).objectStore(kind);
    const [keys, values] = await Promise.all([request(store.getAllKeys()), request(store.getAll())]);
    return new Map(keys.map((key, i) => [key, values[i]]));
  }

  async get(kind, name) {
    return (await request(this.db.transaction(kind).objectStore(kind).get(name))) ?? null;
  }

  // Writes the changes ([kind, name, value], null removes) in one transaction;
  // resolves once they are on disk, rejects with the reason (a full disk is a
  // QuotaExceededError) when none of them is.
  change(changes) {
    return new Promise((resolve, reject) => {
      const kinds = [...new Set(changes.map(([kind]) => kind))];
      if (kinds.length === 0) {
        resolve();
        return;
      }
      let tx;
      try {
        tx = this.db.transaction(kinds, "readwrite");
        for (const [kind, name, value] of changes) {
          if (value === null) tx.objectStore(kind).delete(name);
          else tx.objectStore(kind).put(value, name);
        }
      } catch (error) {
        tx?.abort();
        reject(error);
        return;
      }
      tx.oncomplete = () => resolve();
      tx.onabort = () => reject(tx.error ?? new DOMException("aborted", "AbortError"));
      tx.commit?.();  // no more requests: committed now rather than when the task ends
    });
  }

  // Puts each item where none of that name is kept yet: one page's newer
  // item is never overwritten by what another moves across later.
  addMissing(changes) {
    return new Promise((resolve, reject) => {
      const kinds = [...new Set(changes.map(([kind]) => kind))];
      if (kinds.length === 0) {
        resolve();
        return;
      }
      const tx = this.db.transaction(kinds, "readwrite");
      for (const [kind, name, value] of changes) {
        const store = tx.objectStore(kind);
        store.getKey(name).onsuccess = (event) => {
          if (event.target.result === undefined) store.put(value, name);
        };
      }
      tx.oncomplete = () => resolve();
      tx.onabort = () => reject(tx.error);
    });
  }
}

// The same calls on maps that last this visit.
class VisitStore {
  constructor() {
    this.persistent = false;
    this.kinds = new Map(STORES.map((kind) => [kind, new Map()]));
  }

  async read(kind) {
    return new Map(this.kinds.get(kind));
  }

  async get(kind, name) {
    return this.kinds.get(kind).get(name) ?? null;
  }

  async change(changes) {
    for (const [kind, name, value] of changes) {
      if (value === null) this.kinds.get(kind).delete(name);
      else this.kinds.get(kind).set(name, value);
    }
  }

  async addMissing(changes) {
    await this.change(changes.filter(([kind, name]) => !this.kinds.get(kind).has(name)));
  }
}

function openDatabase() {
  return new Promise((resolve, reject) => {
    const req = indexedDB.open(NAME, VERSION);
    req.onupgradeneeded = () => {
      for (const kind of STORES) {
        if (!req.result.objectStoreNames.contains(kind)) req.result.createObjectStore(kind);
      }
    };
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

// The database, with what an older page kept in local storage moved into it;
// or, where it is refused, a visit's store that starts from that.
export async function openStore() {
  let store;
  try {
    store = new DatabaseStore(await openDatabase());
  } catch {
    store = new VisitStore();
  }
  await moveFromLocalStorage(store);
  return store;
}

// Asks the browser not to clear the database when the disk runs low; a
// browser may say no, or ask the player, and the game plays the same.
export async function askToKeep() {
  try {
    if (await navigator.storage.persisted()) return true;
    return await navigator.storage.persist();
  } catch {
    return false;
  }
}
