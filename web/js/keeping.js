// The saves room: after every input of the player's sitting, the save
// folder's changed files go to the browser's storage at once, and the
// recording a few seconds later (and at once when the page is hidden or
// left); nothing runs while idle.

const RECORDING_KEEP_MS = 3000;

export class Keeping {
  // `store`: the save folder in the browser's database (saves.js); `told(text)` shows a word.
  constructor(core, store, told, texts) {
    this.core = core;
    this.store = store;
    this.told = told;
    this.texts = texts;
    this.recordingTimer = null;
  }

  // What the store holds goes into the module's save folder before the first
  // sitting; resolves to true when it holds a save.
  restore() {
    return this.store.restore();
  }

  afterInput() {
    this.store.sync().then(({ newlyFailed }) => {
      if (newlyFailed) this.told(this.texts.storageFull);
    });
    this.keepRecordingSoon();
  }

  keepRecordingSoon() {
    if (this.recordingTimer !== null) return;
    this.recordingTimer = setTimeout(() => this.keepRecording(), RECORDING_KEEP_MS);
  }

  keepRecording() {
    if (this.recordingTimer !== null) clearTimeout(this.recordingTimer);
    this.recordingTimer = null;
    const end = this.core.sittingEnd();
    if (end !== null) end.at = Date.now();
    return this.store.syncRecordings(end, this.core.recordingName());
  }

  read(name) {
    return this.store.read(name);
  }

  // A save from elsewhere becomes this journey's: the old save is kept as the backup.
  async replaceSave(saveFile, backupFile, bytes) {
    const current = this.store.read(saveFile);
    if (current !== null) this.store.write(backupFile, current);
    this.store.write(saveFile, bytes);
    const { ok } = await this.store.sync();
    if (!ok) this.told(this.texts.storageFull);
  }
}
