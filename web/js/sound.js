// The game's sounds through the Web Audio API: one at a time, a new one cuts
// the old, as the desktop plays them. Browsers let audio start only after the
// player's first click or key, so a sound asked for before that (the title
// music) starts then if it loops. Mute and volume are kept in the browser.

const SETTINGS_KEY = "zemra6/sound";

export class Sound {
  constructor(storage) {
    this.storage = storage;
    this.files = new Map();    // content name -> ArrayBuffer, until decoded
    this.buffers = new Map();  // content name -> AudioBuffer
    this.context = null;
    this.gain = null;
    this.source = null;
    this.current = null;       // { name, loop } asked for last
    const saved = this.load();
    this.muted = saved.muted === true;
    this.volume = Number.isFinite(saved.volume) ? Math.min(1, Math.max(0, saved.volume)) : 1;
  }

  load() {
    try {
      return JSON.parse(this.storage.getItem(SETTINGS_KEY) ?? "{}") ?? {};
    } catch {
      return {};
    }
  }

  store() {
    try {
      this.storage.setItem(SETTINGS_KEY, JSON.stringify({ muted: this.muted, volume: this.volume }));
    } catch {
      // The setting only lasts this visit: the game goes on.
    }
  }

  // A sound arrives; the looping one asked for before it came starts now.
  addFile(name, bytes) {
    this.files.set(name, bytes);
    if (this.context !== null && this.source === null && this.current?.name === name && this.current.loop) {
      this.play(name, true);
    }
  }

  // Called from the player's first click or key: from now on sound may play.
  unlock() {
    if (this.context !== null || typeof AudioContext === "undefined") return;
    this.context = new AudioContext();
    this.gain = this.context.createGain();
    this.gain.connect(this.context.destination);
    this.applyVolume();
    if (this.current?.loop) this.play(this.current.name, true);
    else this.context.suspend();
  }

  async buffer(name) {
    if (this.buffers.has(name)) return this.buffers.get(name);
    const bytes = this.files.get(name);
    if (bytes === undefined) return null;
    this.files.delete(name);
    try {
      const decoded = await this.context.decodeAudioData(bytes);
      this.buffers.set(name, decoded);
      return decoded;
    } catch {
      return null;  // a damaged sound plays nothing, as on the desktop
    }
  }

  play(name, loop) {
    this.current = { name, loop };
    this.stopSource();
    if (this.context === null) return;
    const asked = this.current;
    this.buffer(name).then((buffer) => {
      if (buffer === null || this.current !== asked) return;
      this.stopSource();
      const source = this.context.createBufferSource();
      source.buffer = buffer;
      source.loop = loop;
      source.connect(this.gain);
      // A running audio context costs CPU even in silence: it runs only while a sound plays.
      source.onended = () => {
        if (this.source !== source) return;
        this.source = null;
        this.context.suspend();
      };
      this.context.resume();
      source.start();
      this.source = source;
    });
  }

  // A new sitting starts in silence, as a new program would.
  stop() {
    this.current = null;
    this.stopSource();
    this.context?.suspend();
  }

  stopSource() {
    if (this.source === null) return;
    this.source.stop();
    this.source.disconnect();
    this.source = null;
  }

  setMuted(muted) {
    this.muted = muted;
    this.applyVolume();
    this.store();
  }

  setVolume(volume) {
    this.volume = Math.min(1, Math.max(0, volume));
    this.applyVolume();
    this.store();
  }

  applyVolume() {
    if (this.gain !== null) this.gain.gain.value = this.muted ? 0 : this.volume;
  }
}
