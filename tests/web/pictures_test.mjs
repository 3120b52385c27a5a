// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on the built page in the system's Chromium: the big drawing's canvas holds the
// desktop's own pixels for 200 random organisms at device pixel ratio 1 and 2 (digests from
// the native PICTURE_DIGESTS tool); the picture menu opens by right click, long press and
// the Menu key, and is worked by keys; copy puts the picture on the clipboard, Save picture
// as downloads a PNG of the same pixels or an SVG of the same figure, Save all as one
// picture a sheet of the desktop's size; organisms with the invisible pen say so.
//
//   node pictures_test.mjs SITE PICTURE_DIGESTS
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { execFile } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { launchBrowser } from './browser.mjs';
import { serveSite } from './serve_site.mjs';

const [site, digestTool] = process.argv.slice(2).map((p) => path.resolve(p));

// 200 DNA strings from a fixed seed; the third has the invisible pen, the fourth not.
let seed = 20261209;
const digit = () => {
  seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
  return String((seed >>> 16) % 10);
};
const dnas = Array.from({ length: 200 }, () => Array.from({ length: 13 }, digit).join(''));
dnas[2] = `${dnas[2].slice(0, 3)}0${dnas[2].slice(4)}`;
dnas[3] = `${dnas[3].slice(0, 3)}9${dnas[3].slice(4)}`;
const table = Buffer.from(
  ` P1 # P2 # DNA # Survival #\r\n${dnas.map((dna) => ` 0 # 0 # ${dna} # 0 #\r\n`).join('')}`,
  'latin1',
);

// The desktop's digests, DNA -> [ratio 1, ratio 2], made while the browser starts.
const nativeDigests = new Promise((resolve, reject) => {
  const tool = execFile(digestTool, ['1', '2'], (error, stdout) => {
    if (error) reject(error);
    else
      resolve(
        new Map(
          stdout
            .trim()
            .split('\n')
            .map((line) => line.split(' '))
            .map(([dna, one, two]) => [dna, [one, two]]),
        ),
      );
  });
  tool.stdin.end(dnas.join('\n'));
});

// In the page: the native tool's hash of R, G, B, A bytes (FNV-1a over little-endian
// words of four bytes), of a Uint8ClampedArray or an array of bytes.
const fnvSource = `(bytes) => {
  const words = new Uint32Array(
    bytes instanceof Uint8ClampedArray ? bytes.buffer : Uint8Array.from(bytes).buffer,
  );
  let hash = 0x811c9dc5;
  for (let i = 0; i < words.length; i++) hash = Math.imul(hash ^ words[i], 0x01000193) >>> 0;
  return hash.toString(16).padStart(8, '0');
}`;

// One browser for every case; the cases after the two ratios share one tab at ratio 1 and
// go on from where the one before left it, so they run in this order.
let server, address, browser, native, context, page, errors, canvas, menu;

before(async () => {
  ({ server, address } = await serveSite(site));
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  server?.close();
  console.log('pictures_test: 200 organisms at ratio 1 and 2, the menus, copy and save');
});

// A page at `ratio` with the 200 organisms loaded and the first one shown.
async function pageWithTable(ratio, options = {}) {
  const context = await browser.newContext({
    timezoneId: 'UTC',
    deviceScaleFactor: ratio,
    acceptDownloads: true,
    ...options,
  });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(address);
  await page.locator('main[aria-busy="false"] [role="grid"]').waitFor({ state: 'attached' });
  await page.locator('input[type="file"]').setInputFiles({
    name: 'organisms.str',
    mimeType: 'application/octet-stream',
    buffer: table,
  });
  await page.waitForFunction(
    () => document.querySelector('[role="grid"]').getAttribute('aria-rowcount') === '201',
  );
  await page.getByRole('button', { name: 'Advanced options' }).click();
  // Handed in from outside the page, whose Content-Security-Policy allows no eval.
  await page.evaluate(`window.fnv = ${fnvSource};`);
  return { context, page, errors };
}

for (const [index, ratio] of [1, 2].entries()) {
  test(`the big drawing holds the desktop's pixels at ratio ${ratio}`, async () => {
    const { context, page, errors } = await pageWithTable(ratio);
    const digests = await page.evaluate((count) => {
      const fnv = window.fnv;
      const grid = document.querySelector('[role="grid"]');
      const canvas = document.querySelector('canvas.picture');
      const context = canvas.getContext('2d');
      const found = [];
      for (let row = 1; row <= count; row++) {
        const key = row === 1 ? 'Home' : 'ArrowDown';
        grid.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true }));
        const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
        found.push([grid.getAttribute('aria-activedescendant'), canvas.width, fnv(data)]);
      }
      return found;
    }, dnas.length);
    const native = await nativeDigests;
    digests.forEach(([selected, width, digest], i) => {
      assert.equal(selected, `organism-${i + 1}`);
      assert.equal(width, 350 * ratio);
      assert.equal(digest, native.get(dnas[i])[index], `${dnas[i]} at ratio ${ratio}`);
    });
    assert.deepEqual(errors, []);
    await context.close();
  });
}

const items = () => menu.getByRole('menuitem').allTextContents();
const focusedText = () => page.evaluate(() => document.activeElement.textContent);
// The digest of a PNG's pixels, decoded by the browser.
const pngDigest = (bytes) =>
  page.evaluate(
    async (data) => {
      const image = await createImageBitmap(new Blob([new Uint8Array(data)]));
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      const pixels = context.getImageData(0, 0, image.width, image.height).data;
      return [image.width, image.height, window.fnv(pixels)];
    },
    [...bytes],
  );
const choose = async (command, format) => {
  await menu.getByRole('menuitem', { name: command }).click();
  const dialog = page.getByRole('dialog');
  await dialog.getByRole('radio', { name: new RegExp(`^${format} `) }).check();
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    dialog.getByRole('button', { name: 'Save' }).click(),
  ]);
  return [download.suggestedFilename(), readFileSync(await download.path())];
};

test('right click gives the desktop’s two commands; copy gives the 350-pixel picture', async () => {
  native = await nativeDigests;
  ({ context, page, errors } = await pageWithTable(1, {
    permissions: ['clipboard-read', 'clipboard-write'],
    hasTouch: true,
  }));
  canvas = page.locator('canvas.picture');
  menu = page.getByRole('menu');
  // Right click: the desktop's two commands; copy gives the 350-pixel picture.
  await page.keyboard.press('Home');
  await canvas.click({ button: 'right' });
  assert.deepEqual(await items(), ['Copy picture', 'Save picture as…']);
  assert.equal(await focusedText(), 'Copy picture', 'the first command has the focus');
  await menu.getByRole('menuitem', { name: 'Copy picture' }).click();
  assert.equal(await menu.count(), 0);
  // The page writes the clipboard once its PNG is made: read until the picture is there.
  const copied = await page.evaluate(async () => {
    for (let tries = 0; ; tries += 1) {
      try {
        const [item] = await navigator.clipboard.read();
        return [...new Uint8Array(await (await item.getType('image/png')).arrayBuffer())];
      } catch (error) {
        if (tries === 100) throw error;
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
    }
  });
  assert.deepEqual(await pngDigest(copied), [350, 350, native.get(dnas[0])[0]]);
});

test('Save picture as gives a PNG of the same pixels and an SVG of the same figure', async () => {
  // Save picture as: PNG of the same pixels, SVG of the same figure.
  await canvas.click({ button: 'right' });
  const [pngName, png] = await choose('Save picture as…', 'PNG');
  assert.equal(pngName, 'organism-1.png');
  assert.deepEqual(await pngDigest(png), [350, 350, native.get(dnas[0])[0]]);
  await canvas.click({ button: 'right' });
  const [svgName, svg] = await choose('Save picture as…', 'SVG');
  assert.equal(svgName, 'organism-1.svg');
  const drawn = await page.evaluate((text) => {
    const document = new DOMParser().parseFromString(text, 'image/svg+xml');
    return [
      document.getElementsByTagName('parsererror').length,
      document.documentElement.getAttribute('width'),
      document.querySelector('title').textContent,
      document.getElementsByTagName('line').length,
    ];
  }, svg.toString('utf8'));
  const [vertexDigit, spokesDigit] = [Number(dnas[0][0]), Number(dnas[0][12])];
  const strokes = (vertexDigit + 2) * (spokesDigit % 2 === 0 ? 2 : 1);
  assert.deepEqual(drawn, [0, '350', `Organism ${dnas[0]}`, dnas[0][3] === '0' ? 0 : strokes]);
});

test('Shift+F10 opens the menu on the drawing; arrows wrap, Escape gives the focus back', async () => {
  // By keys: Shift+F10 on the focused drawing; arrows wrap, Escape gives the focus back.
  await canvas.focus();
  await page.keyboard.press('Shift+F10');
  await page.keyboard.press('ArrowDown');
  assert.equal(await focusedText(), 'Save picture as…');
  await page.keyboard.press('ArrowDown');
  assert.equal(await focusedText(), 'Copy picture');
  await page.keyboard.press('s'); // the program's keys do nothing in the menu
  await page.keyboard.press('Escape');
  assert.equal(await menu.count(), 0);
  assert.equal(await page.evaluate(() => document.activeElement.className), 'picture');
  assert.equal(await page.getAttribute('[role="grid"]', 'aria-rowcount'), '201', 'nobody shot');
  await page.keyboard.press('ContextMenu');
  assert.equal(await menu.count(), 1);
  await page.keyboard.press('Escape');
});

test('a finger held still opens the menu; a tap or a moving finger does not', async () => {
  // A finger held still for half a second opens it; a tap or a moving finger does not.
  const box = await canvas.boundingBox();
  const [x, y] = [box.x + 100, box.y + 100];
  const cdp = await context.newCDPSession(page);
  const touch = (type, points = []) =>
    cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points });
  await touch('touchStart', [{ x, y }]);
  await page.waitForTimeout(150);
  await touch('touchEnd');
  await page.waitForTimeout(500);
  assert.equal(await menu.count(), 0, 'a tap is no long press');
  await touch('touchStart', [{ x, y }]);
  await touch('touchMove', [{ x: x + 40, y }]);
  await page.waitForTimeout(650);
  await touch('touchEnd');
  assert.equal(await menu.count(), 0, 'a moving finger is no long press');
  await touch('touchStart', [{ x, y }]);
  await page.waitForTimeout(650);
  assert.equal(await menu.count(), 1, 'a long press opens the menu');
  await touch('touchEnd');
  assert.equal(await menu.count(), 1, 'and lifting the finger leaves it open');
  await page.keyboard.press('Escape');
});

test('the invisible pen’s hint is under its organism’s drawing only', async () => {
  // The invisible pen's hint under the drawing (organism 3), not under organism 4's.
  const hint = page.locator('.invisible-hint');
  await page.locator('[role="grid"]').focus();
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  assert.ok(await hint.isVisible(), 'invisible pen: hint shown');
  await page.keyboard.press('ArrowDown');
  assert.ok(!(await hint.isVisible()), 'visible pen: no hint');
});

test('each picture of the population view has the menu, with the sheet and the tree', async () => {
  // The population view: each picture has the menu, with "Save all as one picture…" and
  // "Family tree".
  await page.keyboard.press('g');
  const population = page.getByRole('listbox', { name: 'The organisms’ pictures' });
  await page.locator('#picture-3').click({ button: 'right' });
  assert.deepEqual(await items(), [
    'Copy picture',
    'Save picture as…',
    'Save all as one picture…',
    'Family tree',
  ]);
  const [sheetName, sheet] = await choose('Save all as one picture…', 'PNG');
  assert.equal(sheetName, 'population.png');
  // 200 organisms: ceil(sqrt(300)) = 18 columns of 88 pixels, 12 rows of 104, 8 around.
  const [sheetWidth, sheetHeight] = await pngDigest(sheet);
  assert.deepEqual([sheetWidth, sheetHeight], [18 * 88 + 8, 12 * 104 + 8]);
  await page.locator('#picture-1').click({ button: 'right' });
  const [, sheetSvg] = await choose('Save all as one picture…', 'SVG');
  const sheetTexts = await page.evaluate((text) => {
    const document = new DOMParser().parseFromString(text, 'image/svg+xml');
    return [...document.getElementsByTagName('text')].map((label) => label.textContent);
  }, sheetSvg.toString('utf8'));
  // A loaded table names only the organisms the engine already knew (here 9).
  assert.equal(sheetTexts.length, dnas.length);
  assert.deepEqual(sheetTexts.slice(0, 9), ['1', '2', '3', '4', '5', '6', '7', '8', '9']);
  // By key on the selected picture, and Escape closes the menu, not the view.
  await population.focus();
  await page.keyboard.press('Shift+F10');
  assert.equal(await items().then((names) => names.length), 4);
  await page.keyboard.press('Escape');
  assert.ok(await population.isVisible());
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), 'listbox');
});

test('the thumbnail shows the hint; Family tree selects the organism and shows its tree', async () => {
  // The hint at the foot of organism 3's thumbnail: grey pixels in a blank picture.
  const greys = await page.evaluate(() => {
    const view = document.querySelector('.population-canvas');
    const at = view.getBoundingClientRect();
    const cell = document.getElementById('picture-3').getBoundingClientRect();
    const pixels = view
      .getContext('2d')
      .getImageData(cell.left - at.left, cell.top - at.top, cell.width, cell.height).data;
    let count = 0;
    for (let i = 0; i < pixels.length; i += 4) {
      const [r, g, b] = [pixels[i], pixels[i + 1], pixels[i + 2]];
      if (r === g && g === b && r > 0x60 && r < 0xd0) count += 1;
    }
    return count;
  });
  assert.ok(greys > 20, `the thumbnail's hint: ${greys} grey pixels`);
  // "Family tree" selects the organism pressed and shows its tree; a right click soon after
  // Shift+F10 is the user's own and opens the menu.
  assert.equal(await page.locator('#picture-1').getAttribute('aria-selected'), 'false');
  await page.locator('#picture-1').click({ button: 'right' });
  await menu.getByRole('menuitem', { name: 'Family tree' }).click();
  await page.getByRole('region', { name: 'The organism and its ancestors' }).waitFor();
  assert.equal(await page.locator('#picture-1').getAttribute('aria-selected'), 'true');
});

test('the page made no error', () => {
  assert.deepEqual(errors, []);
});
