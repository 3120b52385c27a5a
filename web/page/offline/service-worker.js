// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page working without network: on install it stores every file of this build
// in a cache named after the build, then answers from that cache first. A new build has a
// new name, so its worker replaces the old files once it activates.
const kCache = 'vantrel-__VANTREL_VERSION__';
const kFiles = __VANTREL_FILES__;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(kCache)
      // 'reload' skips the browser's HTTP cache, which may still hold an older build.
      .then((cache) => cache.addAll(kFiles.map((file) => new Request(file, { cache: 'reload' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names
            .filter((name) => name.startsWith('vantrel-') && name !== kCache)
            .map((name) => caches.delete(name)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches
      .open(kCache)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((stored) => stored ?? fetch(event.request)),
  );
});
