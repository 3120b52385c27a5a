// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons and class results in the system's Chromium. A lesson link opened at two moments
// gives the founders the engine gives for the lesson, its parameters read-only, its
// experiment's help, its title as text and its worksheet for print; damaged and foreign
// links say so and the page starts without them; the teacher's dialog makes a link and a
// QR code that reads back as the link and opens the lesson it describes; the pupil's name
// names the exported runs; three files pooled, one of them no runs file, show the engine's
// summary and plot, name the bad file, and save.
//
//   node lesson_test.mjs SITE MODULE
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { deflateRawSync, inflateRawSync } from 'node:zlib';
import { createRequire } from 'node:module';
import { collectErrors, launchBrowser } from './browser.mjs';
import { loadEngineModule } from './load_module.mjs';
import { serveSite } from './serve_site.mjs';

const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { default: decodeQR } = require('@paulmillr/qr/decode.js');

const [site, modulePath] = process.argv.slice(2).map((p) => path.resolve(p));
const vantrel = await loadEngineModule(modulePath);
const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);

const lesson = vantrel.lessonText({
  title: '<b onmouseover=alert(1)>Drift</b>',
  startSeconds: 10 * 3600 + 20 * 60 + 30,
  parameters: [12, 20, 2],
  goal: 'color=red,shape=square',
  experiment: 4,
  lockParameters: true,
}).text;
const fragment = (text) => vantrel.lessonFragment(deflateRawSync(Buffer.from(text)));

let server;
let address;
let browser;
before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  server?.close();
});

// A tab at `moment` on `link`, once the page is made: a lesson's help or message may still
// hold its start.
async function openFixedPage(browser, link, moment) {
  const context = await browser.newContext({
    timezoneId: 'UTC',
    acceptDownloads: true,
  });
  const page = await context.newPage();
  const errors = [];
  collectErrors(page, errors);
  await page.clock.setFixedTime(moment);
  await page.goto(link);
  await page.locator('main [role="grid"]').waitFor({ state: 'attached' });
  return { page, errors };
}

async function download(page, act) {
  const [file] = await Promise.all([page.waitForEvent('download'), act()]);
  return {
    name: file.suggestedFilename(),
    bytes: readFileSync(await file.path()),
  };
}

// The page's table bytes through Save.
async function savedTable(page) {
  await page.locator('.advanced-button').click();
  const saved = await download(page, () => page.getByRole('button', { name: 'Save' }).click());
  await page.locator('.advanced-button').click();
  return saved.bytes;
}

const parameterBoxes = (page) =>
  page
    .locator('.parameters input')
    .evaluateAll((boxes) => boxes.map((box) => ({ value: box.value, readOnly: box.readOnly })));

test('a lesson link opens the same founders at any moment, locked, with its help and title', async () => {
  const engine = new vantrel.Engine(noon);
  assert.equal(engine.openLesson(lesson).opened, true);
  const founders = Buffer.from(engine.tableBytes());
  engine.delete();
  for (const moment of [noon, noon + 5 * 3600_000 + 1234]) {
    const { page, errors } = await openFixedPage(browser, `${address}${fragment(lesson)}`, moment);
    // The experiment's help opens on the lesson's experiment.
    await page.locator('#experiment-tab-4[aria-selected="true"]').waitFor();
    await page.keyboard.press('Escape');
    await page.locator('dialog[open]').waitFor({ state: 'detached' });
    assert.equal(
      await page.locator('.lesson-title').textContent(),
      '<b onmouseover=alert(1)>Drift</b>',
    );
    assert.equal(await page.locator('.lesson-title b').count(), 0);
    assert.deepEqual(await parameterBoxes(page), [
      { value: '12', readOnly: true },
      { value: '20', readOnly: true },
      { value: '2', readOnly: true },
    ]);
    assert.ok(!page.url().includes('#'), 'the fragment is taken off the address');
    assert.deepEqual(await savedTable(page), founders, `founders at ${moment}`);
    // The worksheet, printed, is the only thing on the page: the title as text, the goal's
    // sentence, experiment 4's steps and questions, a row to write each run's counts in.
    await page.keyboard.press('l');
    await page.evaluate(() => (window.print = () => undefined));
    await page.getByRole('button', { name: 'Print worksheet' }).click();
    await page.emulateMedia({ media: 'print' });
    assert.equal(await page.locator('main').isVisible(), false);
    const sheet = page.locator('.worksheet');
    assert.equal(await sheet.locator('h1').textContent(), '<b onmouseover=alert(1)>Drift</b>');
    assert.equal(await sheet.locator('h2').nth(1).textContent(), 'Exp 4');
    assert.equal(await sheet.locator('p').first().textContent(), 'a red square');
    const parts = vantrel.worksheet(4);
    assert.deepEqual(
      await sheet.locator('ol').first().locator('li').allTextContents(),
      parts.steps,
    );
    assert.equal(await sheet.locator('ol').last().locator('li').count(), parts.questions.length);
    assert.deepEqual(await sheet.locator('thead th').allTextContents(), parts.countColumns);
    assert.equal(await sheet.locator('tbody tr').count(), 6);
    await page.emulateMedia({ media: 'screen' });
    assert.equal(await sheet.isVisible(), false);
    assert.deepEqual(errors, []);
    await page.context().close();
  }
});

test('a lesson comes back with its title and locked parameters when its run is restored', async () => {
  const { page, errors } = await openFixedPage(browser, `${address}${fragment(lesson)}`, noon);
  await page.locator('#experiment-tab-4[aria-selected="true"]').waitFor();
  await page.keyboard.press('Escape');
  for (const key of ['s', 's', 'f']) await page.keyboard.press(key);
  await page.waitForTimeout(1000); // the journal writes when the page is idle
  // A reload starts without the lesson (the address lost its fragment); Alt+Shift+R
  // restores the run before it, the lesson with it.
  await page.reload();
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  assert.equal(await page.locator('.lesson-title').isVisible(), false);
  assert.equal((await parameterBoxes(page))[0].readOnly, false);
  await page.keyboard.press('Alt+Shift+R');
  await page.locator('.lesson-title:visible').waitFor();
  assert.equal(
    await page.locator('.lesson-title').textContent(),
    '<b onmouseover=alert(1)>Drift</b>',
  );
  assert.deepEqual(await parameterBoxes(page), [
    { value: '12', readOnly: true },
    { value: '20', readOnly: true },
    { value: '2', readOnly: true },
  ]);
  assert.deepEqual(errors, []);
  await page.context().close();
});

test('a lesson whose goal names an unknown word says so and opens without that goal', async () => {
  const plaid = lesson.replace('goal color=red,shape=square', 'goal color=plaid,shape=square');
  assert.notEqual(plaid, lesson);
  const { page, errors } = await openFixedPage(browser, `${address}${fragment(plaid)}`, noon);
  const message = page.locator('dialog[open] .message');
  await message.waitFor();
  assert.match(await message.textContent(), /'plaid'/);
  await page.keyboard.press('Escape');
  // The lesson is open (its title, its locked parameters), its run without a goal.
  await page.locator('#experiment-tab-4[aria-selected="true"]').waitFor();
  await page.keyboard.press('Escape');
  assert.equal(
    await page.locator('.lesson-title').textContent(),
    '<b onmouseover=alert(1)>Drift</b>',
  );
  assert.equal((await parameterBoxes(page))[0].readOnly, true);
  await page.keyboard.press('l');
  assert.match(await page.locator('.notebook-goal').textContent(), /^No goal/);
  assert.deepEqual(errors, []);
  await page.context().close();
});

test('damaged and foreign lesson links say so and the page starts without them', async () => {
  const population = Buffer.from('vantrel-population 1\n10 10 1\n');
  const whole = fragment(lesson);
  for (const damaged of [
    '#lesson=@@@',
    `#lesson=${deflateRawSync(population).toString('base64url')}`,
    whole.slice(0, -12),
    `#lesson=${deflateRawSync(Buffer.from(lesson.replace('time', 'tim'))).toString('base64url')}`,
    `#lesson=${'A'.repeat(9000)}`,
  ]) {
    const { page, errors } = await openFixedPage(browser, `${address}${damaged}`, noon);
    const message = page.locator('dialog[open] .message');
    assert.equal(await message.textContent(), vantrel.notALessonMessage(), damaged.slice(0, 40));
    await page.keyboard.press('Enter');
    assert.equal(await page.locator('.lesson-title').isHidden(), true);
    assert.equal(
      (await parameterBoxes(page)).some((box) => box.readOnly),
      false,
    );
    await page.keyboard.press('s');
    assert.deepEqual(errors, []);
    await page.context().close();
  }
});

test("the teacher's dialog gives a link and QR code that open the lesson it describes", async () => {
  const { page, errors } = await openFixedPage(browser, address, noon);
  await page.locator('.advanced-button').click();
  await page.getByRole('button', { name: 'Prepare a lesson…' }).click();
  const dialog = page.locator('dialog[open]');
  // An idea drawn as the goal: its words fill the goal's choices, read back as a sentence.
  await dialog.getByRole('button', { name: 'Idea' }).click();
  const drawn = await dialog
    .locator('fieldset select')
    .evaluateAll((selects) =>
      selects
        .filter((s) => s.value)
        .map((s) => `${s.closest('label').querySelector('span').textContent}=${s.value}`),
    );
  assert.ok(drawn.length > 0, 'the idea judges some words');
  await dialog
    .locator('.lesson-goal-sentence')
    .filter({ hasText: vantrel.goalSentence(drawn.join(',')) })
    .waitFor();
  for (const select of await dialog.locator('fieldset select').all()) await select.selectOption('');
  await dialog.getByLabel('Title').fill('Small populations drift');
  await dialog.getByLabel('Start (time of day, UTC)').fill('10:20:30');
  await dialog.getByLabel('shape').selectOption('square');
  await dialog.getByLabel('Experiment help opened first').selectOption('2');
  await dialog.getByLabel('Lock parameters').check();
  await dialog.locator('svg.lesson-qr path').waitFor();
  const expected =
    'vantrel-lesson 1\ntime 10:20:30\nparameters 10 10 1\ngoal shape=square\nexperiment 2\n' +
    'lock parameters\ntitle Small populations drift\n';
  // The link is compressed as the page goes on, so it follows the last choice a moment later.
  let link, text;
  for (const began = Date.now(); text !== expected && Date.now() - began < 5000;) {
    link = await dialog.getByLabel('Link', { exact: true }).inputValue();
    assert.ok(link.startsWith(`${address}#lesson=`), link);
    text = inflateRawSync(Buffer.from(vantrel.lessonLinkBytes(link))).toString();
  }
  assert.equal(text, expected);
  // The QR code is drawn large: a projector's back row reads modules of several pixels.
  const side = await dialog
    .locator('svg.lesson-qr')
    .evaluate((svg) => svg.getBoundingClientRect().width);
  assert.ok(side >= 300, `QR code ${side} pixels wide`);
  // The QR code read back, from its pixels as the page draws them, is the link.
  const pixels = await dialog.locator('svg.lesson-qr').evaluate(async (svg) => {
    const picture = new Image();
    picture.src = `data:image/svg+xml,${encodeURIComponent(new XMLSerializer().serializeToString(svg))}`;
    await picture.decode();
    const canvas = new OffscreenCanvas(400, 400);
    const context = canvas.getContext('2d');
    context.drawImage(picture, 0, 0, 400, 400);
    return [...context.getImageData(0, 0, 400, 400).data];
  });
  assert.equal(decodeQR({ width: 400, height: 400, data: Uint8Array.from(pixels) }), link);
  await page.keyboard.press('Escape');
  await page.context().close();

  const opened = await openFixedPage(browser, link, noon + 999_999);
  await opened.page.locator('#experiment-tab-2[aria-selected="true"]').waitFor();
  await opened.page.keyboard.press('Escape');
  assert.equal(await opened.page.locator('.lesson-title').textContent(), 'Small populations drift');
  assert.deepEqual(errors.concat(opened.errors), []);
  await opened.page.context().close();
});

// A pupil's runs file, as the notebook exports it: runs of the lesson by `pupil`.
function runsFile(pupil, shots) {
  const engine = new vantrel.Engine(noon);
  engine.setPupil(pupil);
  engine.openLesson(lesson);
  for (let run = 0; run < 4; ++run) {
    for (let i = 0; i < shots + run; ++i) engine.shoot();
    engine.newGenePool();
  }
  const csv = engine.runsCsv();
  engine.delete();
  return {
    name: `runs-${pupil}.csv`,
    mimeType: 'text/csv',
    buffer: Buffer.from(csv),
  };
}

test("the pupil's name names the runs, and three files pool into the engine's class results", async () => {
  const { page, errors } = await openFixedPage(browser, address, noon);
  await page.keyboard.press('l');
  await page.getByLabel('Name').fill('Anna');
  await page.keyboard.press('Tab');
  const exported = await download(page, () => page.keyboard.press('Control+e'));
  assert.equal(exported.name, 'runs-Anna.csv');
  assert.match(exported.bytes.toString(), /pupil,lesson\r\n.*,Anna,\r\n/);
  // The browser remembers the name, and the engine has it again after a reload.
  await page.reload();
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  await page.keyboard.press('l');
  assert.equal(await page.getByLabel('Name').inputValue(), 'Anna');
  const again = await download(page, () => page.keyboard.press('Control+e'));
  assert.equal(again.name, 'runs-Anna.csv');

  const files = [
    runsFile('Anna', 30),
    runsFile('Ben', 50),
    {
      name: 'notes.txt',
      mimeType: 'text/plain',
      buffer: Buffer.from('not runs\n'),
    },
  ];
  const pooled = new vantrel.ClassResults(files.map((f) => ({ name: f.name, bytes: f.buffer })));
  await page.getByRole('button', { name: 'Class results…' }).click();
  const dialog = page.locator('dialog[open]');
  await dialog.locator('input[type="file"]').setInputFiles(files);
  await dialog.locator('.class-summary').waitFor();
  assert.equal(await dialog.locator('.class-summary').textContent(), pooled.summary());
  assert.deepEqual(await dialog.locator('.class-skipped li').allTextContents(), pooled.skipped());
  assert.match(pooled.skipped().join('\n'), /notes\.txt/);
  assert.equal(await dialog.locator('svg.box-plot').count(), 1);
  const save = (name) => download(page, () => dialog.getByRole('button', { name }).click());
  assert.equal((await save('Save summary')).bytes.toString(), pooled.summary());
  assert.equal((await save('Save pooled runs')).bytes.toString(), pooled.pooledCsv());
  const workbook = await save('To spreadsheet');
  assert.equal(workbook.name, 'class-runs.xlsx');
  assert.equal(workbook.bytes.subarray(0, 2).toString(), 'PK');
  pooled.delete();
  assert.deepEqual(errors, []);
  await page.context().close();
});
