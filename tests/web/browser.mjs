// SPDX-License-Identifier: GPL-3.0-or-later
// The system's Chromium for the browser tests, and the page opened in it at a fixed moment.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

// axe-core inside `page`, put there from outside the page: the page's
// Content-Security-Policy refuses a script tag that is not its own.
export async function addAxe(page) {
  if (await page.evaluate(() => 'axe' in window)) return;
  await page.evaluate(readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
}

// Collects `page`'s uncaught errors in `errors`, and whatever its Content-Security-Policy
// refused.
export function collectErrors(page, errors) {
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (/Content.Security.Policy/i.test(message.text())) errors.push(message.text());
  });
}

// Debian's Chromium, headless: no browser is downloaded.
export function launchBrowser() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
}

// A new tab in UTC that takes downloads, its clock fixed at `moment` (milliseconds since
// 1970), on the page at `address` once its table is there; `errors` collects the page's
// uncaught errors and whatever its Content-Security-Policy refused.
export async function openFixedPage(browser, address, moment) {
  const context = await browser.newContext({ timezoneId: 'UTC', acceptDownloads: true });
  const page = await context.newPage();
  const errors = [];
  collectErrors(page, errors);
  await page.clock.setFixedTime(moment);
  await page.goto(address);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  return { context, page, errors };
}
