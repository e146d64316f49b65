// Keeps every file of the page in a cache from the first visit on, so that
// the installed page starts with the network off. The build writes the list
// of files and a version that changes whenever any of them does.
"use strict";

const Version = "@STELLARION_SITE_VERSION@";
const Files = [@STELLARION_SITE_FILES@];
const CacheName = `stellarion-${Version}`;
// The pre-rendered first frames (first-WxH.webp): of these the cache keeps
// only the ones of the screens this device used, as the page names them.
const FirstFrame = /\/first-\d+x\d+\.webp$/;
// What a first frame missing offline is answered with: a picture that
// loads without an error anywhere, which the page, seeing it is not the
// screen's size, does not show.
const NoFrame = '<svg xmlns="http://www.w3.org/2000/svg" width="1" height="1"/>';

// Each file is asked of the server, never taken from the browser's HTTP
// cache: on a host that lets files be cached for a while, that cache still
// holds the previous release, which would otherwise fill the new cache and
// be served from then on. "no-cache" revalidates, so an unchanged file
// costs a few bytes.
const fresh = (url) => new Request(url, { cache: "no-cache" });

// A new release takes over as soon as its files are in, rather than wait
// for every page of the old one to close. The first frames the previous
// release kept are fetched anew (a frame the new one lacks is left out).
self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CacheName)
    .then((cache) => cache.addAll(Files.map(fresh))
      .then(keptFrames)
      .then((frames) => Promise.all(frames.map((url) => cache.add(fresh(url)).catch(() => {})))))
    .then(() => self.skipWaiting()));
});

// The addresses of the first frames in the other caches.
async function keptFrames() {
  const frames = new Set();
  for (const name of await caches.keys()) {
    if (name === CacheName) continue;
    for (const request of await (await caches.open(name)).keys())
      if (FirstFrame.test(new URL(request.url).pathname)) frames.add(request.url);
  }
  return [...frames];
}

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's messages: "activate" when it finds this worker installed but
// waiting (a reload during the install can leave it so), and { keep: URL }
// for the first frame of the screen it started on.
self.addEventListener("message", (event) => {
  if (event.data === "activate") {
    event.waitUntil(self.skipWaiting());
    return;
  }
  const url = typeof event.data?.keep === "string" ? new URL(event.data.keep, self.location.href) : null;
  if (!url || url.origin !== self.location.origin || !FirstFrame.test(url.pathname)) return;
  event.waitUntil(caches.open(CacheName).then((cache) => cache.match(url.href, { ignoreSearch: true })
    .then((cached) => cached || cache.add(fresh(url.href)))).catch(() => {}));
});

// The cached copy first; the address's query (?screen=WxH) does not make
// another page. Looked up without opening the cache: a worker replaced by a
// new release may still answer a request or two, and opening its removed
// cache would bring it back.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.match(event.request, { cacheName: CacheName, ignoreSearch: true })
    .then((cached) => cached || fetch(event.request).catch((error) => {
      if (!FirstFrame.test(new URL(event.request.url).pathname)) throw error;
      return new Response(NoFrame, { headers: { "Content-Type": "image/svg+xml" } });
    })));
});
