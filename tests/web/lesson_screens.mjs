// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the teacher's lesson dialog with its QR code and of a class's results (three
// pupils' runs files of one lesson and a file that is none), wide and phone-sized, and the
// worksheet of a lesson printed to PDF (A4, as Chromium prints it) and rendered to PNG by
// pdftoppm, for the documentation. Not a test; run by hand after scripts/web.sh --build.
//
//   node lesson_screens.mjs SITE MODULE FOLDER
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { deflateRawSync } from 'node:zlib';
import { launchBrowser } from './browser.mjs';
import { loadEngineModule } from './load_module.mjs';
import { serveSite } from './serve_site.mjs';

const [site, modulePath, folder] = process.argv.slice(2).map((p) => path.resolve(p));
const vantrel = await loadEngineModule(modulePath);
const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);

// Each pupil plays the lesson's goal for a few runs, the judge's clicks standing in for
// theirs: a runs file as the notebook exports it.
const { text: lesson } = vantrel.lessonText({
  title: 'Small populations drift',
  startSeconds: 10 * 3600 + 20 * 60 + 30,
  parameters: [10, 10, 1],
  goal: 'shape=square',
  experiment: 0,
  lockParameters: false,
});
function runsFile(pupil, seed) {
  const engine = new vantrel.Engine(noon + seed);
  engine.setPupil(pupil);
  engine.openLesson(lesson);
  const sweep = new vantrel.LabSweep([
    '--goal',
    'shape=square',
    '--population',
    '10,30',
    '--runs',
    '6',
    '--seed',
    String(seed),
  ]);
  const records = Array.from({ length: sweep.totalRuns() }, (_, i) => sweep.playRun(i + 1));
  engine.addRuns(vantrel.sweepCsv(records));
  sweep.delete();
  const csv = engine.runsCsv();
  engine.delete();
  return { name: `runs-${pupil}.csv`, mimeType: 'text/csv', buffer: Buffer.from(csv) };
}
const files = [
  runsFile('Anna', 1),
  runsFile('Ben', 2),
  runsFile('Chloé', 3),
  { name: 'holiday.jpg', mimeType: 'image/jpeg', buffer: Buffer.from([0xff, 0xd8, 0xff, 0xe0]) },
];

const { server, address } = await serveSite(site);
const browser = await launchBrowser();
try {
  for (const [width, height] of [
    [1280, 800],
    [390, 844],
  ]) {
    const page = await browser.newPage({ viewport: { width, height }, timezoneId: 'UTC' });
    await page.clock.setFixedTime(noon);
    await page.goto(address);
    await page.locator('main[aria-busy="false"] canvas.picture').waitFor();
    await page.locator('.advanced-button').click();
    await page.locator('#lesson-prepare').click();
    const dialog = page.locator('dialog[open]');
    await dialog.getByLabel('Title').fill('Small populations drift');
    await dialog.getByLabel('shape').selectOption('square');
    await dialog.getByLabel('Lock parameters').check();
    await dialog.locator('svg.lesson-qr path').waitFor();
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-lesson.png`) });
    await dialog.locator('svg.lesson-qr').scrollIntoViewIfNeeded();
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-lesson-qr.png`) });
    await page.keyboard.press('Escape');
    await page.locator('.advanced-button').click();
    await page.keyboard.press('l');
    await page.locator('#class-results-open').click();
    await page.locator('dialog[open] input[type="file"]').setInputFiles(files);
    await page.locator('dialog[open] svg.box-plot').waitFor();
    await page.screenshot({ path: path.join(folder, `web-${width}x${height}-class-results.png`) });
    await page.close();
  }
  // The worksheet of a lesson with an experiment, in German, as the browser prints it.
  const { text: printed } = vantrel.lessonText({
    title: 'Kleine Populationen driften',
    startSeconds: 10 * 3600,
    parameters: [10, 10, 1],
    goal: 'color=red,shape=square',
    experiment: 1,
    lockParameters: true,
  });
  const link = `${address}?lang=de${vantrel.lessonFragment(deflateRawSync(Buffer.from(printed)))}`;
  const page = await browser.newPage({ timezoneId: 'UTC' });
  await page.goto(link);
  await page.locator('dialog[open]').waitFor();
  await page.keyboard.press('Escape');
  await page.keyboard.press('l');
  await page.evaluate(() => (window.print = () => undefined));
  await page.getByRole('button', { name: 'Arbeitsblatt drucken' }).click();
  await page.locator('.worksheet').waitFor({ state: 'attached' });
  const scratch = mkdtempSync(path.join(tmpdir(), 'worksheet_'));
  const pdf = path.join(scratch, 'worksheet.pdf');
  await page.pdf({ path: pdf, format: 'A4' });
  execFileSync('pdftoppm', [
    '-png',
    '-r',
    '60',
    '-singlefile',
    pdf,
    path.join(folder, 'web-worksheet'),
  ]);
  rmSync(scratch, { recursive: true, force: true });
} finally {
  await browser.close();
  server.close();
}
