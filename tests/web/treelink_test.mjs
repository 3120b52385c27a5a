// SPDX-License-Identifier: GPL-3.0-or-later
// The family tree and the population as a link, in the system's Chromium. The tree's
// cards, their generations and every digit's origin equal the desktop engine's tree after
// the same shots; a living ancestor selects its row, a dead one shows its own tree and
// Back returns; T opens the tree but not in a number box; axe-core finds no WCAG 2.1 A or
// AA fault with the tree or the share dialog open. Share gives an address that opens the
// same table and parameters in a new page; a population too large is refused, a damaged
// or foreign link opens a fresh population with a message.
//
//   node treelink_test.mjs SITE NATIVE_REPLAY
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { createDeflateRaw, deflateRawSync } from 'node:zlib';
import { addAxe } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const [site, nativeReplay] = process.argv.slice(2).map((p) => path.resolve(p));
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);
const kShots = 14;

// A link's fragment of about 1.8 MB of base64url that inflates to some 600 MB of table:
// a population's header, then one table line over and over.
async function hugeFragment() {
  const deflate = createDeflateRaw();
  const chunks = [];
  deflate.on('data', (chunk) => chunks.push(chunk));
  const ended = new Promise((resolve) => deflate.on('end', resolve));
  deflate.write(Buffer.from('vantrel-population 1\n1000 60 3\n P1 # P2 # DNA # Survival #\r\n'));
  const lines = Buffer.alloc(8 << 20, ' 1 # 2 # 3635074687823 # 0 #\r\n');
  for (let i = 0; i < 71; ++i) deflate.write(lines);
  deflate.end();
  await ended;
  return `population=${Buffer.concat(chunks).toString('base64url')}`;
}

// The desktop engine's trees after `steps`: each a list of "generation id dna origins".
function nativeTrees(steps) {
  const folder = mkdtempSync(path.join(tmpdir(), 'treelink_test_'));
  try {
    writeFileSync(path.join(folder, 'script'), `start ${noon}\n${steps}`);
    const out = (name) => path.join(folder, name);
    execFileSync(nativeReplay, [out('script'), out('tables'), out('runs'), out('trees')]);
    return readFileSync(out('trees'), 'latin1')
      .split('\n\n')
      .filter(Boolean)
      .map((tree) => tree.split('\n').filter(Boolean));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// The tree the page shows, in the same words: the generation from the row headings, the
// ID from the caption, the DNA and each digit's origin from its mark.
const pageTree = (page) =>
  page.$$eval('.family-tree-scroller > div > *', (parts) => {
    const names = [...document.querySelectorAll('.family-tree h3')].map((h) => h.textContent);
    let generation = 0;
    const lines = [];
    for (const part of parts) {
      if (part.tagName === 'H3') generation = names.indexOf(part.textContent) + 1;
      for (const card of part.querySelectorAll('.tree-card')) {
        const id = /^ID (\S+)/.exec(card.querySelector('.tree-caption').textContent)[1];
        const digits = [...card.querySelectorAll('.tree-dna .digit')];
        const dna = digits.map((d) => d.textContent).join('');
        const origins = digits.map((d) => d.dataset.origin).join('');
        lines.push(`${generation} ${id} ${dna} ${origins}`);
      }
    }
    return lines;
  });

// axe-core inside the page; every violation is listed with the elements it names.
async function accessible(page, state) {
  await addAxe(page);
  const violations = await page.evaluate(async () => {
    const result = await window.axe.run(document, {
      runOnly: {
        type: 'tag',
        values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'],
      },
    });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
  });
  assert.deepEqual(violations, [], `axe-core, ${state}`);
}

// One browser and one first tab for every case: each goes on from where the one before it
// left that tab, so they run in this order.
let server, address, browser, context, page, tree, row, followed, steps;
const errors = [];

const open = async (where) => {
  const page = await context.newPage();
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(where);
  return page;
};
const ready = (page) =>
  page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
const named = (page, name, role = 'button') => page.getByRole(role, { name, exact: true });
const save = async (page) => {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    named(page, 'Save').click(),
  ]);
  return readFileSync(await download.path());
};
// One call into the page: the grid reuses its row elements as it draws.
const selectedRow = (page) =>
  page.evaluate(() => document.querySelector('[aria-selected="true"][data-row]')?.dataset.row);
const boxes = (page) =>
  Promise.all(
    ['Start with', 'Amount of creativity', 'Survival bonus'].map((name) =>
      named(page, name, 'spinbutton').inputValue(),
    ),
  );

before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox'],
  });
  context = await browser.newContext({
    timezoneId: 'UTC',
    acceptDownloads: true,
  });
  await context.grantPermissions(['clipboard-read', 'clipboard-write'], {
    origin: address.replace(/\/$/, ''),
  });
  await context.clock.setFixedTime(noon);
  page = await open(address);
  await ready(page);
  await named(page, 'Advanced options').click();
  for (let i = 0; i < kShots; i += 1) await page.keyboard.press('s');
  steps = `shoot ${kShots}\ntree\n`;
});

after(async () => {
  await browser?.close();
  server?.close();
  console.log('treelink_test: the tree equals the desktop engine’s; links round-trip');
});

test('T opens the tree of the shown organism: the desktop engine’s cards and origins', async () => {
  await page.keyboard.press('t');
  tree = page.locator('.family-tree');
  // Its part comes on this first use.
  await tree.waitFor();
  const first = await pageTree(page);
  assert.deepEqual(first, nativeTrees(steps)[0], 'the tree after the shots');
  assert.ok(
    first.some((line) => /^[1-5] /.test(line)),
    'the tree has ancestors',
  );
  // The digits are marked without colour too: the second parent's underlined, a
  // mutation bold.
  const marks = await page.$$eval('.tree-dna .digit', (digits) =>
    digits.map((d) => {
      const style = getComputedStyle(d);
      return `${d.dataset.origin}${style.textDecorationLine}${style.fontWeight}`;
    }),
  );
  for (const mark of marks) {
    if (mark.startsWith('1')) assert.equal(mark, '1underline400');
    if (mark.startsWith('2')) assert.equal(mark, '2none700');
  }
  await accessible(page, 'the family tree open');
});

test('a living ancestor selects its row by the keyboard, and the tree follows', async () => {
  const living = page.locator('button.tree-card', { hasText: 'living' }).first();
  const livingId = /^ID (\S+)/.exec(await living.locator('.tree-caption').textContent())[1];
  await living.focus();
  await page.keyboard.press('Enter');
  row = await selectedRow(page);
  assert.equal(
    await page.$eval(`[data-row="${row}"] > :first-child`, (cell) => cell.textContent),
    livingId,
    'the living ancestor is selected',
  );
  steps += `select ${row}\ntree\n`;
  followed = await pageTree(page);
  assert.deepEqual(followed, nativeTrees(steps)[1], 'the tree of the selected ancestor');
});

test('a dead ancestor shows its own tree; Back and Alt+Left return', async () => {
  const dead = page.locator('button.tree-card', { hasText: 'dead' }).first();
  const deadId = /^ID (\S+)/.exec(await dead.locator('.tree-caption').textContent())[1];
  await dead.click();
  assert.equal((await pageTree(page))[0].split(' ')[1], deadId, 'the dead one’s tree');
  assert.equal(await selectedRow(page), row, 'the selection stays');
  const back = named(page, 'Back');
  assert.ok(await back.isVisible());
  assert.equal(await back.getAttribute('title'), 'Back to the tree shown before (Alt+Left)');
  await page.keyboard.press('Alt+ArrowLeft');
  assert.deepEqual(await pageTree(page), followed, 'Alt+Left goes back');
  assert.equal(await back.isVisible(), false);
  await page.locator('button.tree-card', { hasText: 'dead' }).first().click();
  await back.click();
  assert.deepEqual(await pageTree(page), followed, 'Back goes back');
});

test('Escape closes the tree; T in a number box is typing', async () => {
  await page.keyboard.press('Escape');
  assert.equal(await tree.isVisible(), false, 'Escape closes the tree');
  await named(page, 'Start with', 'spinbutton').press('t');
  assert.equal(await tree.isVisible(), false, 'T in a number box does nothing');
});

test('Share gives an address that opens the same table and parameters in a new page', async () => {
  await named(page, 'Start with', 'spinbutton').fill('7');
  await named(page, 'Amount of creativity', 'spinbutton').fill('40');
  await named(page, 'Survival bonus', 'spinbutton').fill('2');
  const table = await save(page);
  await named(page, 'Share…').click();
  const dialog = page.getByRole('dialog', { name: 'Share' });
  const link = await dialog.getByRole('textbox', { name: 'Address' }).inputValue();
  assert.ok(link.startsWith(`${address}#`) && link.length < 8000, link.slice(0, 80));
  await named(dialog, 'Copy').click();
  await dialog.getByRole('status').filter({ hasText: 'Copied.' }).waitFor();
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
  await accessible(page, 'the share dialog open');
  await named(dialog, 'Close').click();

  const opened = await open(link);
  await ready(opened);
  await named(opened, 'Advanced options').click();
  assert.ok((await save(opened)).equals(table), 'the link holds the table');
  assert.deepEqual(await boxes(opened), ['7', '40', '2'], 'and the parameters');
  assert.equal(await opened.evaluate(() => location.hash), '', 'the address loses the link');
  // The link is one step, as Open is: Undo shows the population the page started with.
  await named(opened, 'Undo').click();
  assert.ok(!(await save(opened)).equals(table), 'undo goes back to the fresh population');
  await opened.close();
});

test('a long address shows its start, not its end', async () => {
  await named(page, 'Start with', 'spinbutton').fill('150');
  await page.locator('[role="grid"]').focus();
  await page.keyboard.press('n');
  await named(page, 'Share…').click();
  const shared = page.getByRole('dialog', { name: 'Share' });
  const field = shared.getByRole('textbox', { name: 'Address' });
  assert.deepEqual(
    await field.evaluate((f) => [f.scrollTop, f.scrollHeight > 4 * f.clientHeight]),
    [0, true],
  );
  await named(shared, 'Close').click();
});

test('a population too large for a link is refused', async () => {
  await named(page, 'Start with', 'spinbutton').fill('1000');
  await page.locator('[role="grid"]').focus();
  await page.keyboard.press('n');
  await named(page, 'Share…').click();
  const refusal = page.getByRole('dialog', { name: 'Vantrel' });
  assert.equal(
    (await refusal.locator('p').textContent()).trim(),
    'This population is too large for a link. Use Save instead.',
  );
  await named(refusal, 'OK').click();
});

// A damaged link, a foreign one, garbage and a link far longer than a shared one (which
// would inflate to hundreds of megabytes) open a fresh population and say so, at once,
// and the page works.
test('a link that holds no population opens a fresh one and says so', async (t) => {
  const foreign = deflateRawSync(
    Buffer.from('another-program 1\n1 2 3\n ID #\r\n1 #\r\n'),
  ).toString('base64url');
  const huge = await hugeFragment();
  assert.ok(huge.length > 1.7e6 && huge.length < 2e6, String(huge.length));
  for (const fragment of [
    'population=AAAA!!',
    `population=${foreign}`,
    'somewhere',
    'population=%00%E2%28%A1<script>\u{1F600}'.repeat(300),
    huge,
  ]) {
    const what = fragment.slice(0, 40);
    await t.test(what, async () => {
      const began = Date.now();
      const wrong = await open(`${address}#${fragment}`);
      try {
        const message = wrong.getByRole('dialog', { name: 'Vantrel' });
        assert.equal(
          (await message.locator('p').textContent()).trim(),
          'This link does not hold a Vantrel population.',
          what,
        );
        const seconds = (Date.now() - began) / 1000;
        assert.ok(seconds < 10, `${what}: refused after ${seconds} s`);
        await named(message, 'OK').click();
        await ready(wrong);
        assert.equal(await wrong.getAttribute('[role="grid"]', 'aria-rowcount'), '10', what);
        assert.equal(await wrong.evaluate(() => location.hash), '', what);
        const before = await wrong.locator('[role="grid"]').textContent();
        await wrong.keyboard.press('s');
        assert.notEqual(await wrong.locator('[role="grid"]').textContent(), before, `${what}: S`);
      } finally {
        await wrong.close();
      }
    });
  }
});

test('markup a link brings is text: the cell shows it and nothing of it runs', async () => {
  const markup = '<img src=x onerror="window.ran=1">';
  const marked = deflateRawSync(
    Buffer.from(
      `vantrel-population 1\n9 10 1\n P1 # P2 # DNA # Survival #\r\n ${markup} # 0 # 1234567890123 # 0 #\r\n`,
    ),
  ).toString('base64url');
  const carrier = await open(`${address}#population=${marked}`);
  await ready(carrier);
  await named(carrier, 'Advanced options').click();
  const cell = carrier.locator('[data-row="1"] > :nth-child(2)');
  assert.equal(await cell.textContent(), markup);
  assert.equal(await carrier.locator('[role="grid"] img').count(), 0, 'no element made of it');
  assert.equal(await carrier.evaluate(() => 'ran' in window), false, 'nothing of it ran');
  await carrier.close();
});

test('no page made a script error', () => {
  assert.deepEqual(errors, [], 'no script errors');
});
