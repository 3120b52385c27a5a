// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the population view, by hand (not a test), in the system's Chromium: the time
// from the View button's click to the next frame with the view drawn at 1,000 organisms
// (a fresh page each time, so every picture is drawn anew; the median of RUNS, and of it
// the view's own drawing before the browser lays out and paints, and the time until every
// picture in sight is painted), and at
// 100,000 organisms (a table of 1,000 organisms repeated, opened like any file) one page
// of scrolling in 30 animation frames: the longest frame and the median one.
//
//   node measure_population.mjs SITE [RUNS]
import { createRequire } from 'node:module';
import path from 'node:path';
import { serveSite } from './serve_site.mjs';

const site = path.resolve(process.argv[2]);
const runs = Number(process.argv[3] ?? 5);
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const { server, address } = await serveSite(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});

// A fresh page with `organisms` in its table, from a new gene pool of 1,000.
async function pageWith(context) {
  const page = await context.newPage();
  await page.goto(address);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  await page.getByRole('button', { name: 'Advanced options' }).click();
  const start = page.getByRole('spinbutton', { name: 'Start with' });
  await start.fill('1000');
  await start.press('Tab');
  await page.locator('[role="grid"]').focus();
  await page.keyboard.press('n');
  return page;
}

// Milliseconds from the View button's click to the frame after the view is drawn.
const timeOpen = (page) =>
  page.evaluate(async () => {
    const view = document.querySelector('[aria-keyshortcuts="G"]');
    const began = performance.now();
    view.click();
    const drawn = performance.now() - began;
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
    const frame = performance.now() - began;
    const canvas = document.querySelector('.population-canvas');
    while (canvas.dataset.waiting !== '0') await new Promise(requestAnimationFrame);
    return [frame, drawn, performance.now() - began];
  });

try {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  const opens = [];
  const draws = [];
  const wholes = []; // until every picture in sight is painted // of which the view's own work, before the browser lays out and paints
  let painted = 0;
  for (let run = 0; run < runs; ++run) {
    const page = await pageWith(context);
    const [frame, drawn, whole] = await timeOpen(page);
    opens.push(frame);
    draws.push(drawn);
    wholes.push(whole);
    painted = await page.$eval('.population-canvas', (c) => c.dataset.painted);
    await page.close();
  }
  console.log(
    `1,000 organisms: the view open in ${median(opens).toFixed(1)} ms (median of ${runs}: ` +
      `${opens.map((t) => t.toFixed(1)).join(', ')}), of which drawing ` +
      `${median(draws).toFixed(1)} ms; all ${painted} pictures painted in ` +
      `${median(wholes).toFixed(1)} ms`,
  );

  const page = await pageWith(context);
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.getByRole('button', { name: 'Save', exact: true }).click(),
  ]);
  const table = (await import('node:fs')).readFileSync(await download.path(), 'latin1');
  const [title, ...lines] = table.split('\r\n').filter(Boolean);
  const copies = Math.ceil(100000 / lines.length);
  const organisms = Array.from({ length: copies }, () => lines)
    .flat()
    .slice(0, 100000);
  const many = [title, ...organisms, ''].join('\r\n');
  await page.locator('input[type="file"]').setInputFiles({
    name: 'many.str',
    mimeType: 'text/plain',
    buffer: Buffer.from(many, 'latin1'),
  });
  await page.waitForFunction(
    () => document.querySelector('[role="grid"]').getAttribute('aria-rowcount') === '100001',
  );
  const rows = await page.getAttribute('[role="grid"]', 'aria-rowcount');
  const [opened] = await timeOpen(page);
  const frames = await page.evaluate(async () => {
    const scroller = document.querySelector('.population-scroller');
    scroller.scrollTop = scroller.scrollHeight / 2;
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
    const step = scroller.clientHeight / 30;
    const gaps = [];
    let last = performance.now();
    for (let frame = 0; frame < 30; ++frame) {
      scroller.scrollTop += step;
      await new Promise((resolve) => requestAnimationFrame(resolve));
      const now = performance.now();
      gaps.push(now - last);
      last = now;
    }
    return gaps;
  });
  console.log(
    `${Number(rows) - 1} organisms: the view open in ${opened.toFixed(1)} ms; one page of ` +
      `scrolling in 30 frames: longest ${Math.max(...frames).toFixed(1)} ms, median ` +
      `${median(frames).toFixed(1)} ms`,
  );
} finally {
  await browser.close();
  server.close();
}
