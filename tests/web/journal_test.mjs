// SPDX-License-Identifier: GPL-3.0-or-later
// The page's journal in the system's Chromium, on one profile kept on disk: a tab that
// crashes while another tab plays, and a browser killed with SIGKILL and started again,
// are each offered once and restored byte for byte, and the next shot is the desktop
// engine's; a reload is not offered, and Alt+Shift+R brings its run back; a damaged entry
// restores the steps before it with one message; storage refused or full says so once
// and play goes on.
//
//   node journal_test.mjs SITE NATIVE_REPLAY
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { serveSite } from './serve_site.mjs';

const [site, nativeReplay] = process.argv.slice(2).map((p) => path.resolve(p));
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);
const later = noon + 3_600_000;

// The desktop engine's saved tables for `steps` (lines of tests/web/replay's script).
function nativeTables(...steps) {
  const folder = mkdtempSync(path.join(tmpdir(), 'journal_test_'));
  try {
    writeFileSync(path.join(folder, 'script'), `${steps.join('\n')}\n`);
    execFileSync(nativeReplay, [path.join(folder, 'script'), path.join(folder, 'out')]);
    const all = readFileSync(path.join(folder, 'out'));
    const starts = [];
    for (let at = all.indexOf(' P1 #'); at >= 0; at = all.indexOf(' P1 #', at + 1)) {
      starts.push(at);
    }
    return starts.map((at, i) => all.subarray(at, starts[i + 1] ?? all.length));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// One profile on disk for every case, and its browser started once: each case goes on from
// the journal the one before it left, so they run in this order.
let server, address, context, page, shotAfter;
const profile = mkdtempSync(path.join(tmpdir(), 'journal_profile_'));
const launch = () =>
  chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox'],
    timezoneId: 'UTC',
    acceptDownloads: true,
  });

// The browser's own process: the one started with this profile that is no helper.
function browserPid() {
  for (const entry of readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    let args;
    try {
      args = readFileSync(`/proc/${entry}/cmdline`, 'latin1').split('\0');
    } catch {
      continue;
    }
    if (args.includes(`--user-data-dir=${profile}`) && !args.some((a) => a.startsWith('--type='))) {
      return Number(entry);
    }
  }
  throw new Error('no browser with the test profile');
}

// A new tab with the clock at `moment`, once its first organism is shown.
async function open(context, moment, prepare = async () => {}) {
  const page = await context.newPage();
  await prepare(page);
  page.on('pageerror', (error) => assert.fail(error.message));
  await page.clock.setFixedTime(moment);
  await page.goto(address);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  return page;
}

// The runs the journal holds, as [steps, entries] of each, newest first.
function journalRuns(page) {
  return page.evaluate(async () => {
    // Never creates the database: the page's own open must do that.
    const db = await new Promise((resolve) => {
      const request = indexedDB.open('vantrel-journal');
      request.onupgradeneeded = () => request.transaction.abort();
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => resolve(undefined);
    });
    if (!db) return [];
    const all = (store, range) =>
      new Promise((resolve) => {
        const request = db.transaction(store).objectStore(store).getAll(range);
        request.onsuccess = () => resolve(request.result);
      });
    const runs = (await all('runs')).sort((a, b) => b.order - a.order);
    const counts = [];
    for (const run of runs) {
      const writes = await all('entries', IDBKeyRange.bound([run.id, 0], [run.id, Infinity]));
      // Each write holds its entries packed: a type byte, then two lengths and their bytes.
      let entries = 0;
      for (const packed of writes) {
        const view = new DataView(packed.buffer, packed.byteOffset, packed.byteLength);
        for (let at = 0; at < packed.length; entries += 1) {
          at += 5 + view.getUint32(at + 1, true);
          at += 4 + view.getUint32(at, true);
        }
      }
      counts.push([run.steps, entries]);
    }
    db.close();
    return counts;
  });
}

// Waits until the newest run of `page`'s journal has `steps` steps in `entries` entries.
async function written(page, steps, entries) {
  for (let tries = 0; tries < 100; tries += 1) {
    const [newest] = await journalRuns(page);
    if (newest && newest[0] === steps && newest[1] === entries) return;
    await page.waitForTimeout(30);
  }
  assert.fail(
    `not ${steps} steps in ${entries} entries: ${JSON.stringify(await journalRuns(page))}`,
  );
}

async function save(page) {
  const advanced = page.getByRole('button', { name: 'Advanced options' });
  if ((await advanced.getAttribute('aria-expanded')) === 'false') await advanced.click();
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.getByRole('button', { name: 'Save', exact: true }).click(),
  ]);
  return readFileSync(await download.path());
}

const restoreDialog = (page) => page.getByRole('dialog', { name: 'Restore population' });
const messageDialog = (page) => page.getByRole('dialog', { name: 'Vantrel' });

// Answers the offer with Yes (the default: Enter) after checking its question.
async function acceptOffer(page, organisms, steps) {
  const dialog = restoreDialog(page);
  await dialog.waitFor();
  assert.equal(
    await dialog.locator('p').textContent(),
    `Vantrel ended unexpectedly. Restore the population of that run (${organisms} organisms, ${steps} steps)?`,
  );
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Yes');
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
}

before(async () => {
  ({ server, address } = await serveSite(site));
  context = await launch();
});

after(async () => {
  await context?.close().catch(() => {});
  server?.close();
  rmSync(profile, { recursive: true, force: true });
  console.log('journal_test: crash, kill, reload, two tabs, damage, refused and full storage');
});

test('a tab that crashes while another plays is offered once and restored byte for byte', async () => {
  // Two tabs: the older one crashes while the newer one still plays.
  const crashing = await open(context, noon);
  await written(crashing, 0, 0); // steps before the journal opens are in its base
  for (const key of ['s', 's', 's', 'f', 'Control+z', 's']) await crashing.keyboard.press(key);
  await written(crashing, 4, 6);
  const crashed = await save(crashing);
  const other = await open(context, noon + 1000);
  await written(other, 0, 0); // steps before the journal opens are in its base
  await other.keyboard.press('f');
  await written(other, 1, 1);
  const crash = new Promise((resolve) => crashing.once('crash', resolve));
  const cdp = await context.newCDPSession(crashing);
  void cdp.send('Page.crash').catch(() => {});
  await crash;
  await crashing.close(); // the clock is the context's: set it in live pages only

  // The next tab offers the crashed run, not the one the other tab holds.
  let crashedNative;
  [crashedNative, shotAfter] = nativeTables(
    `start ${noon}`,
    ...['shoot', 'shoot', 'shoot', 'feed', 'undo', 'shoot', 'save', 'shoot', 'save'],
  );
  const [laterStart] = nativeTables(`start ${later}`, 'save');
  page = await open(context, later);
  await acceptOffer(page, 9, 4);
  assert.ok(crashed.equals(crashedNative), 'the page played as the desktop engine');
  assert.ok((await save(page)).equals(crashed), 'the crashed tab’s table, byte for byte');
  await page.keyboard.press('s');
  assert.ok((await save(page)).equals(shotAfter), 'the next shot is the desktop engine’s');
  for (let i = 0; i < 6; i += 1) await page.keyboard.press('Control+z');
  assert.ok((await save(page)).equals(laterStart), 'undo goes back through the restore');
  for (let i = 0; i < 6; i += 1) await page.keyboard.press('Control+Shift+z');
  await written(page, 6, 20);
  await other.close();
});

test('a reload is not offered, and Alt+Shift+R brings its run back', async () => {
  // A reload is no crash: nothing is offered, and Alt+Shift+R brings that run back.
  await page.reload();
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  await written(page, 0, 0);
  await page.waitForTimeout(300);
  assert.equal(await restoreDialog(page).count(), 0, 'a reload is not offered');
  await page.keyboard.press('Alt+Shift+R');
  // The table it restores onto is that run's start: the restore itself changes nothing.
  await written(page, 6, 20);
  assert.equal(await messageDialog(page).count(), 0);
  assert.ok((await save(page)).equals(shotAfter), 'Alt+Shift+R restores the run before');
});

test('a browser killed with SIGKILL offers its run on its next start', async () => {
  // A browser killed with SIGKILL: the same profile offers the run on its next start.
  await page.keyboard.press('s');
  await written(page, 7, 21);
  const killed = await save(page);
  process.kill(browserPid(), 'SIGKILL');
  await new Promise((resolve) => context.once('close', resolve));
  context = await launch();
  page = await open(context, later);
  await acceptOffer(page, 9, 7);
  assert.ok((await save(page)).equals(killed), 'the killed browser’s table, byte for byte');
  const [afterKill] = nativeTables(
    `start ${noon}`,
    ...['shoot', 'shoot', 'shoot', 'feed', 'undo', 'shoot', 'shoot', 'shoot', 'save'],
  );
  assert.ok(killed.equals(afterKill));
});

test('a damaged entry restores the steps before it with one message', async () => {
  page = await open(context, noon);
  await written(page, 0, 0); // steps before the journal opens are in its base
  for (const key of ['s', 's', 's']) await page.keyboard.press(key);
  await written(page, 3, 3);
  await page.evaluate(
    () =>
      new Promise((resolve) => {
        const request = indexedDB.open('vantrel-journal');
        request.onsuccess = () => {
          const db = request.result;
          const transaction = db.transaction(['runs', 'entries'], 'readwrite');
          const runs = transaction.objectStore('runs').getAll();
          runs.onsuccess = () => {
            const { id } = runs.result.sort((a, b) => b.order - a.order)[0];
            const entries = transaction.objectStore('entries');
            const range = IDBKeyRange.bound([id, 0], [id, Infinity]);
            const cursor = entries.openCursor(range, 'prev');
            cursor.onsuccess = () => {
              // The last entry written gets a type no entry has.
              const packed = cursor.result.value;
              const view = new DataView(packed.buffer, packed.byteOffset, packed.byteLength);
              let last = 0;
              for (let at = 0; at < packed.length;) {
                last = at;
                at += 5 + view.getUint32(at + 1, true);
                at += 4 + view.getUint32(at, true);
              }
              packed[last] = 9;
              cursor.result.update(packed);
              transaction.oncomplete = () => resolve(db.close());
            };
          };
        };
      }),
  );
  const [afterTwo, afterThree] = nativeTables(
    `start ${noon}`,
    ...['shoot', 'shoot', 'save', 'shoot', 'save'],
  );
  const damaging = page;
  const damaged = new Promise((resolve) => damaging.once('crash', resolve));
  void (await context.newCDPSession(damaging)).send('Page.crash').catch(() => {});
  await damaged;
  await damaging.close();
  page = await open(context, later);
  await acceptOffer(page, 9, 2);
  const message = messageDialog(page);
  await message.waitFor();
  assert.match(await message.locator('p').textContent(), /damaged: the last 1 steps could not/);
  await page.keyboard.press('Enter');
  assert.ok((await save(page)).equals(afterTwo), 'the two steps before the damage');
  await page.keyboard.press('s');
  assert.ok((await save(page)).equals(afterThree), 'play goes on as before');
});

// Storage refused at the start, or full at the first step: one message, and play goes on.
test('storage refused or full says so once, and play goes on', async (t) => {
  const [played] = nativeTables(`start ${noon}`, 'shoot', 'feed', 'shoot', 'save');
  const failures = [
    [
      [],
      () => {
        IDBFactory.prototype.open = () => {
          throw new DOMException('Access denied', 'SecurityError');
        };
      },
      'Access denied',
    ],
    [
      ['s'],
      () => {
        const put = IDBObjectStore.prototype.put;
        IDBObjectStore.prototype.put = function (...args) {
          if (this.name !== 'entries') return put.apply(this, args);
          throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
        };
      },
      'The quota has been exceeded.',
    ],
  ];
  for (const [before, failure, reason] of failures) {
    await t.test(reason, async () => {
      page = await open(context, noon, (tab) => tab.addInitScript(failure));
      // A key pressed before the journal has its base would only go into that base.
      if (before.length) await written(page, 0, 0);
      for (const key of before) await page.keyboard.press(key);
      const told = messageDialog(page);
      await told.waitFor();
      assert.equal(
        await told.locator('p').textContent(),
        `Vantrel cannot keep its journal in this browser’s storage (${reason}). It goes on ` +
          'without one: undo still works, but a crash would lose the population.',
      );
      await page.keyboard.press('Enter');
      for (const key of ['s', 'f', 's'].slice(before.length)) await page.keyboard.press(key);
      await page.waitForTimeout(200);
      assert.equal(await told.count(), 0, 'said once');
      assert.ok((await save(page)).equals(played), `play goes on without the journal: ${reason}`);
      await page.close();
    });
  }
});
