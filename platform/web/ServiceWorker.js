// Keeps every file of the page in a cache from the first visit on, so that
// the installed page starts with the network off. The build writes the list
// of files and a version that changes whenever any of them does.
"use strict";

const Version = "@STELLARION_SITE_VERSION@";
const Files = [@STELLARION_SITE_FILES@];
const CacheName = `stellarion-${Version}`;

// Each file is asked of the server, never taken from the browser's HTTP
// cache: on a host that lets files be cached for a while, that cache still
// holds the previous release, which would otherwise fill the new cache and
// be served from then on. "no-cache" revalidates, so an unchanged file
// costs a few bytes.
self.addEventListener("install", (event) => {
  const requests = Files.map((file) => new Request(file, { cache: "no-cache" }));
  event.waitUntil(caches.open(CacheName).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The cached copy first; the address's query (?screen=WxH) does not make
// another page.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(CacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
