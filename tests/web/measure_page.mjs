// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the built page, by hand (not a test): the served files' size gzip-compressed
// (HTML, JavaScript, CSS, WebAssembly; the icons and the manifest are left out), the single
// file's size, and in the system's Chromium the time from navigation start to the first
// organism drawn (the page's performance mark), the median of LOADS loads from a local
// server with the cache and the service worker off, against a floor page that only
// instantiates an empty WebAssembly module and draws one line.
//
//   node measure_page.mjs BUILD_WEB [LOADS]     (the folder holding site/ and vantrel.html)
import { mkdtempSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
import { serveSite } from './serve_site.mjs';

const built = path.resolve(process.argv[2]);
const loads = Number(process.argv[3] ?? 15);
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const kMark = 'vantrel-first-organism'; // as web/page/src/picture.ts sets it

const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Every file under `folder`, with its path relative to it.
function filesUnder(folder, prefix = '') {
  return readdirSync(path.join(folder, prefix), { withFileTypes: true }).flatMap((entry) => {
    const name = path.join(prefix, entry.name);
    return entry.isDirectory() ? filesUnder(folder, name) : [name];
  });
}

const site = path.join(built, 'site');
let gzipped = 0;
for (const name of filesUnder(site).filter((name) => /\.(html|js|css|wasm)$/.test(name))) {
  if (name === 'sw.js') continue; // the worker is fetched after the page, not to show it
  const size = gzipSync(readFileSync(path.join(site, name)), { level: 9 }).length;
  gzipped += size;
  console.log(`  ${name}: ${kb(size)} gzip`);
}
console.log(`served page, gzip -9: ${kb(gzipped)} (target 250 KB)`);
console.log(`single file: ${kb(statSync(path.join(built, 'vantrel.html')).size)} (target 900 KB)`);

// The floor: the least a page with WebAssembly and a canvas can do.
const floorFolder = mkdtempSync(path.join(tmpdir(), 'floor_page_'));
writeFileSync(
  path.join(floorFolder, 'index.html'),
  `<!doctype html><html lang="en"><title>floor</title><canvas width="350" height="350"></canvas>
<script type="module">
await WebAssembly.instantiate(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0]));
const context = document.querySelector('canvas').getContext('2d');
context.moveTo(0, 0);
context.lineTo(350, 350);
context.stroke();
performance.mark('${kMark}');
</script></html>`,
);

const page = await serveSite(site);
const floor = await serveSite(floorFolder);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});
try {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const tab = await context.newPage();
  const cdp = await context.newCDPSession(tab);
  await cdp.send('Network.enable');
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  // Milliseconds from navigation start to the mark, for one load of `address`.
  const firstDrawn = async (address) => {
    await tab.goto(address);
    const handle = await tab.waitForFunction(
      (mark) => performance.getEntriesByName(mark)[0]?.startTime,
      kMark,
    );
    return handle.jsonValue();
  };
  const times = { page: [], floor: [] };
  // Alternating, so a busy moment of the machine falls on both alike.
  for (let i = 0; i < loads; i += 1) {
    times.page.push(await firstDrawn(page.address));
    times.floor.push(await firstDrawn(floor.address));
  }
  const [ours, least] = [median(times.page), median(times.floor)];
  console.log(`first organism drawn, median of ${loads}: ${ours.toFixed(1)} ms`);
  console.log(`floor page (empty module, one line): ${least.toFixed(1)} ms`);
  console.log(`ratio: ${(ours / least).toFixed(2)}`);
} finally {
  await browser.close();
  page.server.close();
  floor.server.close();
  rmSync(floorFolder, { recursive: true, force: true });
}
