// SPDX-License-Identifier: GPL-3.0-or-later
// The page's pure parts under Node, without a browser: the thumbnail cache keeps pictures
// by DNA and size, drops the least recently used past its budget and asks the engine for
// each picture once.
//
//   node page_units_test.mjs
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const ts = require('typescript');

// A TypeScript file of the page as a module (its imports are types only).
async function pageModule(name) {
  const source = readFileSync(new URL(`../../web/page/src/${name}`, import.meta.url), 'utf8');
  const { outputText } = ts.transpileModule(source, {
    compilerOptions: { module: ts.ModuleKind.ESNext, target: ts.ScriptTarget.ES2022 },
  });
  return import(`data:text/javascript,${encodeURIComponent(outputText)}`);
}

globalThis.ImageData = class {
  constructor(data, width, height) {
    Object.assign(this, { data, width, height });
  }
};
const { ThumbnailCache } = await pageModule('thumbnails.ts');
const asked = [];
const engine = {
  pictureRgba(dna, size, ratio) {
    asked.push(dna);
    const side = Math.round(size * ratio);
    return new Uint8Array(side * side * 4).fill(dna.length);
  },
};
// Room for two 10 x 10 pictures.
const cache = new ThumbnailCache(engine, 2 * 400);
const a = cache.get('a', 10, 1, 10);
assert.equal(cache.get('a', 10, 1, 10), a, 'a kept picture is drawn once');
assert.equal(cache.find('a', 20), undefined, 'another size is another picture');
cache.get('bb', 10, 1, 10);
cache.find('a', 10); // a is now the most recently used
cache.get('ccc', 10, 1, 10); // over the budget: bb goes
assert.deepEqual([!!cache.find('a', 10), !!cache.find('bb', 10)], [true, false]);
assert.ok(cache.find('ccc', 10));
assert.deepEqual([asked, cache.drawn], [['a', 'bb', 'ccc'], 3]);
// A picture larger than the budget is still handed back.
assert.equal(new ThumbnailCache(engine, 10).get('d', 10, 1, 10).width, 10);
console.log('page_units_test: the thumbnail cache');
