// Keeps the whole site in one cache per version, so the game starts and plays
// with no network. A new version is fetched whole in the background and waits;
// the next visit, before it loads the game, asks it to take over and loads
// again, so no page ever mixes files of two versions. The save and the
// recordings live in the page's storage, not here, and survive it.
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

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  // The address's query (?seed=) does not make another page.
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
