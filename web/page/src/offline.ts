// SPDX-License-Identifier: GPL-3.0-or-later
// After the first visit the page works without network: a service worker keeps the
// build's files. Only the served folder links a manifest and has the worker; the single
// file opened from a disk has neither and registers nothing.
export function keepOffline(): void {
  if (!('serviceWorker' in navigator) || !document.querySelector('link[rel="manifest"]')) return;
  // After the page has loaded, so storing the files does not slow its start.
  window.addEventListener('load', () => {
    // Without a worker (a plain http address off this computer) the page still works online.
    navigator.serviceWorker.register('./sw.js').catch(() => undefined);
  });
}
