// SPDX-License-Identifier: GPL-3.0-or-later
// The page for every hand, in English, Dutch and German: axe-core (WCAG 2.0, 2.1 and 2.2
// A and AA, and its best practices, with label-in-name) finds nothing on the main page,
// with the advanced options, the population view, the family tree, the lab notebook with
// what the learner learned, the chances shown and Judge like me playing, its automatic
// runs after a sweep, and under every dialog; every control is a target of
// at least 24 x 24 pixels there (links in running text excepted); a button that turns
// itself off hands the focus on (Undo to Redo and back, Run to Cancel and back, Reached
// to Export runs) instead of dropping it on the body. On a touch tablet the buttons are
// 44 pixels high, and in portrait an open panel leaves the organism, Feed and Kill on
// the screen.
//
//   node access_test.mjs SITE
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import path from 'node:path';
import { addAxe, launchBrowser } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const site = path.resolve(process.argv[2]);
// One browser for every case, each in a context of its own.
let server, address, browser;

before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  server?.close();
  console.log('access_test: axe-core in three languages, targets, focus, touch, portrait');
});

// Controls found by what does not change with the language.
const stageButton = (page, row, at) =>
  page.locator('.stage .buttons').nth(row).locator('button').nth(at);
const byKeys = (page, keys) => page.locator(`button[aria-keyshortcuts^="${keys}"]`);
const autoRuns = (page) => page.locator('#autoruns');

// axe-core over the page; every violation with the elements it names.
async function axeViolations(page) {
  await addAxe(page);
  return page.evaluate(async () => {
    // The tags' rules, and label-in-name, which axe-core counts as experimental.
    const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];
    const rules = window.axe.getRules(tags).map((rule) => rule.ruleId);
    const result = await window.axe.run(document, {
      runOnly: {
        type: 'rule',
        values: [...rules, 'label-content-name-mismatch'],
      },
    });
    const ran = [...result.passes, ...result.violations, ...result.inapplicable].map(
      (rule) => rule.id,
    );
    if (!ran.includes('label-content-name-mismatch')) return ['label-in-name was not checked'];
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
  });
}

// Every control in sight smaller than `least` pixels across or high (`high`: only the
// height), with its box; a link inside running text is excepted.
function smallTargets(page, least, selector, high = false) {
  return page.evaluate(
    ([least, selector, high]) =>
      [...document.querySelectorAll(selector)]
        .filter((element) => element.checkVisibility({ visibilityProperty: true }))
        .filter((element) => element.getClientRects().length > 0)
        .filter((element) => {
          if (element.localName !== 'a') return true;
          const around = element.parentElement?.textContent ?? '';
          return around.trim() === element.textContent.trim();
        })
        .map((element) => ({ element, box: element.getBoundingClientRect() }))
        // What a scroller has moved out of its view is measured where it is shown.
        .filter(({ box }) => box.width > 2 && box.height > 2)
        .filter(({ box }) => box.height < least || (!high && box.width < least))
        .map(
          ({ element, box }) =>
            `${element.localName}.${element.className} "${element.textContent.trim().slice(0, 20)}"` +
            ` ${box.width.toFixed(1)} x ${box.height.toFixed(1)}`,
        ),
    [least, selector, high],
  );
}
const kControls =
  'button, select, input:not([type="hidden"]), textarea, summary, a[href], [role="tab"], ' +
  '[role="option"], [role="menuitem"], [tabindex="0"]';

// Whatever has the focus, named by its keys or its id.
const focused = (page) =>
  page.evaluate(() => {
    const element = document.activeElement;
    return element?.getAttribute('aria-keyshortcuts') || element?.id || element?.localName;
  });

// A dialog the page shows: waited for, then closed with Escape.
const dialogState = (name, show) => ({
  name,
  dialog: true,
  async enter(page) {
    await show(page);
    await page.locator('dialog[open]').waitFor();
  },
  // Left only once closed: a key sent while it still closes would reach the dialog.
  async leave(page) {
    await page.keyboard.press('Escape');
    await page.locator('dialog[open]').waitFor({ state: 'detached' });
  },
});

// A runs file of three runs by hand, as the notebook exports them.
const kRunsFile = [
  'run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,' +
    'first_match_click,stable_click,reached_by,pupil,lesson',
  '1,hand,2026-12-09T12:00:00Z,10,10,1,is a square.,3,20,23,12,18,,Anna,',
  '2,hand,2026-12-09T12:01:00Z,10,10,1,is a square.,4,30,34,20,30,,Anna,',
  '3,hand,2026-12-09T12:02:00Z,10,10,1,is a square.,2,15,17,9,14,,Ben,',
  '',
].join('\r\n');

// The page's states in the order a user might meet them; each enters from the one before.
const states = [
  { name: 'the start', async enter() {} },
  {
    name: 'the advanced options',
    enter: (page) => page.locator('.advanced-button').click(),
  },
  dialogState('the idea', (page) => stageButton(page, 0, 1).click()),
  dialogState('the experiments help', (page) => stageButton(page, 0, 2).click()),
  dialogState('the share dialog', (page) =>
    page.locator('#advanced .buttons button').nth(2).click(),
  ),
  dialogState('the lesson dialog with its QR code', async (page) => {
    await page.locator('#lesson-prepare').click();
    await page.locator('dialog[open] svg.lesson-qr').waitFor();
  }),
  dialogState('the restore answer', (page) => byKeys(page, 'Alt+Shift+R').click()),
  dialogState('a file message', (page) =>
    page.locator('input[type="file"]').setInputFiles({
      name: 'empty.str',
      mimeType: 'text/plain',
      buffer: Buffer.from(' A # B #\r\n'),
    }),
  ),
  dialogState('the picture file dialog', async (page) => {
    // The dialog closed just before hands the focus back a moment later, which can take it
    // from the picture after the test gave it: the key is sent again until the menu opens.
    const item = page.locator('[role="menuitem"]').nth(1);
    for (let tries = 0; tries < 5 && !(await item.isVisible()); tries += 1) {
      await page.locator('canvas.picture').focus();
      await page.keyboard.press('Shift+F10');
      await item.waitFor({ timeout: 2000 }).catch(() => {});
    }
    await item.click();
  }),
  {
    name: 'the population view',
    async enter(page) {
      await page.keyboard.press('g');
      await page.locator('.population-content [role="option"]').first().waitFor();
    },
  },
  {
    name: 'the family tree',
    async enter(page) {
      await page.locator('h1').click();
      await page.keyboard.press('t');
      await page.locator('.tree-card').first().waitFor();
    },
  },
  {
    name: 'the lab notebook',
    async enter(page) {
      await page.locator('h1').click();
      await page.keyboard.press('l');
      await page.locator('.notebook:not([hidden])').waitFor();
    },
  },
  {
    name: 'what the learner learned, with the chances shown',
    async enter(page) {
      await page.keyboard.press('f');
      await page.keyboard.press('s');
      await page.locator('#learner-chances').click();
      await page.locator('#organism-chance:not([hidden])').waitFor();
    },
  },
  {
    name: 'Judge like me playing',
    async enter(page) {
      await page.locator('#learner-judge-clicks').fill('10000');
      await page.locator('#learner-judge-pace').fill('2');
      await page.locator('#learner-judge').click();
      await page.locator('#learner-cancel:not([disabled])').waitFor();
    },
    // Escape stops it before it closes any panel.
    async leave(page) {
      await page.keyboard.press('Escape');
      await page.locator('#learner-judge:not([disabled])').waitFor();
      await page.locator('.notebook:not([hidden])').waitFor();
    },
  },
  dialogState('the class results of two files, one no runs file', async (page) => {
    await page.locator('#class-results-open').click();
    await page.locator('dialog[open] input[type="file"]').setInputFiles([
      { name: 'runs.csv', mimeType: 'text/csv', buffer: Buffer.from(kRunsFile) },
      { name: 'notes.txt', mimeType: 'text/plain', buffer: Buffer.from('notes\n') },
    ]);
    await page.locator('dialog[open] .class-skipped').waitFor();
  }),
  {
    name: 'the automatic runs after a sweep',
    async enter(page) {
      await page.locator('#autoruns-open').click();
      await autoRuns(page).locator('textarea').fill('shape=square');
      const inputs = autoRuns(page).locator('fieldset input');
      await inputs.nth(0).fill('10'); // --population
      await inputs.nth(4).fill('100000'); // --runs
      await inputs.nth(5).fill('3000'); // --max-clicks
      const [run, cancel] = [0, 1].map((at) => autoRuns(page).locator('.buttons button').nth(at));
      await run.waitFor();
      await page.waitForFunction(
        () => !document.querySelector('#autoruns .buttons button')?.disabled,
      );
      // Run hands the focus to Cancel, Cancel back to Run.
      await run.focus();
      await page.keyboard.press('Enter');
      assert.equal(
        await cancel.evaluate((e) => e === document.activeElement),
        true,
        'Run to Cancel',
      );
      await page
        .locator('#autoruns-progress-text')
        .filter({ hasText: /^[1-9]/ })
        .waitFor();
      await page.keyboard.press('Enter');
      await page.locator('#autoruns[data-finished]').waitFor();
      assert.equal(await run.evaluate((e) => e === document.activeElement), true, 'Cancel to Run');
    },
  },
];

// The page in language `code` through every state, each a subtest of `t`: axe-core and
// the targets' sizes.
async function everyState(code, t) {
  const context = await browser.newContext({
    viewport: { width: 1280, height: 800 },
  });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(`${address}?lang=${code}`);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  const found = {};
  for (const state of states) {
    await t.test(state.name, async () => {
      await state.enter(page);
      try {
        const violations = await axeViolations(page);
        const small = await smallTargets(page, 24, kControls);
        found[state.name] = violations.length;
        assert.deepEqual(violations, [], `axe-core, ${code}, ${state.name}`);
        assert.deepEqual(small, [], `targets under 24 pixels, ${code}, ${state.name}`);
      } finally {
        if (state.leave) await state.leave(page);
      }
    });
  }
  assert.deepEqual(errors, []);
  await context.close();
  return found;
}

// axe-core and the targets in every language and state.
for (const code of ['en', 'nl', 'de']) {
  test(`axe-core finds nothing and no target is under 24 pixels in every state, ${code}`, async (t) => {
    const found = await everyState(code, t);
    console.log(`${code}: ${Object.keys(found).length} states, axe-core violations`, found);
  });
}

// Buttons that turn themselves off hand the focus on.
test('buttons that turn themselves off hand the focus on', async () => {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(address);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  await page.locator('.advanced-button').click();
  await page.keyboard.press('s');
  for (const [from, to] of [
    ['Control+Z', 'Control+Shift+Z Control+Y'],
    ['Control+Shift+Z', 'Control+Z'],
  ]) {
    await byKeys(page, from).focus();
    await page.keyboard.press('Enter');
    assert.equal(await focused(page), to, `${from} hands the focus on`);
  }
  // Reached, once said, to Export runs: a goal from an idea, a click, then Reached.
  await stageButton(page, 0, 1).click();
  await page.keyboard.press('Enter');
  await page.keyboard.press('f');
  await page.keyboard.press('l');
  await byKeys(page, 'R').focus();
  await page.keyboard.press('Enter');
  assert.equal(await focused(page), 'Control+E', 'Reached hands the focus on');
  await context.close();
});

// A touch tablet: 44-pixel buttons, and in portrait every panel leaves the organism,
// Feed and Kill on the screen, itself beside them.
for (const [width, height] of [
  [810, 1080],
  [768, 1024],
]) {
  test(`a ${width} x ${height} touch tablet: 44-pixel buttons, every panel leaves the organism in sight`, async (t) => {
    const context = await browser.newContext({
      viewport: { width, height },
      hasTouch: true,
      isMobile: true,
    });
    const page = await context.newPage();
    await page.goto(address);
    await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
    assert.equal(await page.evaluate(() => matchMedia('(pointer: coarse)').matches), true);
    await page.locator('.advanced-button').click();
    assert.deepEqual(await smallTargets(page, 44, 'button, select', true), [], 'touch buttons');
    assert.deepEqual(await smallTargets(page, 24, kControls), [], 'touch targets');
    // Each panel with the advanced options shown, then hidden.
    for (const [key, panel, advanced] of [
      ['g', '.population', true],
      ['t', '.family-tree', true],
      ['l', '.notebook', true],
      ['g', '.population', false],
      ['t', '.family-tree', false],
      ['l', '.notebook', false],
    ]) {
      await t.test(`${panel}, advanced ${advanced}`, async () => {
        const shown = await page.locator('.advanced-button').getAttribute('aria-expanded');
        if (shown !== String(advanced)) await page.locator('.advanced-button').click();
        await page.locator('h1').click();
        await page.keyboard.press(key);
        await page.locator(`${panel}:not([hidden])`).waitFor();
        await page.waitForTimeout(100);
        const boxes = await page.evaluate((panel) => {
          const box = (element) => {
            const { top, bottom } = element.getBoundingClientRect();
            return { top: Math.round(top), bottom: Math.round(bottom) };
          };
          return {
            screen: innerHeight,
            picture: box(document.querySelector('canvas.picture')),
            feed: box(document.querySelector('button[aria-keyshortcuts="F"]')),
            kill: box(document.querySelector('button[aria-keyshortcuts="S"]')),
            panel: box(document.querySelector(panel)),
          };
        }, panel);
        for (const part of ['picture', 'feed', 'kill']) {
          const { top, bottom } = boxes[part];
          assert.ok(
            top >= 0 && bottom <= boxes.screen,
            `${width}: ${part} in sight with ${panel}, advanced ${advanced}`,
          );
        }
        assert.ok(
          boxes.panel.top < boxes.screen - 300 && boxes.panel.bottom <= boxes.screen,
          `${width}: ${panel} in sight, advanced ${advanced}: ${JSON.stringify(boxes)}`,
        );
        assert.deepEqual(await smallTargets(page, 24, kControls), [], `${panel} touch targets`);
        await page.keyboard.press('Escape');
      });
    }
    await context.close();
  });
}
