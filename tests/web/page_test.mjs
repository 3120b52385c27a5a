// SPDX-License-Identifier: GPL-3.0-or-later
// The built page in the system's Chromium: with the clock fixed, the page starts with the
// table the desktop's engine makes at that moment, and pressing S changes it exactly as a
// shot of that engine does.
//
//   node page_test.mjs SITE NATIVE_REPLAY
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';

const [site, nativeReplay] = process.argv.slice(2).map((p) => path.resolve(p));
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);

// The desktop engine's tables at `noon`: as it starts, and after one shot. Each table is
// its organism rows without the ID column, as the table file keeps them.
function nativeTables() {
  const folder = mkdtempSync(path.join(tmpdir(), 'page_test_'));
  try {
    writeFileSync(path.join(folder, 'script'), `start ${noon}\nsave\nshoot\nsave\n`);
    execFileSync(nativeReplay, [path.join(folder, 'script'), path.join(folder, 'out')]);
    const lines = readFileSync(path.join(folder, 'out'), 'latin1').split('\r\n');
    const tables = [];
    for (const line of lines) {
      if (line.startsWith(' P1 #')) tables.push([]);
      else if (line)
        tables.at(-1).push(
          line
            .split(' #')
            .slice(0, 4)
            .map((cell) => cell.trim()),
        );
    }
    return tables;
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css' };
const server = createServer((request, response) => {
  const name = new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html');
  try {
    const body = readFileSync(path.join(site, path.normalize(name)));
    response.writeHead(200, {
      'content-type': types[path.extname(name)] ?? 'application/octet-stream',
    });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox'],
});
try {
  const context = await browser.newContext({ timezoneId: 'UTC' });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.clock.setFixedTime(noon);
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.locator('main[aria-busy="false"] table').waitFor();
  // The organism rows without their IDs.
  const rows = () =>
    page.$$eval('tbody tr', (trs) =>
      trs.map((tr) => [...tr.cells].slice(1).map((td) => td.textContent)),
    );

  const [started, shot] = nativeTables();
  assert.deepEqual(await rows(), started, "the page starts with the desktop engine's table");
  await page.keyboard.press('s');
  assert.deepEqual(await rows(), shot, 'S shoots as the desktop engine shoots');
  assert.notDeepEqual(shot, started);
  for (const name of [
    'Feed this organism (F)',
    'Kill this organism (S)',
    'Start with a totally new genepool (N)',
  ]) {
    assert.equal(await page.getByRole('button', { name, exact: true }).count(), 1, name);
  }
  const side = await page.$eval('canvas', (canvas) => canvas.width);
  assert.ok(side >= 350, `the picture has ${side} device pixels a side`);
  assert.deepEqual(errors, []);
  console.log(`page_test: ${started.length} organisms, S shot as the desktop engine shoots`);
} finally {
  await browser.close();
  server.close();
}
