// SPDX-License-Identifier: GPL-3.0-or-later
// After the first visit the page works without network: a service worker keeps the
// build's files. Only the served folder links a manifest and has the worker; the single
// file opened from a disk has neither and registers nothing.

// Registers the worker once the page has loaded and is idle. Called once the first
// organism is shown, so that storing the build's files never competes with the start.
export function keepOffline(): void {
  if (!('serviceWorker' in navigator) || !document.querySelector('link[rel="manifest"]')) return;
  // Without a worker (a plain http address off this computer) the page still works online.
  const register = (): void => {
    navigator.serviceWorker.register('./sw.js').catch(() => undefined);
  };
  const whenIdle = (): void => {
    if ('requestIdleCallback' in window) requestIdleCallback(register, { timeout: 2000 });
    else setTimeout(register);
  };
  if (document.readyState === 'complete') whenIdle();
  else window.addEventListener('load', whenIdle, { once: true });
}
