// The save folder kept in the page's store (store.js). The core writes its
// files into /save of the module's file system (a new file whole, then
// renamed over the old); after every input the page copies the files that
// changed into the store in one transaction, so what it holds is always the
// old files or the new ones, never half of either.

import { FILES, RECORDINGS, ENDS } from "./store.js";
import { Queue } from "./queue.js";

export const SAVE_FOLDER = "/save";
export const SAVE_FILE = "save.dat";
export const BACKUP_FILE = "save.dat.bak";
export const REPORT_FILE = "レポート.txt";
const SAVE_FILES = [SAVE_FILE, BACKUP_FILE, REPORT_FILE];
// Recordings: the core keeps the newest in /save/recordings; the store holds
// each file's text, and beside it how its sitting stood when last copied.
export const RECORDINGS_FOLDER = `${SAVE_FOLDER}/recordings`;

function sameBytes(a, b) {
  return a !== undefined && a.length === b.length && a.every((byte, i) => byte === b[i]);
}

export class SaveStore {
  // `order(names)`: recordings' names in the order their sittings began, as the core orders them.
  constructor(store, fs, order) {
    this.store = store;
    this.fs = fs;
    this.order = order;
    this.kept = new Map();  // file name -> bytes as the store holds them
    this.failed = false;
    this.recordingSizes = new Map();  // recording name -> size as the store holds it
    this.fileCopies = new Queue();
    this.recordingCopies = new Queue();
  }

  path(name) {
    return `${SAVE_FOLDER}/${name}`;
  }

  // Puts what the store holds into the module's save folder before a sitting
  // starts; true when it holds a save.
  async restore() {
    const [files, recordings] = await Promise.all([this.store.read(FILES), this.store.read(RECORDINGS)]);
    this.fs.mkdirTree(SAVE_FOLDER);
    for (const name of SAVE_FILES) {
      const bytes = files.get(name);
      if (!(bytes instanceof Uint8Array)) continue;
      this.fs.writeFile(this.path(name), bytes);
      this.kept.set(name, bytes);
    }
    this.fs.mkdirTree(RECORDINGS_FOLDER);
    for (const [name, text] of recordings) {
      this.fs.writeFile(`${RECORDINGS_FOLDER}/${name}`, text);
      this.recordingSizes.set(name, this.fs.stat(`${RECORDINGS_FOLDER}/${name}`).size);
    }
    return this.kept.has(SAVE_FILE);
  }

  // Copies the recordings that grew into the store, and forgets those the
  // core let go (it keeps the newest). `end` says how the sitting recorded in
  // `current` stands ("" while its recording is not kept: it holds no input).
  // A full disk gives up the oldest recordings first, never the save.
  // Resolves to false when a recording could not be kept.
  syncRecordings(end, current) {
    return this.recordingCopies.run(() => this.copyRecordings(end, current));
  }

  async copyRecordings(end, current) {
    let names;
    try {
      names = this.order(this.fs.readdir(RECORDINGS_FOLDER).filter((n) => n.endsWith(".zrec")));
    } catch {
      return true;
    }
    const changes = [];
    const gone = [...this.recordingSizes.keys()].filter((name) => !names.includes(name));
    for (const name of gone) changes.push([RECORDINGS, name, null], [ENDS, name, null]);
    const grown = new Map();
    for (const name of names) {
      const size = this.fs.stat(`${RECORDINGS_FOLDER}/${name}`).size;
      if (this.recordingSizes.get(name) === size) continue;
      changes.push([RECORDINGS, name, this.fs.readFile(`${RECORDINGS_FOLDER}/${name}`, { encoding: "utf8" })]);
      grown.set(name, size);
    }
    if (names.includes(current) && end !== null) changes.push([ENDS, current, end]);
    for (;;) {
      try {
        await this.store.change(changes);
        break;
      } catch (error) {
        if (error?.name !== "QuotaExceededError" || !this.giveUpOldest(names, grown, changes)) return false;
      }
    }
    for (const name of gone) this.recordingSizes.delete(name);
    for (const [name, size] of grown) this.recordingSizes.set(name, size);
    return true;
  }

  // Adds to `changes` the removal of the oldest recording older than every
  // one that grew, from the store and the save folder; false when there is none.
  giveUpOldest(names, grown, changes) {
    const firstGrown = names.find((name) => grown.has(name));
    const oldest = names[0];  // names are in order: it is older than firstGrown or is it
    if (firstGrown === undefined || oldest === firstGrown) return false;
    names.shift();
    this.recordingSizes.delete(oldest);
    changes.push([RECORDINGS, oldest, null], [ENDS, oldest, null]);
    try {
      this.fs.unlink(`${RECORDINGS_FOLDER}/${oldest}`);
    } catch {
      // Already gone from the folder.
    }
    return true;
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

  // Copies the files that changed into the store in one transaction: a fresh
  // run's backup and the old save's removal are kept together or not at all.
  // Resolves to ok false when the store refused them (full, or turned off),
  // and newlyFailed the first time it does so in a row.
  sync() {
    return this.fileCopies.run(() => this.copyFiles());
  }

  async copyFiles() {
    const changes = [];
    for (const name of SAVE_FILES) {
      const bytes = this.read(name);
      if (bytes === null) {
        if (this.kept.has(name)) changes.push([FILES, name, null]);
      } else if (!sameBytes(this.kept.get(name), bytes)) {
        changes.push([FILES, name, bytes]);
      }
    }
    let ok = true;
    try {
      await this.store.change(changes);
      for (const [, name, bytes] of changes) {
        if (bytes === null) this.kept.delete(name);
        else this.kept.set(name, bytes);
      }
    } catch {
      ok = false;
    }
    const newlyFailed = !ok && !this.failed;
    this.failed = !ok;
    return { ok, newlyFailed };
  }
}
