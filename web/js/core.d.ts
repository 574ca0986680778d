// The core's calls as the page sees them (src/web/web_entry.cpp binds them;
// the test `web_bindings` checks this file against those bindings).

export type InputKind = "title" | "name" | "answer" | "command" | "click" | "hover" | "leave" | "step" | "rolls" | "chapter";

export interface Input {
  kind: InputKind;
  index?: number;
  caption?: string;
  text?: string;
  yes?: boolean;
  ms?: number;
  values?: number[];
}

export interface Fighter {
  name: string;
  life: string;
  hit: string;
  card: string | null;
  cards: string[];
}

export interface State {
  page: "title" | "name" | "main";
  top: "image" | "enemy" | "sword";
  image: string | null;
  lines: string[];
  commands: string[];
  buttons: (string | null)[];
  info: string | null;
  self: Fighter;
  enemy: Fighter;
  swords: { labels: string[]; scheme: "self" | "enemy"; highlight: number[]; clickable: boolean; focusable: boolean };
  run: { playerName: string; depth: number; cleared: boolean; kingDefeated: boolean; battleCount: number; obtained: number[] };
  boxes: string[];
  sounds: [string, boolean][];
  terminated: boolean;
  error?: string;
}

export interface KeyPress {
  key: string;        // the browser's key name; "BackTab" for Shift+Tab
  repeat: boolean;
  modified: boolean;  // Ctrl, Alt or Meta held
  typing: boolean;    // in a text field
  onGame: boolean;    // the focus on the stage or on nothing
  fromRow: boolean;   // the focus on a sword label or on nothing
}

export interface KeyAnswer {
  used: boolean;
  action: "" | "keyHelp" | "toggleMute" | "submitName" | "pressCommand";
  command: number;
  inputs: Input[];
  focus: number;
}

export interface Spoken {
  fixed: { title: string; nameScreen: string; nameField: string; row: string; console: string; info: string; picture: string };
  self?: { summary: string; life: string };
  enemy?: { summary: string; life: string };
  picture?: string | null;
  swords?: string[];
}

export interface SittingEnd {
  page: "main" | "title";
  depth: number;
  battles: number;
  cleared: boolean;
  terminated: boolean;
}

export interface RecordingSummary {
  began: string;
  inputs: number;
  length: string;
  ending: string;
}

export interface ReplayTurn {
  mark: { kind: "command" | "sword"; index: number } | null;
  wait: number | null;
  rearm: boolean;
  finished: boolean;
  state: State | null;
}

export interface ReplayStatus {
  opened: boolean;
  paused?: boolean;
  finished?: boolean;
  state?: string;
  paceMs?: number;
  closing?: string;
}

// The module's own calls: each takes and gives plain values, JSON as text.
export interface CoreModule {
  FS: unknown;
  HEAPU8: Uint8Array;
  setLanguage(code: string): boolean;
  language(): string;
  start(seed: string, newRun: boolean, record: boolean): string;  // State
  apply(input: string): string;  // Input -> State
  nameLead(): string;
  look(): string;  // the screen's look: rectangles, fonts, colours
  clock(): number;
  spoken(): string;  // Spoken
  key(press: string, focus: number): string;  // KeyPress -> KeyAnswer
  keptFocus(focus: number): number;
  keyHelp(): string;
  watchOpen(path: string, name: string): string;  // State, or {refused}
  watchStart(): string;  // ReplayTurn
  watchAdvance(boxOpen: boolean): string;  // ReplayTurn
  watchKey(key: "pause" | "step" | "faster" | "slower", boxOpen: boolean): string;  // ReplayTurn
  watchStatus(language: string): string;  // ReplayStatus
  recordingName(): string;
  sittingEnd(): string;  // SittingEnd | null
  recordingSummary(name: string, text: string, end: string): string;  // RecordingSummary
  recordingsInOrder(names: string): string;  // string[]
  nextDue(): number;
  titleFrame(): string;
  nameBackground(): string;
  nameQuestion(typed: string): string;
  saveProblem(path: string): string;
}

// Only in the node module and the browser tests' module.
export interface TestingModule extends CoreModule {
  perform(line: string): string;
  digest(): string;
  finished(): boolean;
  inputFromLine(line: string): string;  // Input | null
  battleBench(seed: string, battles: number): string;
}
