// SPDX-License-Identifier: GPL-3.0-or-later
// The page's languages in the system's Chromium: a browser that prefers German gets the
// page in German, the engine's texts too, its counts with German plurals; choosing Dutch
// switches at once and keeps the population and its history; the choice holds after a
// reload and, where the browser refuses storage, for the visit; a catalogue that is
// missing or damaged leaves its texts English and stops nothing; ?lang=pseudo brackets
// the texts and the table's columns widen to their titles; a browser without WebAssembly
// is told so in German; the single file speaks German from a file:// address.
//
//   node language_test.mjs BUILD_WEB     (the folder holding site/ and vantrel.html)
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchBrowser } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const built = path.resolve(process.argv[2]);
const site = path.join(built, 'site');
// One browser for every case; the first three go on in the same German tab, so they run
// in this order.
let server, address, browser, german;

before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  server?.close();
  console.log(
    'language_test: German, Dutch, remembered, refused storage, damaged, pseudo, no WebAssembly, single',
  );
});

const named = (page, name) => page.getByRole('button', { name, exact: true });
// The buttons whose visible word is `word`.
const labelled = (page, word) =>
  page.locator('button').filter({ hasText: new RegExp(`^${word}$`) });
// The table the page saves, by its Save button named `save`.
async function savedTable(page, save) {
  const [download] = await Promise.all([page.waitForEvent('download'), named(page, save).click()]);
  return readFileSync(await download.path());
}

// A new tab whose browser prefers `locale`, on the page at `at`, once its table is there.
async function open(locale, at = address, prepare = async () => {}) {
  const context = await browser.newContext({ locale, acceptDownloads: true });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await prepare(context, page);
  await page.goto(at);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  return { context, page, errors };
}

test('German from the browser’s preferences, the engine’s texts with the page’s', async () => {
  // German from the browser's preferences, the engine's texts with the page's.
  german = await open('de-DE');
  const { page } = german;
  assert.equal(await page.getAttribute('html', 'lang'), 'de');
  // Named by their German words, described by the desktop's German tooltips.
  for (const [name, tooltip] of [
    ['Füttern', 'Füttere diesen Organismus (F)'],
    ['Töten', 'Töte diesen Organismus (S)'],
  ]) {
    assert.equal(await named(page, name).getAttribute('title'), tooltip);
  }
  assert.equal(await page.getByText('Die Tabelle enthält keine Organismen').count(), 1);
  await named(page, 'Ansicht').click();
  await page.getByText(/^9 Organismen$/).waitFor();
});

test('Dutch chosen by keyboard keeps the population, its history and the focus', async () => {
  const { page } = german;
  // Dutch, chosen by keyboard: the same population and history, the focus kept.
  await page.keyboard.press('s');
  await page.keyboard.press('f');
  await named(page, 'Erweiterte Optionen').click();
  const before = await savedTable(page, 'Speichern');
  await page.focus('#language');
  await page.selectOption('#language', 'nl');
  await page.waitForFunction(() => document.documentElement.lang === 'nl');
  assert.equal(await page.evaluate(() => document.activeElement?.id), 'language');
  assert.equal(await named(page, 'Voeren').getAttribute('title'), 'Voer dit organisme (F)');
  assert.deepEqual(await savedTable(page, 'Opslaan'), before, 'the population is kept');
  assert.ok(await named(page, 'Ongedaan maken').isEnabled(), 'the history is kept');
  assert.ok(await page.getByText(/^9 organismen$/).isVisible(), 'views reopen');
  // Escape closes the new page's population view, not one the page replaced.
  await page.locator('h1').click();
  await page.keyboard.press('Escape');
  assert.equal(await page.getByText(/^9 organismen$/).isVisible(), false);
});

test('after two switches of language each key acts once, and no key listener is left behind', async () => {
  const { context, page } = await open('en-GB');
  // The document's keydown listeners, as the browser's developer tools list them.
  const keyListeners = async () => {
    const client = await context.newCDPSession(page);
    const { result } = await client.send('Runtime.evaluate', {
      expression: 'document',
    });
    const { listeners } = await client.send('DOMDebugger.getEventListeners', {
      objectId: result.objectId,
    });
    await client.detach();
    return listeners.filter((listener) => listener.type === 'keydown').length;
  };
  const before = await keyListeners();
  for (const key of ['g', 'l']) await page.keyboard.press(key);
  for (const code of ['de', 'en']) {
    await page.selectOption('#language', code);
    await page.waitForFunction((lang) => document.documentElement.lang === lang, code);
  }
  assert.equal(await keyListeners(), before);
  // The notebook's counters (feeds, shots, clicks) count each step once.
  const counters = async () =>
    (await page.locator('.notebook-counters dd').allTextContents()).slice(0, 3);
  await page.locator('#picture-1').click();
  for (const key of ['f', 's']) await page.keyboard.press(key);
  assert.deepEqual(await counters(), ['1', '1', '2']);
  await page.keyboard.press('Control+z');
  assert.deepEqual(await counters(), ['1', '0', '1']);
  // Escape closes one panel: the population view, which holds the focus; then the notebook.
  const views = [page.getByText(/^9 organisms$/), page.locator('.notebook-counters')];
  const shown = () => Promise.all(views.map((view) => view.isVisible()));
  await page.keyboard.press('Escape');
  assert.deepEqual(await shown(), [false, true]);
  await page.keyboard.press('Escape');
  assert.deepEqual(await shown(), [false, false]);
  await context.close();
});

test('the choice is remembered across a reload, over the browser’s preference', async () => {
  const { page } = german;
  // Remembered across a reload, over the browser's preference.
  await page.reload();
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  assert.equal(await page.getAttribute('html', 'lang'), 'nl');
  assert.equal(await page.inputValue('#language'), 'nl');
  assert.deepEqual(german.errors, []);
  await german.context.close();
});

test('where storage is refused, the browser’s language and a choice for the visit', async () => {
  // Storage refused: the browser's language, and a choice that holds for the visit.
  const refused = await open('de', address, (context) =>
    context.addInitScript(() => {
      Object.defineProperty(window, 'localStorage', {
        get() {
          throw new DOMException('refused', 'SecurityError');
        },
      });
    }),
  );
  await refused.page.selectOption('#language', 'en');
  await named(refused.page, 'Feed').waitFor();
  assert.deepEqual(refused.errors, []);
  await refused.context.close();
});

test('a damaged catalogue leaves its texts English; a missing or foreign one all, and play goes on', async (t) => {
  // A damaged catalogue: the damaged record's text English, the rest German; one that
  // cannot be had or is no catalogue at all: English, and the page plays on.
  const catalogueName = readdirSync(path.join(site, 'assets')).find((name) =>
    /^vantrel_de-.*\.cat$/.test(name),
  );
  const bytes = readFileSync(path.join(site, 'assets', catalogueName));
  // The page's own record of the button's word, not a help page that mentions it.
  const feed = bytes.indexOf(Buffer.from('\x1fFeed\x1fFüttern')) + '\x1fFeed\x1f'.length;
  assert.ok(feed > 10);
  const damagedBytes = Buffer.from(bytes);
  damagedBytes[feed] = 0xff;
  for (const [answer, feedWord, killWord] of [
    [{ body: damagedBytes }, 'Feed', 'Töten'],
    [{ status: 404 }, 'Feed', 'Kill'],
    [{ body: '<html>not found</html>' }, 'Feed', 'Kill'],
  ]) {
    const what = answer.status
      ? 'the catalogue not found'
      : Buffer.isBuffer(answer.body)
        ? 'a damaged record'
        : 'no catalogue at all';
    await t.test(what, async () => {
      const served = await open('de', address, (_context, tab) =>
        tab.route(`**/${catalogueName}`, (route) => route.fulfill(answer)),
      );
      assert.equal(await labelled(served.page, feedWord).count(), 1);
      assert.equal(await labelled(served.page, killWord).count(), 1);
      await served.page.keyboard.press('s');
      assert.deepEqual(served.errors, []);
      await served.context.close();
    });
  }
});

test('the pseudo-language brackets the texts; on a phone the columns widen to their titles', async () => {
  // The pseudo-language brackets the page's texts; on a phone the table's columns widen
  // to their longer titles, in the header and every row alike.
  const pseudo = await open('en', `${address}?lang=pseudo`, (_context, tab) =>
    tab.setViewportSize({ width: 390, height: 844 }),
  );
  assert.equal(await labelled(pseudo.page, '\\[Feed ~~\\]').count(), 1);
  await pseudo.page.locator('.advanced-button').click();
  const fits = await pseudo.page.evaluate(() => {
    const range = document.createRange();
    const head = [...document.querySelectorAll('.grid-head [role="columnheader"]')];
    const row = [...document.querySelectorAll('.grid-body .grid-row')][0].children;
    return head.map((cell, col) => {
      range.selectNodeContents(cell);
      const box = cell.getBoundingClientRect();
      const title = range.getBoundingClientRect();
      const below = row[col].getBoundingClientRect();
      return title.left >= box.left && title.right <= box.right && below.right === box.right;
    });
  });
  assert.deepEqual(fits, [true, true, true, true, true]);
  await pseudo.context.close();
});

test('a browser without WebAssembly is told what the page needs in its language', async () => {
  // A browser without WebAssembly is told what the page needs in its language.
  const noWasm = await browser.newContext({ locale: 'de' });
  await noWasm.addInitScript(() => delete globalThis.WebAssembly);
  const told = await noWasm.newPage();
  await told.goto(address);
  await told.getByText(/^Vantrel braucht JavaScript und WebAssembly/).waitFor();
  await noWasm.close();
});

test('the single file carries its catalogues and speaks German from the disk', async () => {
  // The single file carries its catalogues and speaks German from the disk.
  const single = await open('de', pathToFileURL(path.join(built, 'vantrel.html')).href);
  assert.equal(await labelled(single.page, 'Füttern').count(), 1);
  assert.deepEqual(single.errors, []);
  await single.context.close();
});
