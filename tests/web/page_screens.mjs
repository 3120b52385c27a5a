// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the built page with its advanced options open, then with the population
// view, the family tree, the lab notebook and the automatic runs after a sweep, wide and
// phone-sized, for the documentation; a touch tablet held upright with and without a
// panel; then the page in German and Dutch, and the German lab notebook. Not a test; run by hand after scripts/web.sh --build.
//
//   node page_screens.mjs SITE FOLDER
import { createRequire } from 'node:module';
import path from 'node:path';
import { serveSite } from './serve_site.mjs';

const [site, folder] = process.argv.slice(2).map((p) => path.resolve(p));
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const { server, address } = await serveSite(site);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});
try {
  for (const [width, height] of [
    [1280, 800],
    [390, 844],
  ]) {
    const page = await browser.newPage({
      viewport: { width, height },
      timezoneId: 'UTC',
    });
    await page.clock.setFixedTime(Date.UTC(2026, 11, 9, 12, 0, 0, 345));
    await page.goto(address);
    await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
    await page.getByRole('button', { name: 'Advanced options' }).click();
    await page.keyboard.press('s');
    await page.screenshot({
      path: path.join(folder, `web-${width}x${height}.png`),
    });
    await page.keyboard.press('g');
    await page.waitForTimeout(500);
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-population.png`) });
    // The family tree of the newest organism after some more shots, so that it reaches
    // back a few generations.
    await page.keyboard.press('Escape');
    for (let i = 0; i < 14; i += 1) await page.keyboard.press('s');
    const newest = await page.$$eval(
      '[role="grid"] [data-row]',
      (rows) =>
        rows.reduce((a, b) =>
          Number(b.firstChild.textContent) > Number(a.firstChild.textContent) ? b : a,
        ).dataset.row,
    );
    await page.locator(`[role="grid"] [data-row="${newest}"]`).click();
    await page.keyboard.press('t');
    await page.waitForTimeout(300);
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-tree.png`) });
    // The lab notebook a few clicks into an idea's run, the advanced options closed.
    await page.keyboard.press('Escape');
    await page.getByRole('button', { name: 'Advanced options' }).click();
    await page.keyboard.press('l');
    // An idea whose words the program judges, so that the picture shows the ✓ and ✗.
    for (let ideas = 0; ideas < 8; ++ideas) {
      await page.getByRole('button', { name: 'Idea', exact: true }).dispatchEvent('click'); // under the notebook on a phone
      await page.keyboard.press('Enter');
      if ((await page.locator('.notebook-checks li.met, .notebook-checks li.not-met').count()) > 0)
        break;
    }
    for (const key of 'sssfsssfss') await page.keyboard.press(key);
    await page.waitForTimeout(300);
    await page.screenshot({
      path: path.join(folder, `web-${width}x${height}-notebook.png`),
    });
    // The automatic runs after a small sweep, on two workers, opened from the notebook.
    await page.getByRole('button', { name: 'Run automatically…' }).click();
    const panel = page.getByRole('region', { name: 'Run automatically' });
    const fields = {
      'Goal (--goal), one per line': 'shape=square',
      'Population (--population)': '10,30',
      'Runs per condition (--runs)': '40',
      'Most clicks per run (--max-clicks)': '20000',
    };
    for (const [name, value] of Object.entries(fields)) await panel.getByLabel(name).fill(value);
    await panel.getByRole('button', { name: 'Run', exact: true }).click();
    await panel
      .getByRole('status')
      .filter({ hasText: / runs in / })
      .waitFor({ timeout: 300_000 });
    // Its results: the buttons, the status, the plot and its numbers.
    await panel.getByRole('figure').evaluate((element) => element.scrollIntoView({ block: 'end' }));
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-autoruns.png`) });
    await page.close();
  }
  // A touch tablet held upright: the page, then with the population view and with the lab
  // notebook open below the organism.
  {
    const page = await browser.newPage({
      viewport: { width: 810, height: 1080 },
      hasTouch: true,
      isMobile: true,
      timezoneId: 'UTC',
    });
    await page.clock.setFixedTime(Date.UTC(2026, 11, 9, 12, 0, 0, 345));
    await page.goto(address);
    await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
    for (const key of 'ssfs') await page.keyboard.press(key);
    await page.screenshot({ path: path.join(folder, 'web-810x1080.png') });
    for (const [key, name] of [
      ['g', 'population'],
      ['l', 'notebook'],
    ]) {
      await page.keyboard.press(key);
      await page.waitForTimeout(500);
      await page.screenshot({ path: path.join(folder, `web-810x1080-${name}.png`) });
      await page.keyboard.press('Escape');
    }
    await page.close();
  }
  // The page in another language, with its advanced options open; the German notebook.
  const words = {
    de: { advanced: 'Erweiterte Optionen', idea: 'Idee' },
    nl: { advanced: 'Geavanceerde opties', idea: 'Idee' },
  };
  for (const [code, width, height, notebook] of [
    ['de', 1280, 800, true],
    ['nl', 1280, 800, false],
    ['de', 390, 844, false],
  ]) {
    const page = await browser.newPage({ viewport: { width, height }, timezoneId: 'UTC' });
    await page.clock.setFixedTime(Date.UTC(2026, 11, 9, 12, 0, 0, 345));
    await page.goto(`${address}?lang=${code}`);
    await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
    await page.getByRole('button', { name: words[code].advanced }).click();
    await page.keyboard.press('s');
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-${code}.png`) });
    if (notebook) {
      await page.getByRole('button', { name: words[code].advanced }).click();
      await page.keyboard.press('l');
      for (let ideas = 0; ideas < 8; ++ideas) {
        await page
          .getByRole('button', { name: words[code].idea, exact: true })
          .dispatchEvent('click');
        await page.keyboard.press('Enter');
        const judged = page.locator('.notebook-checks li.met, .notebook-checks li.not-met');
        if ((await judged.count()) > 0) break;
      }
      for (const key of 'sssfsssfss') await page.keyboard.press(key);
      await page.waitForTimeout(300);
      await page.screenshot({
        path: path.join(folder, `web-${width}x${height}-notebook-${code}.png`),
      });
    }
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
