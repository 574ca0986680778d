// The save folder kept in the browser's storage. The core writes its files
// into /save of the module's file system (a new file whole, then renamed over
// the old); after every input the page copies each file that changed into
// storage as one item, so what storage holds is always the old file or the
// new one, never half of either.

export const SAVE_FOLDER = "/save";
export const SAVE_FILE = "save.dat";
export const BACKUP_FILE = "save.dat.bak";
export const REPORT_FILE = "レポート.txt";
const FILES = [SAVE_FILE, BACKUP_FILE, REPORT_FILE];
const PREFIX = "zemra6/save/";

function toBase64(bytes) {
  let text = "";
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text);
}

function fromBase64(text) {
  return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
}

export class SaveStore {
  constructor(storage, fs) {
    this.storage = storage;
    this.fs = fs;
    this.kept = new Map();  // file name -> base64 as storage holds it
    this.failed = false;
  }

  path(name) {
    return `${SAVE_FOLDER}/${name}`;
  }

  // Puts what storage holds into the module's save folder before a sitting starts.
  restore() {
    this.fs.mkdirTree(SAVE_FOLDER);
    for (const name of FILES) {
      const text = this.storage.getItem(PREFIX + name);
      if (text === null) continue;
      try {
        this.fs.writeFile(this.path(name), fromBase64(text));
        this.kept.set(name, text);
      } catch {
        // An item that is not base64 was not written by this page: leave it, it loads as no file.
      }
    }
  }

  read(name) {
    try {
      return this.fs.readFile(this.path(name));
    } catch {
      return null;
    }
  }

  write(name, bytes) {
    this.fs.writeFile(this.path(name), bytes);
  }

  // Copies changed files into storage: new contents first, removals last, so
  // a fresh run's backup is kept before the old save's item goes.
  // False when storage refused a file (full, or turned off).
  sync() {
    const removed = [];
    let ok = true;
    for (const name of FILES) {
      const bytes = this.read(name);
      if (bytes === null) {
        if (this.kept.has(name)) removed.push(name);
        continue;
      }
      const text = toBase64(bytes);
      if (this.kept.get(name) === text) continue;
      try {
        this.storage.setItem(PREFIX + name, text);
        this.kept.set(name, text);
      } catch {
        ok = false;
      }
    }
    for (const name of removed) {
      this.storage.removeItem(PREFIX + name);
      this.kept.delete(name);
    }
    const newlyFailed = !ok && !this.failed;
    this.failed = !ok;
    return { ok, newlyFailed };
  }
}
