// The game's content files, listed in dat/content.json, fetched side by side.
// The first screen needs only the story: the pictures follow (a picture that
// does not decode is left out, so the core finds it unreadable as the desktop
// would) and the sounds go to the sound output as they arrive. Whatever is
// missing is reported once, and the game goes on without it.

import { tf } from "./i18n.js";

const TYPES = { bmp: "image/bmp", jpg: "image/jpeg", png: "image/png" };
// The stories, one a language (kiriha.dat, kiriha_CODE.dat): the core reads the one of its language.
const STORY = /^kiriha(_[a-z]+)?\.dat$/;

function extension(name) {
  return name.slice(name.lastIndexOf(".") + 1).toLowerCase();
}

function failed(folder, name) {
  return tf("（%1の読み込みに失敗しました。）", folder + name);
}

async function fetchBytes(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  return new Uint8Array(await response.arrayBuffer());
}

async function loadOne(folder, name, content) {
  const bytes = await fetchBytes(folder + name);
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
// `report(text)` a sound's problem. Pictures and sounds are fetched only once
// `firstScreen` settles, so the first screen has the network to itself.
export function loadContent(folder, sounds, report, firstScreen) {
  const names = fetchBytes(`${folder}content.json`)
    .then((bytes) => JSON.parse(new TextDecoder().decode(bytes)))
    .catch(() => null);
  const stage = async (which) => {
    const content = { files: new Map(), urls: new Map(), problems: [] };
    const listed = await names;
    if (which === "pictures") await firstScreen;
    if (listed === null) {
      if (which === "story") content.problems.push(failed(folder, "content.json"));
      return content;
    }
    const wanted = listed.filter((n) => (extension(n) in TYPES) === (which === "pictures") && extension(n) !== "wav");
    await Promise.all(wanted.map((name) => loadOne(folder, name, content).catch(() => {
      // The story's own loader reports a missing story in the game's words.
      if (!STORY.test(name)) content.problems.push(failed(folder, name));
    })));
    return content;
  };
  Promise.all([names, firstScreen]).then(([listed]) => {
    for (const name of (listed ?? []).filter((n) => extension(n) === "wav")) {
      fetchBytes(folder + name).then((bytes) => sounds.addFile(name, bytes.buffer), () => report(failed(folder, name)));
    }
  });
  return { story: stage("story"), pictures: stage("pictures") };
}
