// Keeps the whole site in one cache per version, so the game starts and plays
// with no network. A new version is fetched whole in the background and waits;
// the next visit, when no other page of the site is open, lets it take over
// and is answered with a page that loads again once it has, from the new version:
// no page ever mixes files of two versions. The save and the recordings live
// in the browser's database (js/store.js), not here, and survive it.
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

// The page that hands over: it asks the new version to take over and loads
// again once it has. The new version can only take over when this worker
// answers no request, so the answer must not load again before that, or a
// busy machine would go on loading it for ever.
const HAND_OVER = `<!doctype html><meta charset="utf-8"><link rel="icon" href="icon.svg"><script>
navigator.serviceWorker.getRegistration().then((registration) => {
  const next = registration?.waiting ?? registration?.installing;
  if (!next) return location.reload();
  next.addEventListener("statechange", () => { if (next.state === "activated") location.reload(); });
  next.postMessage("take-over");
});
setTimeout(() => location.reload(), 10000);
</script>`;

async function navigate(request) {
  if (self.registration.waiting !== null && (await self.clients.matchAll({ type: "window" })).length <= 1) {
    return new Response(HAND_OVER, {
      headers: { "Content-Type": "text/html; charset=utf-8", "Cache-Control": "no-store" },
    });
  }
  return fromCache(request);
}

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(event.request.mode === "navigate" ? navigate(event.request) : fromCache(event.request));
});
