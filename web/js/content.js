// The game's content files, listed in dat/content.json with their sizes,
// fetched side by side. The first screen needs only the story; the pictures
// follow (a picture that does not decode is left out, so the core finds it
// unreadable as the desktop would), packed where the build packed them, and
// the sounds come last and go to the sound output as they arrive. Whatever is
// missing is reported once, and the game goes on without it.

import { tf } from "./i18n.js";

const TYPES = { bmp: "image/bmp", jpg: "image/jpeg", png: "image/png" };
// The stories, one a language (kiriha.dat, kiriha_CODE.dat): the core reads the one of its language.
const STORY = /^kiriha(_[a-z]+)?\.dat$/;
const GZIP_MAGIC = [0x1f, 0x8b];

function extension(name) {
  return name.slice(name.lastIndexOf(".") + 1).toLowerCase();
}

function failed(folder, name) {
  return tf("（%1の読み込みに失敗しました。）", folder + name);
}

// The bytes of a file, each piece counted by `arrived(bytes)` as it comes.
async function fetchBytes(url, arrived = () => {}) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  if (response.body === null) return new Uint8Array(await response.arrayBuffer());
  const pieces = [];
  const reader = response.body.getReader();
  for (let piece = await reader.read(); !piece.done; piece = await reader.read()) {
    pieces.push(piece.value);
    arrived(piece.value.length);
  }
  const bytes = new Uint8Array(pieces.reduce((sum, piece) => sum + piece.length, 0));
  pieces.reduce((at, piece) => (bytes.set(piece, at), at + piece.length), 0);
  return bytes;
}

// A packed file's own bytes (a server may have unpacked it on the way already).
async function unpacked(bytes) {
  if (bytes[0] !== GZIP_MAGIC[0] || bytes[1] !== GZIP_MAGIC[1]) return bytes;
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// How a file is fetched: packed when the build packed it and the browser can unpack it.
function source(list, name) {
  const packed = list.packed[name];
  if (packed !== undefined && typeof DecompressionStream === "function") return { path: packed[0], size: packed[1], packed: true };
  return { path: name, size: list.files[name], packed: false };
}

async function loadOne(folder, name, from, content, arrived) {
  let bytes = await fetchBytes(folder + from.path, arrived);
  if (from.packed) bytes = await unpacked(bytes);
  const kind = extension(name);
  if (kind in TYPES) {
    const blob = new Blob([bytes], { type: TYPES[kind] });
    (await createImageBitmap(blob)).close();  // throws when the picture is damaged
    content.urls.set(name, URL.createObjectURL(blob));
  }
  content.files.set(name, bytes);
}

// Two stages, each a promise of { files, problems }: `story` (the files the
// core reads at its start) and `pictures` (with `urls`, an address for each
// picture). `sounds.addFile(name, bytes)` takes each sound as it arrives;
// `report(text)` a sound's problem; `progress(arrived, total)` the pictures'
// bytes so far. Pictures are fetched only once `firstScreen` settles, so the
// first screen has the network to itself, and sounds once the pictures are in.
export function loadContent(folder, sounds, report, firstScreen, progress = () => {}) {
  const list = fetchBytes(`${folder}content.json`)
    .then((bytes) => JSON.parse(new TextDecoder().decode(bytes)))
    .catch(() => null);
  const stage = async (which) => {
    const content = { files: new Map(), urls: new Map(), problems: [] };
    const listed = await list;
    if (which === "pictures") await firstScreen;
    if (listed === null) {
      if (which === "story") content.problems.push(failed(folder, "content.json"));
      return content;
    }
    const wanted = Object.keys(listed.files)
      .filter((n) => (extension(n) in TYPES) === (which === "pictures") && extension(n) !== "wav");
    const sources = new Map(wanted.map((name) => [name, source(listed, name)]));
    const total = [...sources.values()].reduce((sum, from) => sum + from.size, 0);
    let arrived = 0;
    const count = which === "pictures" ? (bytes) => progress(arrived += bytes, total) : undefined;
    if (which === "pictures") progress(0, total);
    await Promise.all(wanted.map((name) => loadOne(folder, name, sources.get(name), content, count).catch(() => {
      // The story's own loader reports a missing story in the game's words.
      if (!STORY.test(name)) content.problems.push(failed(folder, name));
    })));
    return content;
  };
  const pictures = stage("pictures");
  Promise.all([list, pictures]).then(([listed]) => {
    for (const name of Object.keys(listed?.files ?? {}).filter((n) => extension(n) === "wav")) {
      fetchBytes(folder + name).then((bytes) => sounds.addFile(name, bytes.buffer), () => report(failed(folder, name)));
    }
  });
  return { story: stage("story"), pictures };
}
