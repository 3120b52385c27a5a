// SPDX-License-Identifier: GPL-3.0-or-later
// The founders a page starts with are the desktop engine's for the same moment: the seed
// is the milliseconds since midnight UTC, whatever the browser's time zone says the local
// time is, and whether the page's clock is fixed or installed (and paused) before it loads.
// Run from page_test.mjs, in its browser.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';

// Either side of midnight UTC, in zones where the local date or the half hour differ.
const kMoments = [
  { time: Date.UTC(2026, 11, 9, 23, 59, 59, 999), timezoneId: 'Pacific/Kiritimati', fixed: true },
  { time: Date.UTC(2026, 11, 10, 0, 0, 0, 7), timezoneId: 'Asia/Kolkata', fixed: false },
];

// `nativeTable(time)`: the bytes of the table the desktop engine starts with at `time`.
export async function checkStartFounders(browser, address, nativeTable) {
  const tables = [];
  for (const { time, timezoneId, fixed } of kMoments) {
    const context = await browser.newContext({ timezoneId, acceptDownloads: true });
    try {
      const page = await context.newPage();
      if (fixed) {
        await page.clock.setFixedTime(time);
      } else {
        // The installed clock runs from a moment before until it is paused at `time`.
        await page.clock.install({ time: time - 1000 });
        await page.clock.pauseAt(time);
      }
      await page.goto(address);
      await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
      await page.getByRole('button', { name: 'Advanced options', exact: true }).click();
      const [download] = await Promise.all([
        page.waitForEvent('download'),
        page.getByRole('button', { name: 'Save', exact: true }).click(),
      ]);
      const bytes = readFileSync(await download.path());
      const where = `${new Date(time).toISOString()} in ${timezoneId}`;
      assert.ok(bytes.equals(nativeTable(time)), `${where}: the desktop engine's founders`);
      tables.push(bytes);
    } finally {
      await context.close();
    }
  }
  assert.ok(!tables[0].equals(tables[1]), 'another moment, other founders');
}
