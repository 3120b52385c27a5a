// SPDX-License-Identifier: GPL-3.0-or-later
// "What you select for" on the built page in the system's Chromium, driven by the keyboard
// alone, against the same engine in Node playing the same clicks from the same moment:
// the learner's words and its prediction follow each feed and shot and say what the
// engine says; the chances of being kept show on the big picture and in the population
// view on request and go again; "Judge like me" plays its clicks at the pace asked for,
// visibly, as one step for undo, counted apart from the user's; Cancel and Escape stop it
// early.
//
//   node learner_test.mjs SITE MODULE
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import path from 'node:path';
import { launchBrowser, openFixedPage } from './browser.mjs';
import { loadEngineModule } from './load_module.mjs';
import { serveSite } from './serve_site.mjs';

const [site, modulePath] = process.argv.slice(2).map((p) => path.resolve(p));
const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);
let server, address, browser, vantrel;

before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
  vantrel = await loadEngineModule(modulePath);
});

after(async () => {
  await browser?.close();
  server?.close();
});

// The engine in Node after the keys `clicks` (f feeds, s shoots) from the page's moment.
function engineAfter(clicks) {
  const engine = new vantrel.Engine(noon);
  for (const key of clicks) {
    if (key === 'f') engine.feed();
    else engine.shoot();
  }
  return engine;
}

// Presses Tab until the element `id` has the focus (at most 80 times), then `key`.
async function tabTo(page, id, key = 'Enter') {
  for (let i = 0; i < 80; i += 1) {
    if (await page.evaluate((id) => document.activeElement?.id === id, id)) {
      if (key) await page.keyboard.press(key);
      return;
    }
    await page.keyboard.press('Tab');
  }
  assert.fail(`Tab never reached #${id}`);
}

// The page with the notebook open by its key, after the keys `clicks`.
async function notebookAfter(clicks) {
  const opened = await openFixedPage(browser, address, noon);
  const { page } = opened;
  await page.locator('h1').click();
  for (const key of clicks) await page.keyboard.press(key);
  await page.keyboard.press('l');
  await page.locator('.notebook:not([hidden]) #learner-title').waitFor();
  return opened;
}

// What "What you select for" shows; with `key`, right after the page has handled that key,
// in the same task, before any frame is drawn.
const shown = (page, key = '') =>
  page.evaluate((key) => {
    if (key) document.body.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true }));
    const text = (selector) => document.querySelector(selector)?.textContent ?? '';
    return {
      traits: [...document.querySelectorAll('.learner-traits li:not(.learner-nothing)')].map(
        (item) => item.firstChild.textContent,
      ),
      accuracy: document.querySelector('.learner-accuracy').hidden ? '' : text('.learner-accuracy'),
      clicks: text('.learner-clicks'),
      spoken: text('#learner-spoken'),
      nothing: text('.learner-nothing'),
    };
  }, key);

// The table as the grid shows it: its rows and the selected organism's cells (only the
// rows in view are in the page).
const tableShown = (page) =>
  page.evaluate(() => {
    const grid = document.querySelector('[role="grid"]');
    const selected = grid.querySelector('[aria-selected="true"]');
    return `${grid.getAttribute('aria-rowcount')}: ${selected?.textContent ?? ''}`;
  });

// The engine's learner as the page should show it.
function expected(engine) {
  const learner = engine.learner();
  const traits = learner.traits.map((trait) => trait.text);
  return {
    traits,
    accuracy: learner.accuracy,
    clicks: learner.clicksText,
    spoken: [...traits, learner.accuracy].filter(Boolean).join('; '),
    nothing: traits.length === 0 ? vantrel.learnerTexts().nothingLearned : '',
  };
}

const kWordCases = [
  { name: 'before any click', clicks: '' },
  { name: 'after one shot', clicks: 's' },
  { name: 'after feeds and shots', clicks: 'ffsfssfsffssf' },
  { name: 'after many shots', clicks: 'ssssssssssssssssssssssss' },
];

for (const { name, clicks } of kWordCases) {
  test(`the learner's words and prediction ${name} are the engine's`, async () => {
    const { context, page, errors } = await notebookAfter(clicks);
    const engine = engineAfter(clicks);
    assert.deepEqual(await shown(page), expected(engine));
    if (clicks.length > 0) assert.notEqual((await shown(page)).accuracy, '');
    // One more click, made with the notebook open, shows in the frame that shows the click.
    engine.feed();
    assert.deepEqual(await shown(page, 'f'), expected(engine), 'the click the notebook saw');
    // Forget what it learned, by the keyboard: nothing learned, no prediction.
    await tabTo(page, 'learner-reset');
    const reset = await shown(page);
    assert.equal(reset.accuracy, '');
    assert.deepEqual(reset.traits, []);
    assert.equal(reset.nothing, vantrel.learnerTexts().nothingLearned);
    engine.delete();
    assert.deepEqual(errors, []);
    await context.close();
  });
}

test('the chances of being kept show on the big picture and in the population view on request', async () => {
  const clicks = 'ffssfsfsfs';
  const { context, page, errors } = await notebookAfter(clicks);
  const engine = engineAfter(clicks);
  const badge = page.locator('#organism-chance');
  const option = (row) => page.locator(`#picture-${String(row)}`);
  assert.equal(await badge.isHidden(), true, 'hidden until asked for');
  // Each state of the toggle, twice on and off, by the keyboard: the button, then its key.
  for (const [on, byKey] of [
    [true, false],
    [false, true],
    [true, true],
  ]) {
    if (byKey) await page.keyboard.press('k');
    else await tabTo(page, 'learner-chances');
    assert.equal(await page.locator('#learner-chances').getAttribute('aria-pressed'), String(on));
    const selected = engine.selectedRow();
    const words = engine.chanceKeptText(selected);
    assert.match(words, /^\d{1,3}% kept$/);
    assert.equal(await badge.isVisible(), on);
    if (on) assert.equal(await badge.textContent(), words);
    const label = await page.locator('canvas.picture').getAttribute('aria-label');
    assert.equal(label.endsWith(words), on, label);
  }
  // The population view names each organism with its chance.
  await page.keyboard.press('g');
  await option(1).waitFor();
  for (const row of [1, 2, 3]) {
    const label = await option(row).getAttribute('aria-label');
    assert.equal(label, `${engine.tooltip(row)} ${engine.chanceKeptText(row)}`);
  }
  // A shot with the chances shown: the new organism's chance comes with it.
  await page.keyboard.press('s');
  engine.shoot();
  assert.equal(await badge.textContent(), engine.chanceKeptText(engine.selectedRow()));
  // J brings the number of clicks to judge to hand.
  await page.keyboard.press('j');
  assert.equal(await page.evaluate(() => document.activeElement?.id), 'learner-judge-clicks');
  // The page made again in another language keeps them shown, in its words.
  const chance = Math.round(100 * engine.chanceKept(engine.selectedRow()));
  await page.getByRole('combobox', { name: 'Language' }).selectOption('nl');
  await badge.filter({ hasText: `${String(chance)}% gehouden` }).waitFor();
  assert.equal(await page.locator('#learner-chances').getAttribute('aria-pressed'), 'true');
  engine.delete();
  assert.deepEqual(errors, []);
  await context.close();
});

// The clicks and pace typed in, then "Judge like me" by the keyboard; `stop` says how it
// ends: by itself, Cancel (Enter on it, where the focus went) or Escape.
const kJudgeCases = [
  {
    name: 'plays its clicks at its pace',
    clicks: 12,
    pace: 30,
    stop: 'none',
    least: 300,
  },
  {
    name: 'plays slowly enough to watch',
    clicks: 6,
    pace: 8,
    stop: 'none',
    least: 600,
  },
  { name: 'stops early on Cancel', clicks: 1000, pace: 20, stop: 'Enter' },
  { name: 'stops early on Escape', clicks: 1000, pace: 20, stop: 'Escape' },
  // Back in the pace box (Judge like me is off while it plays), where the page's keys are quiet.
  {
    name: 'stops early on Escape in a box',
    clicks: 1000,
    pace: 20,
    stop: 'Shift+Tab Escape',
    focus: 'learner-judge-pace',
  },
];

for (const { name, clicks, pace, stop, least, focus = 'learner-judge' } of kJudgeCases) {
  test(`Judge like me ${name}, as one step for undo`, async () => {
    const { context, page, errors } = await notebookAfter('ffssfs');
    const progress = page.locator('#learner-progress');
    const rowsBefore = await tableShown(page);
    const before = expected(engineAfter('ffssfs'));
    await tabTo(page, 'learner-judge-clicks', '');
    await page.keyboard.press('Control+A');
    await page.keyboard.type(String(clicks));
    await page.keyboard.press('Tab');
    await page.keyboard.press('Control+A');
    await page.keyboard.type(String(pace));
    const started = Date.now();
    await page.keyboard.press('Enter');
    // Playing: Cancel has the focus, and the table follows part of the way.
    assert.equal(await page.evaluate(() => document.activeElement?.id), 'learner-cancel');
    await progress.filter({ hasText: /^Judged [1-9]\d* of / }).waitFor();
    const partway = await progress.textContent();
    assert.notEqual(partway, `Judged ${String(clicks)} of ${String(clicks)} clicks`);
    if (stop === 'none') {
      await progress.filter({ hasText: `Judged ${String(clicks)} of` }).waitFor();
    } else {
      await page.waitForTimeout(300);
      for (const key of stop.split(' ')) await page.keyboard.press(key);
    }
    await page.locator('#learner-judge:not([disabled])').waitFor();
    const took = Date.now() - started;
    if (least)
      assert.ok(took >= least, `${String(clicks)} clicks at ${String(pace)}/s in ${took} ms`);
    assert.equal(await page.evaluate(() => document.activeElement?.id), focus);
    const made = Number((await progress.textContent()).match(/^Judged (\d+)/)[1]);
    if (stop === 'none') assert.equal(made, clicks);
    else assert.ok(made > 0 && made < clicks, `stopped after ${String(made)}`);
    // The learner's clicks counted apart from the user's six, its words unchanged.
    const after = await shown(page);
    assert.equal(after.clicks, `Your clicks: 6 · Clicks of the learner: ${String(made)}`);
    assert.deepEqual(after.traits, before.traits);
    assert.notEqual(await tableShown(page), rowsBefore);
    // One undo takes every one of its clicks back.
    await page.locator('h2#notebook-title').focus();
    await page.keyboard.press('Control+Z');
    assert.equal((await shown(page)).clicks, 'Your clicks: 6 · Clicks of the learner: 0');
    assert.equal(await tableShown(page), rowsBefore);
    await page.keyboard.press('Control+Shift+Z');
    assert.equal(
      (await shown(page)).clicks,
      `Your clicks: 6 · Clicks of the learner: ${String(made)}`,
    );
    assert.deepEqual(errors, []);
    await context.close();
  });
}
