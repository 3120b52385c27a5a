// SPDX-License-Identifier: GPL-3.0-or-later
// The lab notebook on the built page in the system's Chromium, with the clock fixed,
// against the desktop's engine playing the same clicks: the run table the page exports
// (Export runs…) is the desktop notebook's CSV byte for byte, To spreadsheet's workbook
// holds the same cells, and the counters it shows are the run's. L opens the notebook and R says the goal is reached,
// but neither acts in a number box; Escape closes it; the plots carry their numbers as
// text; axe-core finds no WCAG 2.1 A or AA violation with the notebook open.
//
//   node notebook_test.mjs SITE NATIVE_REPLAY
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { addAxe, launchBrowser, openFixedPage } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const [site, nativeReplay] = process.argv.slice(2).map((p) => path.resolve(p));

const evening = Date.UTC(2026, 11, 9, 18, 42, 7, 512);

// The clicks both play, in the desktop replay's words.
const script = `start ${evening}
shoot
feed
idea
shoot 3
reached
feed
new-gene-pool
shoot 2
idea
feed
feed
undo
shoot
`;

// The desktop notebook's run table after the script.
function nativeRunsCsv() {
  const folder = mkdtempSync(path.join(tmpdir(), 'notebook_test_'));
  try {
    const at = (name) => path.join(folder, name);
    writeFileSync(at('script'), script);
    execFileSync(nativeReplay, [at('script'), at('tables'), at('runs.csv')]);
    return readFileSync(at('runs.csv'));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// The rows of CSV text as cells: quoted cells may hold commas and doubled quotes.
function csvRows(text) {
  return text
    .split('\r\n')
    .filter(Boolean)
    .map((line) =>
      [...line.matchAll(/(?:^|,)(?:"((?:[^"]|"")*)"|([^,]*))/g)].map(([, quoted, plain]) =>
        quoted !== undefined ? quoted.replaceAll('""', '"') : plain,
      ),
    );
}

// One browser and one tab for every case: each goes on from where the one before it left
// the page, so they run in this order.
let server, address, browser, page, errors, notebook, reached, box, expected;

const named = (name, role = 'button') => page.getByRole(role, { name, exact: true });
const counters = () =>
  notebook.locator('.notebook-counters dd').evaluateAll((cells) => cells.map((c) => c.textContent));
const idea = async () => {
  await named('Idea').click();
  await page.getByRole('dialog', { name: 'Vantrel' }).waitFor();
  await page.keyboard.press('Enter');
};

before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
  ({ page, errors } = await openFixedPage(browser, address, evening));
  notebook = page.getByRole('region', { name: 'Lab notebook' });
  reached = named('Reached');
});

after(async () => {
  await browser?.close();
  server?.close();
});

// The Lab button opens the notebook, its title takes the focus, Escape closes it and
// gives the focus back.
test('Lab opens the notebook and Escape closes it, the focus going and coming back', async () => {
  assert.equal(await notebook.count(), 0, 'closed at the start');
  const lab = named('Lab');
  assert.equal(await lab.textContent(), 'Lab');
  await lab.click();
  await notebook.waitFor();
  assert.equal(await page.evaluate(() => document.activeElement?.textContent), 'Lab notebook');
  assert.match(await notebook.textContent(), /No goal: press the light bulb for an idea\./);
  assert.ok(await reached.isDisabled(), 'nothing to reach without a goal');
  await page.keyboard.press('Escape');
  assert.equal(await notebook.count(), 0, 'Escape closes it');
  assert.equal(await page.evaluate(() => document.activeElement?.textContent), 'Lab');
});

// With the population view open too, Escape closes the panel that has the focus, then
// the one left.
test('with the population view open too, Escape closes the focused panel first', async () => {
  const pictures = page.getByRole('listbox', { name: 'The organisms’ pictures' });
  await page.keyboard.press('g');
  await page.keyboard.press('l');
  await notebook.waitFor();
  await page.keyboard.press('Escape');
  assert.deepEqual([await notebook.count(), await pictures.isVisible()], [0, true]);
  await page.keyboard.press('Escape');
  assert.equal(await pictures.isVisible(), false, 'then the population view');
});

// The script, by keys and buttons, the notebook open from the idea on.
test('an idea’s goal, its judged words and the counters show in the notebook', async () => {
  await page.keyboard.press('s');
  await page.keyboard.press('f');
  await idea();
  await page.keyboard.press('l');
  await notebook.waitFor();
  for (let i = 0; i < 3; ++i) await page.keyboard.press('s');
  assert.deepEqual((await counters()).slice(0, 3), ['0', '3', '3']);
  const goal = await notebook.locator('.notebook-goal').textContent();
  assert.ok(goal.length > 0 && goal !== 'No goal: press the light bulb for an idea.');
  assert.ok((await notebook.locator('.notebook-checks li').count()) > 0, 'judged words listed');
  assert.ok(await reached.isEnabled());
});

test('R says the goal is reached, but not in a number box', async () => {
  // L and R do nothing in a number box.
  await named('Advanced options').click();
  box = page.getByRole('spinbutton').first();
  await box.focus();
  await page.keyboard.press('r');
  assert.ok(await reached.isEnabled(), 'R in a number box is typing');
  await page.keyboard.press('Escape');
  await named('Advanced options').click();
  await page.locator('body').click({ position: { x: 2, y: 2 } });
  await page.keyboard.press('r');
  assert.ok(await reached.isDisabled(), 'R says the goal is reached');
  assert.equal((await counters())[4], '3 (you)');
});

test('the counters follow the rest of the clicks, an undo among them', async () => {
  await page.keyboard.press('f');
  await page.keyboard.press('n');
  await page.keyboard.press('s');
  await page.keyboard.press('s');
  await idea();
  await page.keyboard.press('f');
  await page.keyboard.press('f');
  await page.keyboard.press('Control+z');
  await page.keyboard.press('s');
  assert.deepEqual((await counters()).slice(0, 3), ['1', '1', '2']);
});

test('L opens the closed notebook, but not in a number box', async () => {
  // Closed, L still opens it only outside a text entry.
  await named('Close').click();
  await named('Advanced options').click();
  await box.focus();
  await page.keyboard.press('l');
  assert.equal(await notebook.count(), 0, 'L in a number box is typing');
  await page.locator('body').click({ position: { x: 2, y: 2 } });
  await page.keyboard.press('l');
  await notebook.waitFor();
});

// The run table leaves the page as the desktop's notebook writes it.
test('Export runs gives the desktop notebook’s CSV byte for byte', async () => {
  expected = nativeRunsCsv();
  assert.ok(expected.toString().startsWith('run,mode,started_utc,population,creativity,bonus,'));
  assert.match(
    expected.toString(),
    /,2026-12-09T18:42:07Z,.*,3,user,,\r\n/,
    "R's stable click, no pupil or lesson",
  );
  const [csv] = await Promise.all([page.waitForEvent('download'), named('Export runs').click()]);
  assert.equal(csv.suggestedFilename(), 'runs.csv');
  assert.ok(readFileSync(await csv.path()).equals(expected), "Export runs: the desktop's CSV");
});

// To spreadsheet: a workbook whose one sheet holds the same cells, under a table.
test('To spreadsheet gives a workbook of the same cells; the counters are the last run', async () => {
  const [book] = await Promise.all([
    page.waitForEvent('download'),
    named('To spreadsheet').click(),
  ]);
  assert.equal(book.suggestedFilename(), 'runs.xlsx');
  const bookPath = await book.path();
  execFileSync('unzip', ['-tq', bookPath]); // every part's CRC
  const part = (name) => execFileSync('unzip', ['-p', bookPath, name]).toString();
  assert.match(part('xl/workbook.xml'), /<sheet name="Runs" sheetId="1" r:id="rId1"\/>/);
  const unescape = (text) => text.replaceAll('&quot;', '"').replaceAll('&amp;', '&');
  const shared = [...part('xl/sharedStrings.xml').matchAll(/<si><t[^>]*>(.*?)<\/t><\/si>/g)];
  // Each cell as column:text, a number marked with #.
  const sheetRows = [...part('xl/worksheets/sheet1.xml').matchAll(/<row r="(\d+)">(.*?)<\/row>/g)];
  const sheetCells = sheetRows.map(([, , row]) =>
    [...row.matchAll(/<c r="([A-Z]+)\d+"( t="s")?><v>(.*?)<\/v><\/c>/g)].map(
      ([, column, text, value]) =>
        text ? `${column}:${unescape(shared[Number(value)][1])}` : `${column}:#${value}`,
    ),
  );
  // Below the titles the counts and the starting parameters are numbers.
  const numbers = new Set([0, 3, 4, 5, 7, 8, 9, 10, 11]);
  const csvCells = csvRows(expected.toString()).map((row, r) =>
    row.flatMap((text, i) =>
      text ? [`${String.fromCharCode(65 + i)}:${r > 0 && numbers.has(i) ? '#' : ''}${text}`] : [],
    ),
  );
  assert.deepEqual(sheetCells, csvCells, 'the sheet holds the CSV cells');
  assert.match(part('xl/tables/table1.xml'), new RegExp(`ref="A1:O${csvCells.length}"`));
  const lastRun = expected.toString().trim().split('\r\n').at(-1).split(',');
  assert.deepEqual((await counters()).slice(0, 3), lastRun.slice(-8, -5), 'counters are the run');
});

test('the plots carry their numbers as text', async () => {
  await notebook.locator('summary').first().click();
  await notebook.locator('summary').last().click();
  const curveRows = notebook.locator('.notebook-numbers').first().locator('tbody tr');
  await curveRows.nth(2).waitFor();
  assert.equal(await curveRows.count(), 3);
  assert.deepEqual(await curveRows.first().locator('td').first().textContent(), '0');
  assert.equal(await notebook.locator('svg.plot').count(), 4);
  const compared = await notebook
    .locator('.notebook-numbers')
    .last()
    .locator('tbody tr td:first-child')
    .allTextContents();
  assert.deepEqual(
    compared.map((label) => label.split(' · ')[0]),
    ['Run 1', 'Run 2', 'Run 3'],
    'the finished runs by hand',
  );
});

test('axe-core finds no WCAG 2.1 A or AA fault with the notebook open', async () => {
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
  assert.deepEqual(violations, [], 'axe-core with the notebook open');
});

test('the page made no script error', () => {
  assert.deepEqual(errors, [], 'no script errors');
  console.log("notebook_test: the page exports the desktop notebook's run table");
});
