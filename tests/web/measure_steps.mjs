// SPDX-License-Identifier: GPL-3.0-or-later
// Reports the page's own timing of a shot (key S) at 1,000 organisms with the table and
// the population view shown (the table alone with --table-only; with `notebook`, the lab
// notebook open as well): the median and spread of the main thread's work from the key
// event to the end of the frame's drawing, as the page measures it (step_timing.ts). Run
// by hand:
//   node tests/web/measure_steps.mjs build/web/site [shots] [--table-only] [notebook]
import { createRequire } from 'node:module';
import { serveSite } from './serve_site.mjs';

// playwright-core is one of the page's npm tools.
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const args = process.argv.slice(2).filter((arg) => arg !== '--table-only');
const withView = args.length === process.argv.length - 2;
const site = args[0] ?? 'build/web/site';
const shots = Number(args[1] ?? 200);
const withNotebook = args[2] === 'notebook';
const kPause = 50; // milliseconds
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
  await page
    .locator('main[aria-busy="false"] [role="grid"]')
    .waitFor({ state: 'attached' });
  const named = (name, role = 'button') =>
    page.getByRole(role, { name, exact: true });
  await named('Advanced options').click();
  await named('Start with', 'spinbutton').fill('1001');
  await named('Start with a totally new genepool (N)').click();
  await page.locator('main').click({ position: { x: 5, y: 5 } });
  if (withView) await page.keyboard.press('g');
  if (withNotebook) await page.keyboard.press('l');
  // A pause after each key, as a person leaves: keys sent back to back queue up behind
  // one another, and each one's time would include the wait for those before it.
  for (let i = 0; i < shots; i += 1) {
    await page.keyboard.press('s');
    await page.waitForTimeout(kPause);
  }
  await page.waitForFunction(
    (count) => performance.getEntriesByName('vantrel-step').length >= count,
    shots,
  );
  const times = await page.evaluate(() =>
    performance.getEntriesByName('vantrel-step').map((entry) => entry.duration),
  );
  times.sort((a, b) => a - b);
  const at = (share) =>
    times[Math.min(times.length - 1, Math.floor(share * times.length))];
  console.log(
    `shot at 1,000 organisms${withView ? ' with the population view' : ''}` +
      `${withNotebook ? ', notebook open' : ''}, ` +
      `${times.length} keys: median ${at(0.5).toFixed(2)} ms ` +
      `(10% ${at(0.1).toFixed(2)}, 90% ${at(0.9).toFixed(2)} ms)`,
  );
} finally {
  await browser.close();
  server.close();
}
