// SPDX-License-Identifier: GPL-3.0-or-later
// The page as people get it, in the system's Chromium: the single file plays from a
// file:// address; the served folder can be installed, a new build replaces the old files,
// and after the first visit the folder plays with the network off and the server gone;
// axe-core finds no WCAG 2.1 A or AA fault in the start state, with "Advanced options" open,
// with the population view open, under the idea and under the experiments help; without
// scripts or without WebAssembly the page says what it needs; the single file holds the
// engine's WebAssembly once and stays small; the served page says it is loading before any
// script, fetches its engine once, after that first paint, and the family tree's and the
// lab notebook's code when they are first opened, online or offline.
//
//   node offline_test.mjs BUILD_WEB     (the folder holding site/ and vantrel.html)
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { gunzipSync, gzipSync } from 'node:zlib';
import { addAxe, collectErrors, launchBrowser } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const built = path.resolve(process.argv[2]);
const single = pathToFileURL(path.join(built, 'vantrel.html')).href;
const kNeeds = /^Vantrel needs JavaScript and WebAssembly/;
// How the single file inlines a WebAssembly file (its bytes gzip-compressed).
const kWasmInBase64 = 'data:application/wasm;base64,';

const ready = (page) =>
  page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
const named = (page, name, role = 'button') => page.getByRole(role, { name, exact: true });

// The organism rows now in the grid, as text.
// One call into the page: the grid reuses its row elements as it draws.
const gridText = (page) =>
  page.evaluate(() =>
    [...document.querySelectorAll('[role="grid"] [data-row]')]
      .map((row) => row.textContent)
      .join('\n'),
  );

// Shows the table, presses S and checks the table changed.
async function plays(page, where) {
  const advanced = named(page, 'Advanced options');
  if ((await advanced.getAttribute('aria-expanded')) === 'false') await advanced.click();
  const before = await gridText(page);
  assert.ok(before.length > 0, `${where}: the table has organisms`);
  await page.keyboard.press('s');
  assert.notEqual(await gridText(page), before, `${where}: S changes the table`);
}

// axe-core inside the page; every violation is listed with the elements it names.
async function accessible(page, state) {
  await addAxe(page);
  const violations = await page.evaluate(async () => {
    const result = await window.axe.run(document, {
      runOnly: {
        type: 'tag',
        values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'],
      },
    });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
  });
  assert.deepEqual(violations, [], `axe-core, ${state}`);
}

// A copy of the folder, which the test rebuilds in place as a new version would be.
let site, server, address, browser, disk, served, online;
const errors = [];

before(async () => {
  site = mkdtempSync(path.join(tmpdir(), 'offline_test_'));
  cpSync(path.join(built, 'site'), site, { recursive: true });
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  server?.close();
  if (site) rmSync(site, { recursive: true, force: true });
  console.log(
    'offline_test: single file, installable, updated, offline, axe-core clean, needs told',
  );
});

// The page and its workers share one copy of the engine's WebAssembly, which comes after
// the page's styles and first sentence, so that those show while the file arrives.
test('the single file holds the engine’s WebAssembly once, after its first sentence', () => {
  const singleText = readFileSync(path.join(built, 'vantrel.html'), 'utf8');
  assert.equal(singleText.split(kWasmInBase64).length - 1, 1, 'the single file holds one engine');
  const before = singleText.slice(0, singleText.indexOf('<script'));
  assert.match(before, /<style[\s\S]*class="before-engine"/);
  assert.ok(before.length < 40000, `${before.length} bytes before the scripts`);
});

// What the single file costs a slow connection: its WebAssembly stays free of the C++
// library's streams and locales (85 KB more), is packed a notch tighter than zlib's best,
// and the whole file, gzip-compressed as a web host sends it, stays within 400 KiB.
test('the single file is small: its engine, how the engine is packed, the whole file', () => {
  const file = readFileSync(path.join(built, 'vantrel.html'));
  const text = file.toString('utf8');
  // The base64 runs up to the literal's closing quote, whichever quote the bundler chose.
  const start = text.indexOf(kWasmInBase64) + kWasmInBase64.length;
  const packed = Buffer.from(/^[A-Za-z0-9+/=]*/.exec(text.slice(start))?.[0] ?? '', 'base64');
  const wasm = gunzipSync(packed);
  assert.equal(wasm.subarray(0, 4).toString('latin1'), '\0asm', 'the engine unpacks');
  for (const [what, size, most] of [
    ['the engine', wasm.length, 740_000],
    ['the engine packed', packed.length, 0.97 * gzipSync(wasm, { level: 9 }).length],
    ['the file sent', gzipSync(file).length, 400 * 1024],
  ]) {
    assert.ok(size <= most, `${what}: ${size} bytes, at most ${Math.floor(most)}`);
  }
});

test('the single file plays from a disk under its own policy; axe-core through its states', async () => {
  // The single file from a disk, with axe-core through the page's states.
  disk = await browser.newContext();
  const page = await disk.newPage();
  const errors = [];
  collectErrors(page, errors);
  await page.goto(single);
  await ready(page);
  // Its policy runs no script but its own, each by its hash.
  const policy = await page.getAttribute('meta[http-equiv="Content-Security-Policy"]', 'content');
  assert.match(policy, /script-src 'wasm-unsafe-eval' 'sha256-[^']+'; /);
  assert.doesNotMatch(policy, /unsafe-inline|'unsafe-eval'|\*/);
  assert.equal(
    await page.evaluate(() => 'serviceWorker' in navigator && !!navigator.serviceWorker.controller),
    false,
  );
  await accessible(page, 'the start');
  await plays(page, 'the single file');
  await accessible(page, 'Advanced options open');
  await named(page, 'View').click();
  await page.getByRole('region', { name: 'Population' }).waitFor();
  await accessible(page, 'the population view open');
  await page.keyboard.press('Escape');
  await named(page, 'Idea').click();
  await page.getByRole('dialog', { name: 'Vantrel' }).waitFor();
  await accessible(page, 'the idea');
  await page.keyboard.press('Enter');
  await named(page, 'Experiment').click();
  await page.getByRole('dialog', { name: 'Experiments' }).waitFor();
  await accessible(page, 'the experiments help');
  assert.deepEqual(errors, []);
});

test('served, the page paints, then fetches its engine once; panels load when opened; installable', async () => {
  // Served: installable, then offline after the first visit.
  served = await browser.newContext();
  online = await served.newPage();
  collectErrors(online, errors);
  const wasmFetches = [];
  const scripts = [];
  online.on('request', (request) => {
    if (request.url().endsWith('.wasm')) wasmFetches.push(request.url());
    if (request.url().endsWith('.js')) scripts.push(request.url());
  });
  await online.goto(address);
  await ready(online);
  assert.equal(wasmFetches.length, 1, `the engine fetched once: ${wasmFetches.join(', ')}`);
  // The HTML's sentence is painted before the engine is asked for.
  const [paint, wasm] = await online.evaluate(() => [
    performance.getEntriesByName('first-contentful-paint')[0]?.startTime,
    performance.getEntriesByType('resource').find(({ name }) => name.endsWith('.wasm'))?.startTime,
  ]);
  assert.ok(paint < wasm, `painted at ${paint} ms, the engine asked for at ${wasm} ms`);
  // Each panel's code comes when it is first opened, and its key works at once.
  for (const [key, panel] of [
    ['t', '.family-tree'],
    ['l', '.notebook'],
  ]) {
    const before = scripts.length;
    assert.equal(await online.locator(panel).count(), 0, `${panel} is not made at start`);
    await online.keyboard.press(key);
    await online.locator(`${panel}:not([hidden])`).waitFor();
    assert.ok(scripts.length > before, `${panel}: its code loaded when opened`);
    await online.keyboard.press('Escape');
  }
  await online.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (navigator.serviceWorker.controller) return;
    await new Promise((resolve) =>
      navigator.serviceWorker.addEventListener('controllerchange', resolve, {
        once: true,
      }),
    );
  });
  const cdp = await served.newCDPSession(online);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  // Playwright's contexts are private windows, where Chromium never installs; nothing else.
  const faults = installabilityErrors.filter(({ errorId }) => errorId !== 'in-incognito');
  assert.deepEqual(faults, [], 'the page can be installed');
});

test('a new build replaces the old files, and the folder plays offline', async () => {
  // A new build: a new cache takes the place of the old one and serves the new files.
  const cacheNames = () => online.evaluate(() => caches.keys());
  const [first] = await cacheNames();
  const edit = (name, from, to) => {
    const file = path.join(site, name);
    writeFileSync(file, readFileSync(file, 'utf8').replace(from, to));
  };
  edit('index.html', '<title>Vantrel</title>', '<title>Vantrel, anew</title>');
  edit('sw.js', first, `${first}-anew`);
  await online.evaluate(async () => {
    const changed = new Promise((resolve) =>
      navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true }),
    );
    await (await navigator.serviceWorker.ready).update();
    await changed;
    // The page changes hands as the worker activates, before it has cleared the old cache.
    const worker = navigator.serviceWorker.controller;
    while (worker.state !== 'activated') {
      await new Promise((resolve) =>
        worker.addEventListener('statechange', resolve, { once: true }),
      );
    }
  });
  assert.deepEqual(await cacheNames(), [`${first}-anew`], 'the old cache is gone');
  await online.reload();
  assert.equal(await online.title(), 'Vantrel, anew');
  await served.setOffline(true);
  server.closeAllConnections();
  await new Promise((resolve) => server.close(resolve));
  await online.reload();
  await ready(online);
  await plays(online, 'offline');
  // The notebook's code, loaded on its first use, was kept with the other files.
  await online.keyboard.press('l');
  await online.locator('.notebook:not([hidden])').waitFor();
});

test('without scripts or without WebAssembly, one sentence says what is needed', async () => {
  // Without scripts, and without WebAssembly: one sentence says what is needed.
  const noScripts = await browser.newContext({ javaScriptEnabled: false });
  const bare = await noScripts.newPage();
  await bare.goto(single);
  assert.match(await bare.locator('main').innerText(), kNeeds);
  const noWasm = await disk.newPage();
  await noWasm.addInitScript(() => delete globalThis.WebAssembly);
  await noWasm.goto(single);
  assert.match(await noWasm.locator('main').innerText(), kNeeds);
});

test('no page made an error', () => {
  assert.deepEqual(errors, []);
});
