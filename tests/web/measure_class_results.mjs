// SPDX-License-Identifier: GPL-3.0-or-later
// Reports what pooling a class's runs files costs in the page, as the page measures it
// (class_results.ts): 30 pupils' files of 200 hand runs each, over four conditions, made in
// the page and handed to "Class results…" as if chosen at once, then the time from the
// choice to the results in the document, the engine's pooling alone, and to the first
// frame that shows them. Beside them the main thread's CPU time for the whole pooling
// (Chromium's ThreadTime), which a busy machine does not inflate as it does the clock.
// The first pooling (the WebAssembly's first run of that code) and the median of the
// repeats are reported; nothing is asserted. Run by hand, beside
// tools/bench/class_results_bench.cc for the native figure:
//   node tests/web/measure_class_results.mjs build/web/site [PUPILS] [RUNS] [REPEATS]
import { createRequire } from 'node:module';
import path from 'node:path';
import { serveSite } from './serve_site.mjs';

const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const site = path.resolve(process.argv[2] ?? 'build/web/site');
const pupils = Number(process.argv[3] ?? 30);
const runs = Number(process.argv[4] ?? 200);
const repeats = Number(process.argv[5] ?? 7);

// One pupil's runs file as the notebook exports it; the same runs as the native benchmark.
function pupilCsv(pupil, runs) {
  const utc = (seconds) => new Date(seconds * 1000).toISOString().replace(/\.\d+Z$/, 'Z');
  const lines = [
    'run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,' +
      'first_match_click,stable_click,reached_by,pupil,lesson',
  ];
  for (let n = 1; n <= runs; n++) {
    const feeds = (n * 7 + pupil) % 50;
    const shots = ((n * 13 + pupil * 3) % 400) + 20;
    const stable = n % 5 !== 0 ? String(feeds + shots) : '';
    lines.push(
      [
        n,
        'hand',
        utc(1796800000 + n * 60),
        n % 2 === 0 ? 10 : 30,
        10,
        1,
        n % 4 < 2 ? 'shape=square' : 'color=green',
        feeds,
        shots,
        feeds + shots,
        Math.floor(shots / 3),
        stable,
        stable ? 'program' : '',
        `Pupil ${pupil + 1}`,
        '0badcafe',
      ].join(','),
    );
  }
  return lines.join('\r\n') + '\r\n';
}

const median = (times) => {
  const sorted = [...times].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)] ?? NaN;
};

const { server, address } = await serveSite(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});
try {
  const page = await browser.newPage({
    viewport: { width: 1280, height: 800 },
  });
  await page.goto(address);
  await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
  await page.keyboard.press('l');
  await page.locator('#class-results-open').click();
  const input = page.locator('dialog[open] input[type="file"]');
  await input.waitFor({ state: 'attached' });
  // The files are made in the page: Playwright's own transfer of them would be measured too.
  const bytes = await page.evaluate(
    ([make, pupils, runs]) => {
      const pupilCsv = new Function(`return (${make})`)();
      const transfer = new DataTransfer();
      let total = 0;
      for (let p = 0; p < pupils; p++) {
        const text = pupilCsv(p, runs);
        total += text.length;
        transfer.items.add(new File([text], `runs-Pupil ${p + 1}.csv`, { type: 'text/csv' }));
      }
      window.measuredFiles = transfer.files;
      return total;
    },
    [pupilCsv.toString(), pupils, runs],
  );
  const names = ['vantrel-class-results', 'vantrel-class-pool', 'vantrel-class-results-painted'];
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Performance.enable', { timeDomain: 'threadTicks' });
  const threadTime = async () =>
    (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'ThreadTime').value *
    1000;
  const cpu = [];
  for (let i = 0; i < repeats; i++) {
    const before = await threadTime();
    await page.evaluate(() => {
      const picker = document.querySelector('dialog[open] input[type="file"]');
      picker.files = window.measuredFiles;
      picker.dispatchEvent(new Event('change'));
    });
    await page.waitForFunction(
      (count) => performance.getEntriesByName('vantrel-class-results-painted').length === count,
      i + 1,
      { polling: 20, timeout: 60000 },
    );
    cpu.push((await threadTime()) - before);
  }
  const times = await page.evaluate(
    (list) =>
      Object.fromEntries(
        list.map((name) => [name, performance.getEntriesByName(name).map((e) => e.duration)]),
      ),
    names,
  );
  const skipped = await page.locator('dialog[open] .class-skipped li').count();
  console.log(
    `${pupils} files of ${runs} runs (${(bytes / 1024).toFixed(0)} KiB), ${repeats} poolings, ` +
      `${skipped} lines or files skipped`,
  );
  times['main thread CPU'] = cpu;
  for (const name of [...names, 'main thread CPU']) {
    const list = times[name];
    console.log(
      `${name}: first ${list[0].toFixed(0)} ms, median ${median(list).toFixed(1)} ms ` +
        `(${list.map((t) => t.toFixed(0)).join(', ')})`,
    );
  }
} finally {
  await browser.close();
  server.close();
}
