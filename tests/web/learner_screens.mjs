// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the lab notebook's "What you select for" after a user fed the round ones and
// killed the rest, the chances shown on the big picture, and of "Judge like me" playing
// with the population view beside it, wide, tablet- and phone-sized, for the documentation. Not a
// test; run by hand after scripts/web.sh --build.
//
//   node learner_screens.mjs SITE FOLDER
import path from 'node:path';
import { launchBrowser } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const [site, folder] = process.argv.slice(2).map((p) => path.resolve(p));
const { server, address } = await serveSite(site);
const browser = await launchBrowser();
try {
  for (const [width, height] of [
    [1280, 800],
    [810, 1080],
    [390, 844],
  ]) {
    // The tablet's size is a touch screen's.
    const page = await browser.newPage({
      viewport: { width, height },
      timezoneId: 'UTC',
      hasTouch: width === 810,
    });
    await page.clock.setFixedTime(Date.UTC(2026, 11, 9, 12, 0, 0, 345));
    await page.goto(address);
    await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
    await page.locator('h1').click();
    await page.keyboard.press('l');
    await page.locator('#learner-title').waitFor();
    // The user keeps the round ones and kills the rest, as the notebook reads them.
    for (let click = 0; click < 40; click += 1) {
      const words = await page.locator('canvas.picture').getAttribute('aria-label');
      await page.keyboard.press(/circle|round/i.test(words ?? '') ? 'f' : 's');
    }
    await page.locator('#learner-chances').click();
    await page.locator('#learner-title').scrollIntoViewIfNeeded();
    await page.waitForTimeout(300);
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-learner.png`) });
    // Judge like me playing, the population view beside the notebook where there is room.
    if (width > 1000) {
      await page.keyboard.press('g');
      await page.waitForTimeout(300);
    }
    await page.locator('#learner-judge-clicks').fill('200');
    await page.locator('#learner-judge-pace').fill('5');
    await page.locator('#learner-judge').click();
    await page.waitForTimeout(1800);
    await page.locator('#learner-title').scrollIntoViewIfNeeded();
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-judging.png`) });
    await page.keyboard.press('Escape');
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
