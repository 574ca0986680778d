// The page's own texts in the player's language. Each is keyed by its
// Japanese text, as the core's are: tr("日本語") is the text in the page's
// language, tf("…%1…", a) the same with %1 … %9 filled in, trCtx("button",
// "剣") the text as it reads in that context (a msgctxt). The other languages
// come from the catalogues the build makes from the .po files po/LINGUAS
// lists, and their list from the same; Japanese is the key itself.
// The HTML marks its texts with data-tr; they are put in the page's language
// at the start and again whenever the player switches.

const CHOICE_KEY = "zemra6/lang";
const LANGUAGE_LIST = "dat/languages.json";
const CONTEXT_GLUE = "\u0004";  // gettext's own joint of a context and its text
// The attributes whose Japanese values are texts a screen reader says.
const ATTRIBUTES = ["aria-label", "title", "alt", "placeholder", "content"];
const NON_ASCII = /[^\x00-\x7f]/;

// The languages the game speaks, Japanese first: [{ code, name }].
let languages = [{ code: "ja", name: "日本語" }];
let language = "ja";
let catalogue = new Map();
let originals = null;  // the page's marked texts in Japanese, as the HTML has them
const listeners = [];
const loaded = new Map();  // language -> its catalogue, fetched once
let asked = 0;  // the latest switch wins over one still fetching

export function tr(japanese) {
  return catalogue.get(japanese) ?? japanese;
}

export function trCtx(context, japanese) {
  return catalogue.get(context + CONTEXT_GLUE + japanese) ?? japanese;
}

export function tf(japanese, ...args) {
  return formatText(tr(japanese), args);
}

// %1 … %9 replaced by the arguments of those numbers, so a translation may
// move them; "%%" is a single "%", and a number with no argument stays.
export function formatText(pattern, args) {
  return pattern.replace(/%([%1-9])/g, (mark, which) => {
    if (which === "%") return "%";
    const index = Number(which) - 1;
    return index < args.length ? String(args[index]) : mark;
  });
}

export function pageLanguage() {
  return language;
}

export function languageList() {
  return languages;
}

function speaks(code) {
  return languages.some((known) => known.code === code);
}

// The build's list of languages; without it the page speaks Japanese only.
export async function loadLanguages(url = LANGUAGE_LIST) {
  try {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    const list = await response.json();
    if (Array.isArray(list) && list.length > 0) languages = list.map(({ code, name }) => ({ code, name }));
  } catch {
    // Japanese, the key itself, needs no list.
  }
  return languages;
}

// The player's choice if any, else the first of the browser's languages the
// game speaks, else Japanese.
export function chosenLanguage(storage, preferred = navigator.languages ?? [navigator.language]) {
  let stored = null;
  try {
    stored = storage.getItem(CHOICE_KEY);
  } catch {
    // No storage: the browser decides.
  }
  if (speaks(stored)) return stored;
  for (const tag of preferred) {
    const code = /^([a-z]+)(?:-|$)/i.exec(tag ?? "")?.[1].toLowerCase();
    if (speaks(code)) return code;
  }
  return "ja";
}

export function keepLanguage(storage, code) {
  try {
    storage.setItem(CHOICE_KEY, code);
  } catch {
    // The choice lasts this visit only.
  }
}

async function fetchCatalogue(url) {
  try {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    return new Map(Object.entries(await response.json()));
  } catch {
    return null;
  }
}

// A catalogue that did not come is asked for again at the next switch; the
// page speaks Japanese meanwhile, as the key is the text.
function loadCatalogue(code) {
  if (code === "ja" || !speaks(code)) return Promise.resolve(new Map());
  const url = `dat/catalogue_${code}.json`;
  if (!loaded.has(code)) {
    loaded.set(code, fetchCatalogue(url).then((texts) => {
      if (texts === null) loaded.delete(code);
      return texts ?? new Map();
    }));
  }
  return loaded.get(code);
}

// Puts the page's own texts in this language: the marked HTML, its
// language, then whatever the page has drawn itself (`onLanguageChange`).
// Resolves to the language it uses.
export async function usePageLanguage(code, doc = document) {
  originals ??= markedTexts(doc);
  const next = speaks(code) ? code : "ja";
  const mine = ++asked;
  const texts = await loadCatalogue(next);
  if (mine !== asked) return language;
  catalogue = texts;
  language = next;
  doc.documentElement.lang = next;
  for (const { element, attribute, text } of originals) {
    if (attribute === null) element.textContent = tr(text);
    else element.setAttribute(attribute, tr(text));
  }
  for (const listener of listeners) listener(next);
  return next;
}

export function onLanguageChange(listener) {
  listeners.push(listener);
}

// Every text the HTML marks (data-tr) and every Japanese attribute value, in
// the Japanese it was written in, so the page can always go back to it.
function markedTexts(doc) {
  const found = [];
  for (const element of doc.querySelectorAll("[data-tr]")) {
    found.push({ element, attribute: null, text: element.textContent.trim() });
  }
  for (const attribute of ATTRIBUTES) {
    for (const element of doc.querySelectorAll(`[${attribute}]`)) {
      const text = element.getAttribute(attribute);
      if (NON_ASCII.test(text)) found.push({ element, attribute, text });
    }
  }
  return found;
}
