// The game's content files, listed in dat/content.json, fetched side by side.
// The story and the pictures go into the core's file system (a picture that
// does not decode is left out, so the core finds it unreadable as the
// desktop would) before the game starts; the sounds go to the sound output
// as they arrive, the game does not wait for them. Whatever is missing is
// reported once, and the game goes on without it.

const TYPES = { bmp: "image/bmp", jpg: "image/jpeg", png: "image/png" };

function extension(name) {
  return name.slice(name.lastIndexOf(".") + 1).toLowerCase();
}

function failed(folder, name) {
  return `（${folder}${name}の読み込みに失敗しました。）`;
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
    content.pictures.set(name, URL.createObjectURL(blob));
  }
  content.files.set(name, bytes);
}

// `sounds.add(name, bytes)` takes each sound as it arrives; `report(text)`
// takes a sound's problem, which comes after the start.
export async function loadContent(folder, sounds, report) {
  const content = { files: new Map(), pictures: new Map(), problems: [] };
  let names;
  try {
    names = JSON.parse(new TextDecoder().decode(await fetchBytes(`${folder}content.json`)));
  } catch {
    content.problems.push(failed(folder, "content.json"));
    return content;
  }
  for (const name of names.filter((n) => extension(n) === "wav")) {
    fetchBytes(folder + name).then((bytes) => sounds.addFile(name, bytes.buffer), () => report(failed(folder, name)));
  }
  await Promise.all(names.filter((n) => extension(n) !== "wav").map((name) => loadOne(folder, name, content).catch(() => {
    // The story's own loader reports a missing story in the game's words.
    if (name !== "kiriha.dat") content.problems.push(failed(folder, name));
  })));
  return content;
}
