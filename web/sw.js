// Keeps the whole site in one cache per version, so the game starts and plays
// with no network. A new version is fetched whole in the background and waits;
// the next visit, when no other page of the site is open, lets it take over
// and is answered with a page that loads again at once, from the new version:
// no page ever mixes files of two versions. The save and the recordings live
// in the page's storage, not here, and survive it.
// The build writes VERSION (a digest of every file) and FILES.

const VERSION = "dev";
const FILES = [];
const CACHE = `zemra6-${VERSION}`;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(["./", ...FILES])));
});

self.addEventListener("message", (event) => {
  if (event.data === "take-over") self.skipWaiting();
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith("zemra6-") && name !== CACHE).map((name) => caches.delete(name)))));
});

// The address's query (?seed=, ?watch) does not make another page.
function fromCache(request) {
  return caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(request));
}

async function navigate(request) {
  const waiting = self.registration.waiting;
  if (waiting !== null && (await self.clients.matchAll({ type: "window" })).length <= 1) {
    waiting.postMessage("take-over");
    return new Response('<!doctype html><meta http-equiv="refresh" content="0"><link rel="icon" href="icon.svg">', {
      headers: { "Content-Type": "text/html; charset=utf-8", "Cache-Control": "no-store" },
    });
  }
  return fromCache(request);
}

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(event.request.mode === "navigate" ? navigate(event.request) : fromCache(event.request));
});
