// SPDX-License-Identifier: GPL-3.0-or-later
// Reports the page's own timing of a shot (key S) at 1,000 organisms with the table and
// the population view shown (the table alone with --table-only; with `notebook`, the lab
// notebook open as well): the median and spread of the main thread's work from the key
// event to the end of the frame's drawing, as the page measures it (step_timing.ts). With
// --floor, the same measure on a page that does next to nothing at a key (new pixels in a
// 350 x 350 canvas, a new number in a paragraph): what the browser itself takes on this
// machine from a key to the end of a frame, whatever the page. With --against-floor, the
// page and the floor page in one run, taking turns every ten keys so that both see the
// same machine, and the ratio of their medians. With --against-content, the content floor
// page (floor_pages.mjs) takes its turns as well: a page that draws what a shot
// shows and nothing more. Run by hand:
//   node tests/web/measure_steps.mjs build/web/site [shots] [--table-only] [notebook]
//   node tests/web/measure_steps.mjs --floor [shots]
//   node tests/web/measure_steps.mjs build/web/site [shots] --against-floor
//   node tests/web/measure_steps.mjs build/web/site [shots] --against-content
import { rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { writeContentFloorPage, writeFloorPage } from './floor_pages.mjs';
import { serveSite } from './serve_site.mjs';
import { startThousand } from './thousand.mjs';

// playwright-core is one of the page's npm tools.
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const options = new Set(['--table-only', '--floor', '--against-floor', '--against-content']);
const args = process.argv.slice(2).filter((arg) => !options.has(arg));
const floorOnly = process.argv.includes('--floor');
const againstContent = process.argv.includes('--against-content');
const againstFloor = againstContent || process.argv.includes('--against-floor');
const withView = !floorOnly && !process.argv.includes('--table-only');
const site = args[floorOnly ? -1 : 0] ?? 'build/web/site';
const shots = Number((floorOnly ? args[0] : args[1]) ?? 200);
const withNotebook = !floorOnly && args[2] === 'notebook';
const kPause = 50; // milliseconds
const kTurn = 10; // keys on one page before the other's turn

// The median and the 10th and 90th percentiles of `times`.
function spread(times) {
  const sorted = [...times].sort((a, b) => a - b);
  const at = (share) => sorted[Math.min(sorted.length - 1, Math.floor(share * sorted.length))];
  return { median: at(0.5), low: at(0.1), high: at(0.9) };
}

const described = (times) => {
  const { median, low, high } = spread(times);
  return (
    `${times.length} keys: median ${median.toFixed(2)} ms ` +
    `(10% ${low.toFixed(2)}, 90% ${high.toFixed(2)} ms)`
  );
};

// A page to press keys on, and how many of its steps have been measured so far.
async function openPage(browser, address, prepare) {
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
  await page.goto(address);
  await prepare(page);
  return page;
}

// Presses S `count` times on `page`, a pause after each key, as a person leaves: keys sent
// back to back queue up behind one another, and each one's time would include the wait
// for those before it. The key is let go halfway, as a person's finger is, not at once as
// press() does: Chromium holds a page's messages back after an input event until its next
// frame, and a key let go at once often arrives just after the step's frame, when the
// measure's message is still on its way, which then waits for one frame more.
async function press(page, count) {
  await page.bringToFront();
  for (let i = 0; i < count; i += 1) {
    await page.keyboard.down('s');
    await page.waitForTimeout(kPause / 2);
    await page.keyboard.up('s');
    await page.waitForTimeout(kPause / 2);
  }
}

// The times measured on `page`, once all `count` are there.
async function measured(page, count) {
  await page.waitForFunction(
    (expected) => performance.getEntriesByName('vantrel-step').length >= expected,
    count,
  );
  return page.evaluate(() =>
    performance.getEntriesByName('vantrel-step').map((entry) => entry.duration),
  );
}

const floorFolder = floorOnly || againstFloor ? writeFloorPage() : undefined;
const contentFolder = againstContent ? writeContentFloorPage() : undefined;
const served = [];
const serve = async (folder) => {
  const one = await serveSite(folder);
  served.push(one.server);
  return one.address;
};
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});
try {
  const pages = [];
  if (!floorOnly) {
    const page = await openPage(browser, await serve(site), async (opened) => {
      await startThousand(opened);
      if (withView) await opened.keyboard.press('g');
      if (withNotebook) await opened.keyboard.press('l');
    });
    pages.push({ page, name: 'shot at 1,000 organisms' });
  }
  if (floorFolder)
    pages.push({
      page: await openPage(browser, await serve(floorFolder), async () => {}),
      name: 'floor page, a key',
    });
  if (contentFolder)
    pages.push({
      page: await openPage(browser, await serve(contentFolder), async () => {}),
      name: 'content floor page, a key',
    });
  for (let done = 0; done < shots; done += kTurn)
    for (const { page } of pages) await press(page, Math.min(kTurn, shots - done));
  const results = [];
  for (const { page, name } of pages) {
    const times = await measured(page, shots);
    results.push(spread(times).median);
    const what =
      page === pages[0].page && !floorOnly
        ? `${name}${withView ? ' with the population view' : ''}${withNotebook ? ', notebook open' : ''}`
        : name;
    console.log(`${what}, ${described(times)}`);
  }
  if (results.length >= 2)
    console.log(`ratio of the medians: ${(results[0] / results[1]).toFixed(2)}x the floor`);
  if (results.length === 3)
    console.log(
      `content floor: ${(results[2] / results[1]).toFixed(2)}x the floor; ` +
        `the page: ${(results[0] / results[2]).toFixed(2)}x the content floor`,
    );
} finally {
  await browser.close();
  for (const server of served) server.close();
  for (const folder of [floorFolder, contentFolder])
    if (folder) rmSync(folder, { recursive: true });
}
