// SPDX-License-Identifier: GPL-3.0-or-later
// The page's files in the system's Chromium, with the clock fixed: Excel downloads the
// workbook the desktop writes for the same table (both unzipped here: the same sheet and
// the same text in every cell, the same table over them); a file dropped on the page opens
// as a picked one does, the first of several, and a bad one is refused without losing the
// population; a table of 100,000 organisms opens and the grid reaches its last row; files
// that are no table get the desktop's answer.
//
//   node files_test.mjs SITE NATIVE_WORKBOOK
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { makeTable, makeTableText } from './make_table.mjs';
import { launchBrowser, openFixedPage } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const [site, nativeWorkbook] = process.argv.slice(2).map((p) => path.resolve(p));
const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const { unzipSync, strFromU8 } = require('fflate');

const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);

const decode = (text) =>
  text
    .replace(/&lt;/g, '<')
    .replace(/&gt;/g, '>')
    .replace(/&quot;/g, '"')
    .replace(/&#39;/g, "'")
    .replace(/&amp;/g, '&');

// A workbook's first sheet: its name, its texts by cell name, and its table's range,
// header row count and column names.
function readWorkbook(bytes) {
  const parts = unzipSync(new Uint8Array(bytes));
  const part = (name) => (parts[name] ? strFromU8(parts[name]) : '');
  const name = decode(/<sheet name="([^"]*)"/.exec(part('xl/workbook.xml'))[1]);
  const shared = [...part('xl/sharedStrings.xml').matchAll(/<si>(.*?)<\/si>/gs)].map((m) =>
    decode([...m[1].matchAll(/<t[^>]*>(.*?)<\/t>/gs)].map((t) => t[1]).join('')),
  );
  const cells = {};
  for (const [, ref, attributes, body] of part('xl/worksheets/sheet1.xml').matchAll(
    /<c r="(\w+)"([^>]*)>(.*?)<\/c>/gs,
  )) {
    if (/t="s"/.test(attributes)) cells[ref] = shared[Number(/<v>(\d+)<\/v>/.exec(body)[1])];
    else if (/t="inlineStr"/.test(attributes))
      cells[ref] = decode(/<t[^>]*>(.*?)<\/t>/s.exec(body)[1]);
    else cells[ref] = `not text: ${body}`;
  }
  const table = part('xl/tables/table1.xml');
  return {
    name,
    cells,
    table: {
      ref: /<table [^>]*ref="([^"]+)"/.exec(table)?.[1],
      headers: !/headerRowCount="0"/.test(table),
      columns: [...table.matchAll(/<tableColumn [^>]*name="([^"]*)"/g)].map((m) => decode(m[1])),
    },
  };
}

// The desktop's workbooks after opening each of `tables` in turn in an engine started at
// `noon`.
function desktopWorkbooks(tables) {
  const folder = mkdtempSync(path.join(tmpdir(), 'files_test_'));
  try {
    const names = tables.map((table, i) => {
      const name = path.join(folder, `${i + 1}.str`);
      writeFileSync(name, table);
      return name;
    });
    execFileSync(nativeWorkbook, [String(noon), folder, ...names]);
    return tables.map((_, i) => readFileSync(path.join(folder, `${i + 1}.xlsx`)));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// One browser and one tab for every case: each goes on from the table the one before it
// left, so they run in this order.
let server, address, browser, page, errors, workbookBytes, two;

before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
  ({ page, errors } = await openFixedPage(browser, address, noon));
  await page.getByRole('button', { name: 'Advanced options' }).click();
});

after(async () => {
  await browser?.close();
  server?.close();
});

const named = (name) => page.getByRole('button', { name, exact: true });
const download = async (name) => {
  const [file] = await Promise.all([page.waitForEvent('download'), named(name).click()]);
  return {
    name: file.suggestedFilename(),
    bytes: readFileSync(await file.path()),
  };
};
const saved = async () => (await download('Save')).bytes;
const rowCount = () => page.getAttribute('[role="grid"]', 'aria-rowcount');
const open = (name, buffer) =>
  page.locator('input[type="file"]').setInputFiles({ name, mimeType: 'text/plain', buffer });
// The message the page shows next, closed with OK; `role` tells the error reports.
const message = async (role = 'dialog') => {
  const box = page.getByRole(role, { name: 'Vantrel' });
  const text = await box.locator('p.message').textContent();
  await box.getByRole('button', { name: 'OK' }).click();
  return text;
};

// Excel: the desktop's name and no tooltip, as its other text buttons; the workbook's
// cells and table are the desktop's for the same table, odd bytes and all.
test('Excel downloads the workbook the desktop writes for the same table', async () => {
  assert.equal(await named('Excel').getAttribute('title'), null);
  const odd = Buffer.from(
    ' P1 # P2 # DNA # Survival #\r\n 1 # a&b # <x> "q" # Zo\xeb #\r\n 2 #  # \xff\xe9 # 0\x01 1 #\r\n',
    'latin1',
  );
  const tables = [odd, makeTable(40), Buffer.from(' ID # id #\r\n 1 # 2 #\r\n', 'latin1')];
  const desktop = desktopWorkbooks(tables);
  for (const [i, table] of tables.entries()) {
    await open('table.str', table);
    const { name, bytes } = await download('Excel');
    assert.equal(name, 'organisms.xlsx');
    const workbook = readWorkbook(bytes);
    assert.equal(workbook.name, 'Organisms');
    assert.deepEqual(workbook, readWorkbook(desktop[i]), `table ${i + 1}`);
  }
  workbookBytes = (await download('Excel')).bytes;
  assert.equal(readWorkbook(workbookBytes).table.headers, false); // "ID", "id"
});

test('a workbook that cannot be offered says why, as an error report, and changes nothing', async () => {
  const before = await saved();
  await page.evaluate(() => {
    window.keptCreateObjectURL = URL.createObjectURL;
    URL.createObjectURL = () => {
      throw new Error('No room for the workbook');
    };
  });
  await named('Excel').click();
  assert.equal(await message('alertdialog'), 'No room for the workbook.');
  await page.evaluate(() => (URL.createObjectURL = window.keptCreateObjectURL));
  assert.ok((await saved()).equals(before));
});

// Dropping: the hint while files are over the page, the first of several files opened,
// a bad file refused with the picker's message and the population kept.
test('a dropped file opens as a picked one, the first of several; a bad one is refused', async () => {
  const drop = (files, target = '.stage canvas') =>
    page.evaluate(
      ([files, target]) => {
        const transfer = new DataTransfer();
        for (const [name, text] of files) transfer.items.add(new File([text], name));
        const element = document.querySelector(target);
        const send = (type) =>
          element.dispatchEvent(
            new DragEvent(type, {
              dataTransfer: transfer,
              bubbles: true,
              cancelable: true,
            }),
          );
        send('dragenter');
        send('dragover');
        const hint = document.querySelector('.drop-hint');
        const shown = hint.hidden ? '' : hint.textContent;
        send('drop');
        return [shown, document.querySelector('.drop-hint').hidden];
      },
      [files, target],
    );
  two = makeTable(2).toString('latin1');
  assert.deepEqual(
    await drop([
      ['two.str', two],
      ['three.str', makeTable(3).toString('latin1')],
    ]),
    ['Drop to open the first of these files', true],
  );
  await page.waitForFunction(
    () => document.querySelector('[role="grid"]').getAttribute('aria-rowcount') === '3',
  );
  assert.equal((await saved()).toString('latin1'), two);
  assert.deepEqual(await drop([['bad.str', ' P1 # P2 #\r\n']], '[role="grid"]'), [
    'Drop the table file to open it',
    true,
  ]);
  assert.equal(await message(), 'File bad.str holds no rows below the title row.');
  assert.equal((await saved()).toString('latin1'), two);
});

// Files that are no table, as the desktop takes them: an empty file and one whose first
// line is empty say nothing and change nothing; the page's own workbook is a spreadsheet
// and bytes holding NUL are binary, each said in the engine's words; one huge line is a
// title row alone; any other text is a table cut at its first line's last character.
test('files that are no table get the desktop’s answer', async () => {
  await open('empty.str', Buffer.alloc(0));
  await open('blank.str', Buffer.from('\r\n 1 # 2 #\r\n'));
  await open('organisms.xlsx', workbookBytes);
  assert.match(await message(), /^File organisms\.xlsx is a spreadsheet .* Open reads the table/);
  await open('program', Buffer.from([0x7f, 0x45, 0x4c, 0x46, 2, 1, 1, 0, 0x0a, 0x0d, 0x0a, 3]));
  assert.match(await message(), /^File program holds binary data/);
  // Made in the page: the browser's file transfer would take longer than the file.
  await page.evaluate(() => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(20 * 1024 * 1024).fill(120)], 'huge.txt'));
    document
      .querySelector('main')
      .dispatchEvent(
        new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }),
      );
  });
  assert.equal(await message(), 'File huge.txt holds no rows below the title row.');
  assert.equal((await saved()).toString('latin1'), two);
  await open('notes.txt', Buffer.from('Shopping:\nmilk: 2\n'));
  assert.equal(await rowCount(), '2');
  assert.equal((await saved()).toString('latin1'), ' Shopping #\r\n milk #\r\n');
});

// 100,000 organisms, made in the page and dropped (Playwright's own transfer of a file
// that size would take longer than the page): the grid reaches the last one.
test('a table of 100,000 organisms opens and the grid reaches its last row', async () => {
  const many = makeTable(100000);
  // What the status says meanwhile, noted as it changes.
  await page.evaluate(() => {
    const status = document.querySelector('[role="status"]');
    window.statusTexts = [];
    new MutationObserver(() => window.statusTexts.push(status.textContent)).observe(status, {
      childList: true,
      characterData: true,
      subtree: true,
    });
  });
  await page.evaluate(
    ([make, rows]) => {
      const text = new Function(`return (${make})(${rows})`)();
      const transfer = new DataTransfer();
      transfer.items.add(new File([Uint8Array.from(text, (c) => c.charCodeAt(0))], 'many.str'));
      document
        .querySelector('main')
        .dispatchEvent(
          new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }),
        );
    },
    [makeTableText.toString(), 100000],
  );
  await page.waitForFunction(
    () => document.querySelector('[role="grid"]').getAttribute('aria-rowcount') === '100001',
    undefined,
    { timeout: 60000 },
  );
  await page.locator('[role="grid"]').focus();
  await page.keyboard.press('End');
  // A file this big says that it is being opened, until it is; then the status names it.
  const statusTexts = await page.evaluate(() => window.statusTexts);
  assert.equal(statusTexts.length, 2, statusTexts.join(' | '));
  assert.equal(statusTexts[0], 'Opening many.str…');
  assert.match(statusTexts[1], /many\.str/);
  const last = page.locator('[role="grid"] [data-row="100000"]');
  await last.waitFor();
  const lastLine = many.toString('latin1').trimEnd().split('\r\n').at(-1);
  assert.deepEqual(
    (await last.locator('[role="gridcell"]').allTextContents()).slice(1),
    lastLine
      .split(' #')
      .slice(0, 4)
      .map((cell) => cell.trim()),
  );
});

test('the page made no error', () => {
  assert.deepEqual(errors, []);
});
