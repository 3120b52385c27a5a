// SPDX-License-Identifier: GPL-3.0-or-later
// Reports the main thread's CPU time (thread time, from a Chromium trace) per shot (key S)
// at 1,000 organisms with the table and the population view shown (the table alone with
// --table-only): the key's handling and the frames up to the next key, and apart from
// them the pictures the view draws when the page is idle. Thread time counts only the
// work done, so it holds steadier than measure_steps.mjs's wall time on a busy machine.
// Run by hand:
//   node tests/web/measure_step_cpu.mjs build/web/site [shots] [--table-only]
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { serveSite } from './serve_site.mjs';
import { startThousand } from './thousand.mjs';

const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const args = process.argv.slice(2).filter((arg) => arg !== '--table-only');
const withView = args.length === process.argv.length - 2;
const site = args[0] ?? 'build/web/site';
const shots = Number(args[1] ?? 40);
// The main thread's top-level work that a step causes.
const kWork = new Set([
  'EventDispatch',
  'FireAnimationFrame',
  'FireIdleCallback',
  'UpdateLayoutTree',
  'Layout',
  'PrePaint',
  'Paint',
  'Layerize',
  'Commit',
  'FunctionCall',
  'TimerFire',
]);

// Per key, the thread time of the work from its keydown to the next; idle callbacks apart.
function stepTimes(events) {
  const main = events.find((e) => e.name === 'thread_name' && e.args?.name === 'CrRendererMain');
  const work = events
    .filter((e) => e.pid === main.pid && e.tid === main.tid && e.ph === 'X')
    .filter((e) => kWork.has(e.name) && e.tdur !== undefined)
    .sort((a, b) => a.ts - b.ts || b.dur - a.dur);
  const steps = [];
  let idle = 0;
  let end = -1;
  for (const e of work) {
    if (e.ts < end) continue; // inside work already counted
    end = e.ts + e.dur;
    const type = e.args?.data?.type;
    if (e.name === 'EventDispatch' && type === 'keydown') steps.push(0);
    if (e.name === 'FireIdleCallback') idle += e.tdur / 1000;
    else if (steps.length > 0 && (e.name !== 'EventDispatch' || type === 'keydown'))
      steps[steps.length - 1] += e.tdur / 1000;
  }
  return { steps, idle };
}

const { server, address } = await serveSite(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});
const folder = mkdtempSync(path.join(tmpdir(), 'step_cpu_'));
try {
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
  await page.goto(address);
  await startThousand(page);
  if (withView) await page.keyboard.press('g');
  for (let i = 0; i < 10; i += 1) await page.keyboard.press('s'); // warm up
  await page.waitForTimeout(300);
  const trace = path.join(folder, 'trace.json');
  await browser.startTracing(page, {
    path: trace,
    categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline'],
  });
  for (let i = 0; i < shots; i += 1) {
    await page.keyboard.press('s');
    await page.waitForTimeout(50);
  }
  await page.waitForTimeout(300);
  await browser.stopTracing();
  const parsed = JSON.parse(readFileSync(trace, 'utf8'));
  const { steps, idle } = stepTimes(parsed.traceEvents ?? parsed);
  steps.sort((a, b) => a - b);
  const at = (share) => steps[Math.min(steps.length - 1, Math.floor(share * steps.length))];
  console.log(
    `shot at 1,000 organisms${withView ? ' with the population view' : ''}, ` +
      `${steps.length} keys: main-thread CPU median ${at(0.5).toFixed(2)} ms ` +
      `(10% ${at(0.1).toFixed(2)}, 90% ${at(0.9).toFixed(2)} ms); ` +
      `pictures drawn when idle ${(idle / steps.length).toFixed(2)} ms a key`,
  );
} finally {
  await browser.close();
  server.close();
  rmSync(folder, { recursive: true, force: true });
}
