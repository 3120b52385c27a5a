// SPDX-License-Identifier: GPL-3.0-or-later
// Reports the page's own timing of a shot (key S) at 1,000 organisms with the table and
// the population view shown (the table alone with --table-only; with `notebook`, the lab
// notebook open as well): the median and spread of the main thread's work from the key
// event to the end of the frame's drawing, as the page measures it (step_timing.ts). With
// --floor, the same measure on a page that does next to nothing at a key (new pixels in a
// 350 x 350 canvas, a new number in a paragraph): what the browser itself takes on this
// machine from a key to the end of a frame, whatever the page. Run by hand:
//   node tests/web/measure_steps.mjs build/web/site [shots] [--table-only] [notebook]
//   node tests/web/measure_steps.mjs --floor [shots]
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pageScript } from './page_source.mjs';
import { serveSite } from './serve_site.mjs';
import { startThousand } from './thousand.mjs';

// playwright-core is one of the page's npm tools.
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const options = new Set(['--table-only', '--floor']);
const args = process.argv.slice(2).filter((arg) => !options.has(arg));
const floor = process.argv.includes('--floor');
const withView = !floor && !process.argv.includes('--table-only');
const site = floor ? writeFloorPage() : (args[0] ?? 'build/web/site');
const shots = Number((floor ? args[0] : args[1]) ?? 200);
const withNotebook = !floor && args[2] === 'notebook';
const kPause = 50; // milliseconds

// A folder holding the floor page, timed by the page's own step_timing.ts.
function writeFloorPage() {
  const folder = mkdtempSync(path.join(tmpdir(), 'step-floor-'));
  writeFileSync(path.join(folder, 'step_timing.js'), pageScript('step_timing.ts'));
  writeFileSync(
    path.join(folder, 'index.html'),
    `<!doctype html><html lang="en"><meta charset="utf-8"><title>Floor</title>
<canvas width="350" height="350"></canvas><p></p>
<script type="module">
import { timeStep } from './step_timing.js';
const canvas = document.querySelector('canvas');
const context = canvas.getContext('2d');
const pixels = context.createImageData(350, 350);
const text = document.querySelector('p');
let steps = 0;
document.addEventListener('keydown', (event) =>
  timeStep(event.timeStamp, () => {
    steps += 1;
    pixels.data.fill(steps % 256);
    context.putImageData(pixels, 0, 0);
    text.textContent = String(steps);
  }),
);
</script>`,
  );
  return folder;
}

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
  if (!floor) await startThousand(page);
  if (withView) await page.keyboard.press('g');
  if (withNotebook) await page.keyboard.press('l');
  // A pause after each key, as a person leaves: keys sent back to back queue up behind
  // one another, and each one's time would include the wait for those before it. The key
  // is let go halfway, as a person's finger is, not at once as press() does: Chromium holds
  // a page's messages back after an input event until its next frame, and a key let go at
  // once often arrives just after the step's frame, when the measure's message is still
  // on its way, which then waits for one frame more (a tenth of the keys with the view).
  for (let i = 0; i < shots; i += 1) {
    await page.keyboard.down('s');
    await page.waitForTimeout(kPause / 2);
    await page.keyboard.up('s');
    await page.waitForTimeout(kPause / 2);
  }
  await page.waitForFunction(
    (count) => performance.getEntriesByName('vantrel-step').length >= count,
    shots,
  );
  const times = await page.evaluate(() =>
    performance.getEntriesByName('vantrel-step').map((entry) => entry.duration),
  );
  times.sort((a, b) => a - b);
  const at = (share) => times[Math.min(times.length - 1, Math.floor(share * times.length))];
  console.log(
    `${floor ? 'floor page, a key' : 'shot at 1,000 organisms'}` +
      `${withView ? ' with the population view' : ''}` +
      `${withNotebook ? ', notebook open' : ''}, ` +
      `${times.length} keys: median ${at(0.5).toFixed(2)} ms ` +
      `(10% ${at(0.1).toFixed(2)}, 90% ${at(0.9).toFixed(2)} ms)`,
  );
} finally {
  await browser.close();
  server.close();
  if (floor) rmSync(site, { recursive: true });
}
