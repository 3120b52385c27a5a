// SPDX-License-Identifier: GPL-3.0-or-later
// "Run automatically" in the system's Chromium: a small sweep played by one worker and by
// two exports the same bytes as vantrel-lab --csv for the same options and seed; a refused
// option shows the command line's words; with the learner, the same bytes with its columns,
// and a refused learner list the command line's words; Cancel keeps the finished runs, which
// are the command line's runs of the same numbers; the page plays on while the workers run;
// axe-core finds nothing on the panel; the single file plays a sweep from file://.
//
//   node autoruns_test.mjs BUILD_WEB NATIVE_LAB
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { addAxe, launchBrowser } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const [built, nativeLab] = process.argv.slice(2).map((p) => path.resolve(p));

// The options as the panel's fields hold them, by field name.
const small = {
  'Goal (--goal), one per line': 'shape=square',
  'Population (--population)': '5,8',
  'Creativity (--creativity)': '10',
  'Bonus (--bonus)': '1',
  'Strictness (--strictness)': '1,0.9',
  'Runs per condition (--runs)': '6',
  'Most clicks per run (--max-clicks)': '3000',
  'Seed (--seed)': '7',
};
const fieldOptions = {
  'Goal (--goal), one per line': '--goal',
  'Population (--population)': '--population',
  'Creativity (--creativity)': '--creativity',
  'Bonus (--bonus)': '--bonus',
  'Strictness (--strictness)': '--strictness',
  'Runs per condition (--runs)': '--runs',
  'Most clicks per run (--max-clicks)': '--max-clicks',
  'Seed (--seed)': '--seed',
  'Learner after clicks (--learner)': '--learner',
};
const learnerField = 'Learner after clicks (--learner)';
// The small sweep with a learner taking over after 10 of the judge's clicks, and without.
const withLearner = { ...small, [learnerField]: '0,10' };

// vantrel-lab's CSV for the same fields (and any further options).
function nativeCsv(fields, extra = []) {
  const folder = mkdtempSync(path.join(tmpdir(), 'autoruns_test_'));
  try {
    const args = Object.entries(fields).flatMap(([name, value]) => [fieldOptions[name], value]);
    const csv = path.join(folder, 'runs.csv');
    execFileSync(nativeLab, [...args, ...extra, '--quiet', '--csv', csv], { stdio: 'ignore' });
    return readFileSync(csv, 'utf8');
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// vantrel-lab's message for options it refuses, without its name.
function nativeRefusal(fields) {
  const args = Object.entries(fields).flatMap(([name, value]) => [fieldOptions[name], value]);
  try {
    execFileSync(nativeLab, [...args, '--quiet'], { stdio: 'pipe' });
  } catch (error) {
    return String(error.stderr).trim().replace(/^vantrel-lab: /, '');
  }
  assert.fail(`vantrel-lab took ${args.join(' ')}`);
}

// What vantrel-lab prints of a sweep.
function nativeSummary(fields) {
  const args = Object.entries(fields).flatMap(([name, value]) => [fieldOptions[name], value]);
  return execFileSync(nativeLab, [...args, '--quiet'], { encoding: 'utf8' });
}

// What vantrel-lab's summary prints after its table: the comparison with condition 1.
function nativeComparison(fields) {
  const summary = nativeSummary(fields);
  return summary
    .slice(summary.indexOf('\n\n') + 2)
    .trimEnd()
    .split('\n');
}

// Each condition's clicks to stable in the CSV as the panel words them: the fewest, the
// quartiles (linear between ranks) and the most.
function boxLines(csv) {
  const rows = csv
    .split('\r\n')
    .slice(1, -1)
    .map((line) => line.split(','));
  const conditions = Math.max(...rows.map((row) => Number(row[13])));
  return Array.from({ length: conditions }, (_, c) => {
    const mine = rows.filter((row) => Number(row[13]) === c + 1);
    const stable = mine.filter((row) => row[11] !== '').map((row) => Number(row[11]));
    stable.sort((a, b) => a - b);
    const at = (f) => {
      const p = f * (stable.length - 1);
      const below = Math.floor(p);
      const above = Math.min(below + 1, stable.length - 1);
      return stable[below] + (p - below) * (stable[above] - stable[below]);
    };
    const five = [0, 0.25, 0.5, 0.75, 1].map((f) => at(f).toFixed(1)).join(' / ');
    return (
      `Condition ${c + 1}: ${stable.length} of ${mine.length} runs stable` +
      (stable.length ? `, clicks ${five} (fewest / q1 / median / q3 / most)` : '')
    );
  });
}

async function openPanel(page, address, workers) {
  await page.addInitScript((count) => {
    Object.defineProperty(navigator, 'hardwareConcurrency', { get: () => count });
  }, workers);
  await page.goto(address);
  await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
  await page.keyboard.press('l'); // the lab notebook holds the automatic runs
  await page.getByRole('button', { name: 'Run automatically…' }).click();
  return page.getByRole('region', { name: 'Run automatically' });
}

async function fill(panel, fields) {
  for (const [name, value] of Object.entries(fields)) {
    await panel.getByLabel(name, { exact: true }).fill(value);
  }
}

const status = (panel) => panel.getByRole('status');

// Plays the sweep the fields hold to its end; resolves to the exported CSV.
async function sweep(page, panel, fields, workers) {
  await fill(panel, fields);
  await assert.doesNotReject(
    status(panel)
      .filter({ hasText: `runs on ${workers} threads` })
      .waitFor({ timeout: 2000 }),
  );
  await panel.getByRole('button', { name: 'Run', exact: true }).click();
  await status(panel)
    .filter({ hasText: / runs in [\d.]+ s\./ })
    .waitFor({ timeout: 60_000 });
  return exported(page, panel);
}

async function exported(page, panel) {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    panel.getByRole('button', { name: 'Export runs' }).click(),
  ]);
  assert.equal(download.suggestedFilename(), 'runs.csv');
  return readFileSync(await download.path(), 'utf8');
}

// One browser for every case; the cases after the sweep on two workers go on in its panel,
// so they run in this order.
let expected, expectedWithLearner, server, address, browser, context, page, panel;
const errors = [];

before(async () => {
  expected = nativeCsv(small);
  expectedWithLearner = nativeCsv(withLearner);
  ({ server, address } = await serveSite(path.join(built, 'site')));
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  server?.close();
  console.log('autoruns_test: 1 and 2 workers, the single file, Cancel, refusals, axe-core');
});

for (const workers of [1, 2]) {
  test(`a sweep on ${workers} worker(s) exports vantrel-lab’s CSV, its plot and numbers`, async () => {
    context = await browser.newContext({ acceptDownloads: true });
    page = await context.newPage();
    page.on('pageerror', (error) => errors.push(error.message));
    panel = await openPanel(page, address, workers);
    assert.equal(await sweep(page, panel, small, workers), expected, `${workers} worker(s)`);
    // The runs joined the notebook's run table after its own first run.
    const runs = expected.split('\r\n').length - 2;
    assert.match(
      await status(panel).textContent(),
      new RegExp(`They joined the run table as runs 2 to ${runs + 1}\\.$`),
    );
    // The plot and its numbers: a box and a line per condition, and the summary.
    assert.equal(await panel.locator('svg.box-plot rect').count(), 4);
    assert.deepEqual(
      await panel.locator('.autoruns-numbers li').allTextContents(),
      boxLines(expected),
    );
    assert.equal(await panel.locator('.autoruns-summary li').count(), 4);
    const comparison = panel.getByRole('region', { name: 'Comparison with condition 1' });
    assert.deepEqual(await comparison.locator('p, li').allTextContents(), nativeComparison(small));
    // With the learner: twice the conditions, and the CSV's columns learner,judge_clicks.
    assert.match(expectedWithLearner, /,learner,judge_clicks\r\n/);
    const learned = await sweep(page, panel, withLearner, workers);
    assert.equal(learned, expectedWithLearner, `${workers} worker(s) with the learner`);
    // The summary again by the judge's clicks: its heading, comparisons and the learners'
    // lines are lines of vantrel-lab's summary, a line per condition with a learner.
    const learners = panel.getByRole('region', { name: /^By the judge's clicks to stable/ });
    const said = await learners.locator('p, ul:not(:first-of-type) li').allTextContents();
    const native = new Set(nativeSummary(withLearner).split('\n'));
    assert.deepEqual(said.filter((line) => !native.has(line)), []);
    assert.equal(said.filter((line) => / \(learner after 10 clicks\): /.test(line)).length, 4);
    await fill(panel, { [learnerField]: '' });
    if (workers === 1) await context.close();
  });
}

test('a refused learner list shows vantrel-lab’s words; an empty one is none', async () => {
  for (const list of ['-1', '10,x', '0,,30', '5 10']) {
    const fields = { ...small, [learnerField]: list };
    await fill(panel, fields);
    await status(panel).filter({ hasText: nativeRefusal(fields) }).waitFor({ timeout: 2000 });
    assert.ok(await panel.getByRole('button', { name: 'Run', exact: true }).isDisabled(), list);
  }
  await fill(panel, { [learnerField]: ' ' });
  await status(panel).filter({ hasText: ': 4 conditions × 6 runs' }).waitFor({ timeout: 2000 });
  await fill(panel, { [learnerField]: '' });
});

test('a refused option shows the command line’s words and Run waits for a good one', async () => {
  await fill(panel, { 'Population (--population)': '5,1' });
  await status(panel)
    .filter({ hasText: "--population: '1' is not a whole number from 2 to 1000" })
    .waitFor();
  assert.ok(await panel.getByRole('button', { name: 'Run', exact: true }).isDisabled());
  await fill(panel, { 'Population (--population)': '5,8', 'Goal (--goal), one per line': '' });
  await status(panel)
    .filter({ hasText: '--goal: missing (for example --goal shape=square,spokes=yes)' })
    .waitFor();
});

test('Cancel keeps the finished runs, the command line’s runs of the same numbers', async () => {
  const long = {
    ...small,
    'Population (--population)': '10',
    'Strictness (--strictness)': '1',
  };
  long['Runs per condition (--runs)'] = '100000';
  long['Most clicks per run (--max-clicks)'] = '3000';
  await fill(panel, long);
  await panel.getByRole('button', { name: 'Run', exact: true }).click();
  await panel
    .locator('#autoruns-progress-text')
    .filter({ hasText: /^([5-9]|\d\d+) of/ })
    .waitFor();
  // The page plays on meanwhile: a shot changes the organism table.
  const before = await page.locator('.grid-body').textContent();
  await page.getByRole('button', { name: 'Kill', exact: true }).click();
  assert.notEqual(await page.locator('.grid-body').textContent(), before);
  await panel.getByRole('button', { name: 'Cancel' }).click();
  await status(panel)
    .filter({ hasText: /^Cancelled after [\d.]+ s: \d+ of 100000 runs/ })
    .waitFor();
  const kept = (await exported(page, panel)).split('\r\n').slice(1, -1);
  assert.ok(kept.length >= 5, `${kept.length} runs kept`);
  const numbers = kept.map((line) => Number(line.split(',')[0]));
  assert.deepEqual(
    numbers,
    [...numbers].sort((a, b) => a - b),
  );
  // Two workers take 32 shares each, share K being runs K, K + 64, ...: only the
  // shares the kept runs came from are played natively, since the whole range up to
  // the last kept number is tens of thousands of runs under the sanitizers.
  const shares = 64;
  const native = new Map();
  const upTo = String(numbers.at(-1));
  for (const share of new Set(numbers.map((n) => ((n - 1) % shares) + 1))) {
    const csv = nativeCsv({ ...long, 'Runs per condition (--runs)': upTo }, [
      '--shard',
      `${share}/${shares}`,
    ]);
    for (const line of csv.split('\r\n')) native.set(line.split(',')[0], line);
  }
  for (const line of kept) assert.equal(line, native.get(line.split(',')[0]));
});

test('axe-core finds nothing on the panel with its results', async () => {
  await addAxe(page);
  const violations = await page.evaluate(async () => {
    const result = await window.axe.run('#autoruns', {
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] },
    });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
  });
  assert.deepEqual(violations, [], 'axe-core on the panel');
  await context.close();
});

test('the single file from a disk starts its workers from inlined code', async () => {
  const disk = await browser.newContext({ acceptDownloads: true });
  const page = await disk.newPage();
  page.on('pageerror', (error) => errors.push(error.message));
  const panel = await openPanel(page, pathToFileURL(path.join(built, 'vantrel.html')).href, 2);
  assert.equal(await sweep(page, panel, small, 2), expected, 'the single file');
  await disk.close();
});

test('no page made an error', () => {
  assert.deepEqual(errors, []);
});
