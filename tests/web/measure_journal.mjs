// SPDX-License-Identifier: GPL-3.0-or-later
// Reports what the page's journal costs, as the page measures it: the shot's main-thread
// work at 1,000 organisms (step_timing.ts) with the journal writing after each frame and
// with its writes held back, each write's own main-thread work, and Alt+Shift+R restoring
// a run of STEPS shots at 1,000 organisms made by the engine under Node. Run by hand:
//   node tests/web/measure_journal.mjs build/web/site build/wasm/web/vantrel_engine.mjs [SHOTS] [STEPS]
import { createRequire } from 'node:module';
import { loadEngineModule } from './load_module.mjs';
import { serveSite } from './serve_site.mjs';
import { startThousand } from './thousand.mjs';

const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const [site, modulePath] = process.argv.slice(2);
const shots = Number(process.argv[4] ?? 200);
const steps = Number(process.argv[5] ?? 10_000);
const { server, address } = await serveSite(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});

const median = (times) => {
  const sorted = [...times].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)] ?? NaN;
};
const durations = (page, name) =>
  page.evaluate((n) => performance.getEntriesByName(n).map((e) => e.duration), name);

async function openAt1000(context) {
  const page = await context.newPage({ viewport: { width: 1280, height: 800 } });
  await page.goto(address);
  await startThousand(page);
  return page;
}

// The shot's median with the journal as it is, or with its writes (and all other work
// left for idle time) never let run.
async function shotMedian(heldBack) {
  const context = await browser.newContext();
  if (heldBack) await context.addInitScript(() => (window.requestIdleCallback = () => 0));
  const page = await openAt1000(context);
  // A pause after each key, as a person leaves: keys sent back to back would queue up
  // behind one another, and each one's time would include the wait for those before it.
  for (let i = 0; i < shots; i += 1) {
    await page.keyboard.press('s');
    await page.waitForTimeout(50);
  }
  await page.waitForFunction(
    (n) => performance.getEntriesByName('vantrel-step').length >= n,
    shots,
  );
  await page.waitForTimeout(500);
  const result = {
    step: median(await durations(page, 'vantrel-step')),
    write: median(await durations(page, 'vantrel-journal-write')),
  };
  await context.close();
  return result;
}

// A run of `steps` shots at 1,000 organisms as the page would have stored it.
async function madeRun() {
  const vantrel = await loadEngineModule(modulePath);
  const engine = new vantrel.Engine(Date.UTC(2026, 11, 9, 12));
  engine.setParameters({ startOrganisms: 1000 });
  engine.newGenePool();
  engine.startJournal();
  for (let i = 0; i < steps; i += 1) engine.shoot();
  const records = engine.takeJournal();
  const base64 = (bytes) => Buffer.from(bytes).toString('base64');
  const run = {
    base: base64(records[0].data),
    baseAnnex: base64(records[0].annex),
    // One write a step, as the page stores a run played one key at a time.
    entries: records.slice(1).map(({ type, data, annex }) => {
      const packed = Buffer.alloc(9 + data.length + annex.length);
      packed[0] = type;
      packed.writeUInt32LE(data.length, 1);
      packed.set(data, 5);
      packed.writeUInt32LE(annex.length, 5 + data.length);
      packed.set(annex, 9 + data.length);
      return base64(packed);
    }),
    steps: records.at(-1).steps,
    organisms: records.at(-1).organisms,
  };
  engine.delete();
  return run;
}

try {
  const withWrites = await shotMedian(false);
  const heldBack = await shotMedian(true);
  console.log(
    `shot at 1,000 organisms, ${shots} keys: median ${withWrites.step.toFixed(2)} ms with the ` +
      `journal, ${heldBack.step.toFixed(2)} ms with its writes held back; ` +
      `a write's own main-thread work ${withWrites.write.toFixed(2)} ms (after the frame)`,
  );

  const run = await madeRun();
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(address);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  await page.evaluate(async (kept) => {
    const bytes = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
    const db = await new Promise((resolve) => {
      const request = indexedDB.open('vantrel-journal');
      request.onsuccess = () => resolve(request.result);
    });
    const transaction = db.transaction(['runs', 'bases', 'entries'], 'readwrite');
    const id = 'measured';
    transaction
      .objectStore('bases')
      .put({ data: bytes(kept.base), annex: bytes(kept.baseAnnex) }, id);
    kept.entries.forEach((packed, seq) =>
      transaction.objectStore('entries').put(bytes(packed), [id, seq]),
    );
    transaction.objectStore('runs').put({
      id,
      order: 0,
      started: 0,
      version: 1,
      steps: kept.steps,
      organisms: kept.organisms,
      bytes: 0,
      finishedRuns: '',
    });
    await new Promise((resolve) => (transaction.oncomplete = resolve));
    db.close();
  }, run);
  const restores = [];
  for (let i = 0; i < 5; i += 1) {
    await page.keyboard.press('Alt+Shift+R');
    await page.waitForFunction(
      (n) => performance.getEntriesByName('vantrel-restore').length > n,
      i,
    );
    restores.push((await durations(page, 'vantrel-restore'))[i]);
  }
  console.log(
    `restore of ${steps} shots at 1,000 organisms by Alt+Shift+R (read, check, restore, ` +
      `shown): median ${median(restores).toFixed(0)} ms of ${restores.map((t) => t.toFixed(0)).join(', ')}`,
  );
} finally {
  await browser.close();
  server.close();
}
