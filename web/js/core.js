// The core as the page's modules call it: every answer parsed from the core's
// JSON, every input handed over as an object (core.d.ts declares both). No
// other module calls the WebAssembly module's functions.

// The core's code as the build packed it (a third of its bytes on a slow
// network), unpacked here; null where the browser cannot unpack or the site
// holds no packed copy, and the module fetches its own.
async function packedCode() {
  if (typeof DecompressionStream !== "function") return null;
  try {
    const response = await fetch(new URL("../zemra6-web.wasm.gz", import.meta.url));
    if (!response.ok) return null;
    const bytes = new Uint8Array(await response.arrayBuffer());
    if (bytes[0] !== 0x1f || bytes[1] !== 0x8b) return bytes.buffer;  // unpacked on the way already
    return await new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer();
  } catch {
    return null;
  }
}

// The core, ready; rejects when its module or code cannot be loaded or run.
export async function loadCore() {
  const code = packedCode();
  const { default: create } = await import("../zemra6-web.mjs");
  const options = { print: () => {}, printErr: () => {} };
  const wasmBinary = await code;
  if (wasmBinary !== null) options.wasmBinary = wasmBinary;
  return new Core(await create(options));
}

export class Core {
  constructor(module) {
    this.module = module;
  }

  get fs() {
    return this.module.FS;
  }

  setLanguage(code) {
    return this.module.setLanguage(code);
  }

  language() {
    return this.module.language();
  }

  // A sitting from the save (or the title for a new run) on a seed in decimal text.
  start(seed, newRun, record = true) {
    return JSON.parse(this.module.start(seed, newRun, record));
  }

  apply(input) {
    return JSON.parse(this.module.apply(JSON.stringify(input)));
  }

  clock() {
    return this.module.clock();
  }

  nextDue() {
    return this.module.nextDue();
  }

  // The screen's rectangles, fonts and colours, as the window builds them.
  look() {
    return JSON.parse(this.module.look());
  }

  nameLead() {
    return this.module.nameLead();
  }

  nameQuestion(typed) {
    return this.module.nameQuestion(typed);
  }

  saveProblem(path) {
    return this.module.saveProblem(path);
  }

  spoken() {
    return JSON.parse(this.module.spoken());
  }

  key(press, focus) {
    return JSON.parse(this.module.key(JSON.stringify(press), focus));
  }

  keptFocus(focus) {
    return this.module.keptFocus(focus);
  }

  keyHelp() {
    return this.module.keyHelp();
  }

  titleFrame() {
    return this.module.titleFrame();
  }

  nameBackground() {
    return this.module.nameBackground();
  }

  recordingName() {
    return this.module.recordingName();
  }

  sittingEnd() {
    return JSON.parse(this.module.sittingEnd());
  }

  recordingSummary(name, text, end) {
    return JSON.parse(this.module.recordingSummary(name, text, end === null ? "" : JSON.stringify(end)));
  }

  recordingsInOrder(names) {
    return JSON.parse(this.module.recordingsInOrder(JSON.stringify(names)));
  }

  watchOpen(path, name) {
    return JSON.parse(this.module.watchOpen(path, name));
  }

  watchStart() {
    return JSON.parse(this.module.watchStart());
  }

  watchAdvance(boxOpen) {
    return JSON.parse(this.module.watchAdvance(boxOpen));
  }

  watchKey(key, boxOpen) {
    return JSON.parse(this.module.watchKey(key, boxOpen));
  }

  watchStatus(language) {
    return JSON.parse(this.module.watchStatus(language));
  }
}

// The inputs a player's page makes, as the core takes them.
export const Inputs = {
  title: () => ({ kind: "title" }),
  name: (text) => ({ kind: "name", text }),
  answer: (yes) => ({ kind: "answer", yes }),
  command: (index, caption) => ({ kind: "command", index, caption }),
  click: (index) => ({ kind: "click", index }),
  hover: (index) => ({ kind: "hover", index }),
  leave: () => ({ kind: "leave" }),
  step: (ms) => ({ kind: "step", ms }),
};
