// The site kept for use offline: every file of this version is cached when
// the worker installs, answered from the cache first, and the cache of an
// older version is dropped once this one takes over. tools/web.sh writes the
// version (a digest of the site) and the file list below.
const VERSION = "__VERSION__";
const FILES = __FILES__;
const CACHE = `corvanta-${VERSION}`;

self.addEventListener("install", (event) => {
  // Past the browser's HTTP cache: a server's caching headers may still
  // hold the older version's files, which would be kept under this name.
  const fresh = FILES.map((file) => new Request(file, { cache: "reload" }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith("corvanta-") && n !== CACHE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  // A page of the site is the one page, whatever its query.
  const key = request.mode === "navigate" ? "./" : request;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(key, { ignoreSearch: true }))
      .then((cached) => cached ?? fetch(request)),
  );
});
