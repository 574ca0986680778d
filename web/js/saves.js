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
export const SAVE_ITEM = PREFIX + SAVE_FILE;
// Recordings: the core keeps the newest in /save/recordings; storage holds one
// item of text a file, and beside it how its sitting stood when last copied.
export const RECORDINGS_FOLDER = `${SAVE_FOLDER}/recordings`;
export const RECORDING_PREFIX = "zemra6/recordings/";
export const RECORDING_END_PREFIX = "zemra6/recording-ends/";

const STAMP = /^(\d{4}-\d{2}-\d{2}T\d{2}-\d{2}-\d{2})(?:-(\d+))?\.zrec$/;

// Recordings in the order their sittings began: a name is the start time,
// and a second sitting in the same second adds "-2" (which plain text order
// would put before the first, "-" before ".").
export function recordingOrder(a, b) {
  const key = (name) => {
    const match = STAMP.exec(name);
    return match === null ? [name, 1] : [match[1], Number(match[2] ?? 1)];
  };
  const [stampA, numberA] = key(a);
  const [stampB, numberB] = key(b);
  if (stampA !== stampB) return stampA < stampB ? -1 : 1;
  return numberA - numberB;
}

// The recordings kept in storage, oldest first.
export function storedRecordings(storage) {
  const names = [];
  for (let i = 0; i < storage.length; i++) {
    const key = storage.key(i);
    if (key.startsWith(RECORDING_PREFIX)) names.push(key.slice(RECORDING_PREFIX.length));
  }
  return names.sort(recordingOrder);
}

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
    this.recordingSizes = new Map();  // recording name -> size as storage holds it
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
    this.fs.mkdirTree(RECORDINGS_FOLDER);
    for (const name of storedRecordings(this.storage)) {
      const text = this.storage.getItem(RECORDING_PREFIX + name);
      this.fs.writeFile(`${RECORDINGS_FOLDER}/${name}`, text);
      this.recordingSizes.set(name, this.fs.stat(`${RECORDINGS_FOLDER}/${name}`).size);
    }
  }

  // Copies the recordings that grew into storage, and forgets those the core
  // let go (it keeps the newest). `end` says how the sitting recorded in
  // `current` stands ("" while its recording is not kept: it holds no input).
  // Storage that is full gives up the oldest recordings first, never the save.
  syncRecordings(end, current) {
    let names;
    try {
      names = this.fs.readdir(RECORDINGS_FOLDER).filter((n) => n.endsWith(".zrec")).sort(recordingOrder);
    } catch {
      return;
    }
    for (const name of storedRecordings(this.storage)) {
      if (names.includes(name)) continue;
      this.storage.removeItem(RECORDING_PREFIX + name);
      this.storage.removeItem(RECORDING_END_PREFIX + name);
      this.recordingSizes.delete(name);
    }
    for (const name of names) {
      const path = `${RECORDINGS_FOLDER}/${name}`;
      const size = this.fs.stat(path).size;
      if (this.recordingSizes.get(name) === size) continue;
      const text = this.fs.readFile(path, { encoding: "utf8" });
      if (this.keepRecording(name, text, names)) this.recordingSizes.set(name, size);
    }
    if (names.includes(current) && end !== null) {
      try {
        this.storage.setItem(RECORDING_END_PREFIX + current, JSON.stringify(end));
      } catch {
        // Only the list's last column is missing then.
      }
    }
  }

  keepRecording(name, text, names) {
    for (;;) {
      try {
        this.storage.setItem(RECORDING_PREFIX + name, text);
        return true;
      } catch {
        const oldest = storedRecordings(this.storage).find((n) => n !== name);
        if (oldest === undefined || recordingOrder(oldest, name) > 0) return false;
        this.storage.removeItem(RECORDING_PREFIX + oldest);
        this.storage.removeItem(RECORDING_END_PREFIX + oldest);
        this.recordingSizes.delete(oldest);
        if (names.includes(oldest)) names.splice(names.indexOf(oldest), 1);
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
