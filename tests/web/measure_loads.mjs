// SPDX-License-Identifier: GPL-3.0-or-later
// Measures opening big tables in the page, by hand (not a test), in the system's Chromium:
// for 100,000 and 1,000,000 organisms (make_table.mjs), opened through the file picker, the
// time from the choice to the grid showing the table's last row, and the longest task the
// main thread ran meanwhile (PerformanceObserver 'longtask': tasks over 50 ms), then the
// same for one shot (S) after it and for Excel's workbook. With --open-only, the opening
// alone, its line ending in the page's own measure as `vantrel-open N ms` and the main
// thread's processor time in the tasks that ran it (from a Chromium trace) as `processor
// N ms` (scripts/time-load.sh reads both).
//
//   node measure_loads.mjs SITE [ROWS ...] [--open-only]
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { makeTableText } from './make_table.mjs';
import { serveSite } from './serve_site.mjs';

const openOnly = process.argv.includes('--open-only');
const args = process.argv.slice(2).filter((arg) => arg !== '--open-only');
const site = path.resolve(args[0]);
const sizes = args.slice(1).map(Number);
if (!sizes.length) sizes.push(100000, 1000000);
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const { server, address } = await serveSite(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});

// Long tasks since the last call, and the longest of them.
const takeTasks = (page) =>
  page.evaluate(() => {
    const tasks = window.measuredTasks.splice(0);
    return Math.max(0, ...tasks.map((task) => task.duration));
  });
const nextFrame = (page) =>
  page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));

// The main thread's processor time (ms) in the top-level tasks of a trace's `events` that
// overlap the page's measure `name`: on a machine whose other programs take the processor,
// steadier than the measure's own wall time.
function processorTime(events, name) {
  const main = events.find((e) => e.name === 'thread_name' && e.args?.name === 'CrRendererMain');
  const begin = events.find((e) => e.name === name && e.ph === 'b')?.ts;
  const end = events.find((e) => e.name === name && e.ph === 'e')?.ts;
  if (!main || begin === undefined || end === undefined) return NaN;
  const tasks = events
    .filter((e) => e.pid === main.pid && e.tid === main.tid && e.ph === 'X')
    .filter((e) => e.tdur !== undefined && e.ts <= end && e.ts + e.dur >= begin)
    .sort((a, b) => a.ts - b.ts || b.dur - a.dur);
  let used = 0;
  let counted = -1;
  for (const task of tasks) {
    if (task.ts < counted) continue; // within a task counted already
    counted = task.ts + task.dur;
    used += task.tdur / 1000;
  }
  return used;
}

const traces = mkdtempSync(path.join(tmpdir(), 'measure_loads_'));
try {
  for (const rows of sizes) {
    const page = await browser.newPage({
      viewport: { width: 1280, height: 800 },
    });
    await page.addInitScript(() => {
      window.measuredTasks = [];
      new PerformanceObserver((list) => window.measuredTasks.push(...list.getEntries())).observe({
        type: 'longtask',
        buffered: true,
      });
    });
    await page.goto(address);
    await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
    await page.getByRole('button', { name: 'Advanced options' }).click();
    // The file is made in the page: Playwright's own transfer of it would be measured too.
    const size = await page.evaluate(
      ([make, rows]) => {
        const text = new Function(`return (${make})(${rows})`)();
        const bytes = Uint8Array.from(text, (c) => c.charCodeAt(0));
        const transfer = new DataTransfer();
        transfer.items.add(new File([bytes], `${rows}.str`));
        window.measuredFile = transfer.files;
        return bytes.length;
      },
      [makeTableText.toString(), rows],
    );
    await nextFrame(page);
    await takeTasks(page);
    const trace = path.join(traces, `${rows}.json`);
    if (openOnly)
      await browser.startTracing(page, {
        path: trace,
        categories: ['devtools.timeline', 'blink.user_timing'],
      });
    const began = Date.now();
    await page.evaluate(() => {
      const picker = document.querySelector('input[type="file"]');
      picker.files = window.measuredFile;
      picker.dispatchEvent(new Event('change'));
    });
    await page.waitForFunction(
      (count) => document.querySelector('[role="grid"]').getAttribute('aria-rowcount') === count,
      String(rows + 1),
      { polling: 50, timeout: 120000 },
    );
    await page.locator('[role="grid"]').focus();
    await page.keyboard.press('End');
    await page.locator(`[role="grid"] [data-row="${rows}"]`).waitFor();
    await nextFrame(page);
    const opened = Date.now() - began;
    const openWork = await page.evaluate(
      () => performance.getEntriesByName('vantrel-open').at(-1)?.duration ?? NaN,
    );
    const openTask = await takeTasks(page);
    if (openOnly) {
      await browser.stopTracing();
      const parsed = JSON.parse(readFileSync(trace, 'utf8'));
      const used = processorTime(parsed.traceEvents ?? parsed, 'vantrel-open');
      console.log(
        `${rows} organisms: open to the last row shown ${opened} ms, longest task ` +
          `${openTask.toFixed(0)} ms, vantrel-open ${openWork.toFixed(1)} ms, ` +
          `processor ${used.toFixed(1)} ms`,
      );
      await page.close();
      continue;
    }
    const shotBegan = Date.now();
    await page.keyboard.press('s');
    await nextFrame(page);
    const shot = Date.now() - shotBegan;
    const shotTask = await takeTasks(page);
    console.log(
      `${rows} organisms (${(size / 1e6).toFixed(1)} MB): open to the last row shown ` +
        `${opened} ms (the engine's load and the page's showing it ${openWork.toFixed(0)} ms), ` +
        `longest task ${openTask.toFixed(0)} ms; a shot after it ${shot} ms, ` +
        `longest task ${shotTask.toFixed(0)} ms`,
    );
    const excelBegan = Date.now();
    await Promise.all([
      page.waitForEvent('download', { timeout: 600000 }),
      page.evaluate(() =>
        [...document.querySelectorAll('button')].find((b) => b.textContent === 'Excel').click(),
      ),
    ]);
    const excel = Date.now() - excelBegan;
    const excelTask = await takeTasks(page);
    console.log(`  Excel to the download ${excel} ms, longest task ${excelTask.toFixed(0)} ms`);
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
  rmSync(traces, { recursive: true, force: true });
}
