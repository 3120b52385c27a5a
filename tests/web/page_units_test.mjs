// SPDX-License-Identifier: GPL-3.0-or-later
// The page's pure parts under Node, without a browser: the thumbnail cache keeps pictures
// by DNA and size, drops the least recently used past its budget and asks the engine for
// each picture once; a population's link carries its table and parameters and refuses what
// is not one; the automatic runs' pool shares a sweep among its workers; the engine's
// WebAssembly compiles from any host and a bad one is refused; the catalogue the build
// writes reads back whole, a damaged one keeps its texts English, the automatic runs'
// sentences take their counts' plural forms, and the language follows the browser's
// preferences; memory is readied for a big load a slice per task; a
// step's measure counts the drawing its frame does; "Judge like me" keeps its pace.
//
//   node page_units_test.mjs [vantrel_engine.mjs]
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { gunzipSync, gzipSync } from 'node:zlib';
import { loadEngineModule } from './load_module.mjs';
import { pageScript } from './page_source.mjs';

// A TypeScript file of the page as a module (its imports are types only).
async function pageModule(name) {
  return import(`data:text/javascript,${encodeURIComponent(pageScript(name))}`);
}

globalThis.ImageData = class {
  constructor(data, width, height) {
    Object.assign(this, { data, width, height });
  }
};
test('the thumbnail cache keeps pictures by DNA and size and drops the least recently used', async () => {
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
  // What the owner makes of the pixels is kept, and let go (closed) once it leaves the cache.
  const closed = [];
  const made = new ThumbnailCache(engine, 2 * 1600, (pixels, dna, size, ratio) => ({
    width: pixels.width,
    height: pixels.height,
    close: () => closed.push(dna),
    made: [dna, size, ratio],
  }));
  assert.deepEqual(made.get('e', 10, 2, 20).made, ['e', 10, 2]);
  made.get('ff', 10, 2, 20);
  assert.deepEqual(closed, []);
  made.get('ggg', 10, 2, 20); // over the budget: e goes, and is closed
  assert.deepEqual([closed, made.find('e', 20)], [['e'], undefined]);
});

// An element is written only where the value differs from the one last written to it.
test('an element is written only where the value differs from the one last written', async () => {
  const { Written } = await pageModule('written.ts');
  const writes = [];
  const element = {
    setAttribute: (name, value) => writes.push([name, value]),
    style: {
      set top(value) {
        writes.push(['top', value]);
      },
    },
    // A text written whole leaves one text node, which later texts go into.
    set textContent(value) {
      writes.push(['text', value]);
      const node = {
        nodeType: 3,
        set data(text) {
          writes.push(['data', text]);
        },
      };
      this.firstChild = this.lastChild = value === '' ? null : node;
    },
  };
  const written = new Written(element);
  for (const value of ['1', '1', '2']) {
    written.attribute('data-row', value);
    written.style('top', `${value}px`);
    written.text(value);
  }
  written.attribute('id', '2'); // another attribute, though the same value
  written.text(''); // no text node is left empty
  written.text('3');
  assert.deepEqual(writes, [
    ['data-row', '1'],
    ['top', '1px'],
    ['text', '1'],
    ['data-row', '2'],
    ['top', '2px'],
    ['data', '2'],
    ['id', '2'],
    ['text', ''],
    ['text', '3'],
  ]);
});

// A population's link: the table's bytes and the parameters come back whole, whatever
// bytes the table holds; damaged, foreign and other versions' links are refused.
test('a population’s link carries its table and parameters and refuses what is not one', async () => {
  const link = await pageModule('share_link.ts');
  const anyBytes = Uint8Array.from({ length: 300 }, (_, i) => (i * 37) % 256);
  const sent = { table: anyBytes, parameters: { startOrganisms: 25, creativity: 60, bonus: -3 } };
  const fragment = await link.encodePopulation(sent);
  assert.match(fragment, /^population=[A-Za-z0-9_-]+$/);
  assert.deepEqual(await link.decodePopulation(fragment), sent);
  const { deflateRawSync } = await import('node:zlib');
  const packed = (text) => `population=${deflateRawSync(Buffer.from(text)).toString('base64url')}`;
  assert.ok(await link.decodePopulation(packed('vantrel-population 1\n1 2 3\nx')));
  for (const wrong of [
    '',
    'population=',
    'population=AAAA!!',
    `population=${fragment.slice(11, -8)}`, // cut short
    fragment.slice(11), // without its key
    packed('vantrel-population 2\n1 2 3\nx'), // a later version
    packed('vantrel-population 1\n1 2\nx'),
    packed('vantrel-population 1\n1 2 x\nx'),
    packed('vantrel-population 1'),
  ]) {
    assert.equal(await link.decodePopulation(wrong), undefined, wrong);
  }
  // A fragment longer than a link can be is refused before it is decoded; the longest that
  // fits inflates whole, and inflating stops as soon as it passes the given size.
  const spaces = (count) => `vantrel-population 1\n1 2 3\n${' '.repeat(count)}`;
  const longest = packed(spaces(6.1e6));
  assert.ok(longest.length < link.kMaxLinkLength, String(longest.length));
  assert.equal((await link.decodePopulation(longest))?.table.length, 6.1e6);
  const tooLong = packed(spaces(6.3e6));
  assert.ok(tooLong.length > link.kMaxLinkLength, String(tooLong.length));
  assert.equal(await link.decodePopulation(tooLong), undefined, 'longer than a link');
  const zeros = deflateRawSync(Buffer.alloc(100000));
  assert.equal(await link.inflated(zeros, 99999), undefined, 'past the size');
  assert.equal((await link.inflated(zeros, 100000))?.length, 100000);
  assert.equal(await link.inflated(zeros.subarray(0, 50), 100000), undefined, 'cut short');
  assert.equal(link.fromBase64Url('-_8AB'), undefined, 'five characters are no base64url');
  assert.deepEqual(link.fromBase64Url(link.toBase64Url(anyBytes)), anyBytes);
  assert.equal(link.linkBase('', 'file:///stick/vantrel.html#old'), 'file:///stick/vantrel.html');
  assert.equal(link.linkBase('https://example.org/v/#x', 'http://h/#y'), 'https://example.org/v/');
});

// The automatic runs' pool with stand-in workers: shares as --shard K/N, the next share to
// the worker that finished first, each finished run kept, a failed worker's runs kept
// while the others go on, Cancel stopping the workers, and ending one that does not answer.
test('the automatic runs’ pool shares a sweep among its workers', async () => {
  class FakeWorker extends EventTarget {
    jobs = [];
    terminated = false;
    postMessage(job) {
      this.jobs.push(job);
    }
    terminate() {
      this.terminated = true;
    }
    say(data) {
      this.dispatchEvent(Object.assign(new Event('message'), { data }));
    }
    crash(message) {
      this.dispatchEvent(Object.assign(new Event('error'), { message }));
    }
  }
  const { AutoRunPool } = await pageModule('autorun_pool.ts');
  const started = [];
  const kStopWait = 20;
  const pool = new AutoRunPool(
    () => started[started.push(new FakeWorker()) - 1],
    () => 3,
    kStopWait,
  );
  const seen = [];
  const outcomes = [];
  const listener = { progressed: (done) => seen.push(done), finished: (o) => outcomes.push(o) };
  pool.warm();
  assert.equal(started.length, 3);
  started[0].say({ kind: 'ready' });
  assert.equal(pool.readyWorkers, 1);
  pool.play(['--goal', 'shape=square'], 2, listener);
  assert.deepEqual(
    started.map((w) => w.jobs),
    [
      [{ args: ['--goal', 'shape=square'], picked: [1], shards: 2 }],
      [{ args: ['--goal', 'shape=square'], picked: [2], shards: 2 }],
      [],
    ],
  );
  started[1].say({ kind: 'runs', records: [{ run: 2 }] });
  started[0].say({ kind: 'runs', records: [{ run: 1 }] });
  started[0].say({ kind: 'done' });
  assert.deepEqual([seen, outcomes.length, pool.running], [[1, 2], 0, true]);
  started[1].say({ kind: 'failed', message: 'out of memory' });
  assert.equal(outcomes.length, 1);
  assert.deepEqual(outcomes[0], {
    records: [{ run: 2 }, { run: 1 }],
    cancelled: false,
    failures: ['out of memory'],
  });
  // The failed worker is ended and replaced; the others stay for the next sweep.
  assert.deepEqual(
    started.map((w) => w.terminated),
    [false, true, false, false],
  );
  assert.equal(pool.running, false);

  // Five runs, five shares: each handed out once, the next to whichever worker is done.
  const shares = (worker) =>
    worker.jobs.filter((job) => job.shards === 5).map((job) => `${job.picked}/${job.shards}`);
  pool.play(['--goal', 'shape=dot'], 5, listener);
  const [w1, , w3, w4] = started;
  assert.deepEqual([w1, w3, w4].map(shares), [['1/5'], ['2/5'], ['3/5']]);
  w3.say({ kind: 'done' });
  w3.say({ kind: 'done' });
  w1.say({ kind: 'done' });
  w4.say({ kind: 'done' });
  assert.deepEqual([w1, w3, w4].map(shares), [['1/5'], ['2/5', '4/5', '5/5'], ['3/5']]);
  assert.deepEqual([outcomes.length, pool.running], [1, true]);
  w3.say({ kind: 'done' });
  assert.deepEqual([outcomes.length, pool.running], [2, false]);

  pool.play(['--goal', 'shape=line'], 10, listener);
  const [first, , third, fourth] = started;
  assert.deepEqual(
    [first, third, fourth].map((w) => w.jobs.at(-1).picked),
    [[1], [2], [3]],
  );
  third.say({ kind: 'runs', records: [{ run: 2 }] });
  fourth.crash('script error');
  first.say({ kind: 'runs', records: [{ run: 1 }, { run: 4 }] });
  pool.cancel();
  pool.cancel(); // asked once
  // The busy workers are asked to stop, and post what they finished before they answer.
  assert.deepEqual(
    [first, third].map((w) => w.jobs.filter((job) => job.kind === 'stop').length),
    [1, 1],
  );
  first.say({ kind: 'runs', records: [{ run: 7 }] });
  first.say({ kind: 'done' });
  assert.equal(outcomes.length, 2);
  third.say({ kind: 'done' });
  assert.deepEqual(outcomes[2], {
    records: [{ run: 2 }, { run: 1 }, { run: 4 }, { run: 7 }],
    cancelled: true,
    failures: ['script error'],
  });
  // Workers that stopped stay for the next sweep; the failed one was replaced.
  assert.deepEqual(
    [first, third, fourth].map((w) => w.terminated),
    [false, false, true],
  );
  // A worker that does not answer is ended once the wait is over, and replaced; what it
  // says afterwards comes too late.
  pool.play(['--goal', 'shape=line'], 10, listener);
  first.say({ kind: 'runs', records: [{ run: 1 }] });
  pool.cancel();
  third.say({ kind: 'done' });
  started.at(-1).say({ kind: 'done' });
  assert.equal(outcomes.length, 3);
  await new Promise((resolve) => setTimeout(resolve, 2 * kStopWait));
  assert.deepEqual(outcomes[3], { records: [{ run: 1 }], cancelled: true, failures: [] });
  assert.ok(first.terminated);
  first.say({ kind: 'runs', records: [{ run: 4 }] });
  first.say({ kind: 'done' });
  assert.equal(outcomes.length, 4);
  assert.equal(started.filter((w) => !w.terminated).length, 3);

  // A long sweep: each worker that asks takes a few shares in a row, fewer as they run out,
  // down to single ones; every share is handed out once.
  const idle = started.filter((w) => !w.terminated);
  const handed = idle.map((w) => w.jobs.length);
  pool.play(['--goal', 'shape=star'], 1000, listener);
  const jobs = [];
  for (let turn = 0; pool.running; turn = (turn + 1) % idle.length) {
    const worker = idle[turn];
    if (worker.jobs.length === handed[turn]) continue; // nothing new to play
    const job = worker.jobs[handed[turn]];
    handed[turn] += 1;
    jobs.push(job);
    worker.say({ kind: 'done' });
  }
  const sizes = jobs.map((job) => job.picked.length);
  assert.ok(sizes[0] > 1 && sizes.at(-1) === 1, String(sizes));
  assert.ok(
    sizes.every((size, i) => i === 0 || size <= sizes[i - 1]),
    `each job no larger than the one before: ${sizes}`,
  );
  const shards = jobs[0].shards;
  assert.ok(jobs.every((job) => job.shards === shards));
  assert.deepEqual(
    jobs.flatMap((job) => job.picked).sort((a, b) => a - b),
    Array.from({ length: shards }, (_, i) => i + 1),
  );
});

// The engine's WebAssembly compiles whatever type the host gives it, and a missing or
// broken file is refused rather than left pending.
test('the engine’s WebAssembly compiles from any host and a bad one is refused', async () => {
  const { compileEngine } = await pageModule('engine_compile.ts');
  const emptyWasm = Buffer.from([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]).toString('base64');
  for (const type of ['application/wasm', 'application/octet-stream']) {
    const compiled = await compileEngine(`data:${type};base64,${emptyWasm}`);
    assert.ok(compiled instanceof WebAssembly.Module, type);
  }
  await assert.rejects(compileEngine(`data:application/wasm;base64,${btoa('<html>')}`));
  // The single file's packed bytes, typed application/wasm, are unpacked as they compile
  // by the browser's stream, or whole by `unpack` where there is no such stream; packed
  // bytes that are no WebAssembly, or cut short, are refused.
  const packed = (bytes) => `data:application/wasm;base64,${gzipSync(bytes).toString('base64')}`;
  const packedWasm = packed(Buffer.from(emptyWasm, 'base64'));
  let unpacked = 0;
  const unpack = (bytes) => (++unpacked, new Uint8Array(gunzipSync(bytes)));
  assert.ok((await compileEngine(packedWasm, unpack)) instanceof WebAssembly.Module);
  assert.equal(unpacked, 0, 'streamed, not unpacked whole');
  await assert.rejects(compileEngine(packed(Buffer.from('<html>')), unpack));
  const cut = gzipSync(Buffer.from(emptyWasm, 'base64')).subarray(0, 12).toString('base64');
  await assert.rejects(compileEngine(`data:application/wasm;base64,${cut}`, unpack));
  const stream = globalThis.DecompressionStream;
  try {
    globalThis.DecompressionStream = undefined;
    assert.ok((await compileEngine(packedWasm, unpack)) instanceof WebAssembly.Module);
    assert.equal(unpacked, 1, 'unpacked whole without the stream');
  } finally {
    globalThis.DecompressionStream = stream;
  }
  const missing = createServer((_request, response) => response.writeHead(404).end());
  await new Promise((resolve) => missing.listen(0, '127.0.0.1', resolve));
  try {
    const url = `http://127.0.0.1:${missing.address().port}/vantrel_engine.wasm`;
    await assert.rejects(compileEngine(url), /HTTP 404/);
  } finally {
    missing.close();
  }
});

// The page's texts and numbers come from the engine (built by scripts/web.sh, or the module
// named on the command line), which reads the catalogue the build's tool writes from a
// Linguist file.
test('the catalogue reads back whole, a damaged one keeps its texts English, plurals and languages', async () => {
  const modulePath =
    process.argv[2] ?? new URL('../../build/wasm/web/vantrel_engine.mjs', import.meta.url).pathname;
  const vantrel = await loadEngineModule(modulePath);
  const catalogue = await pageModule('catalogue.ts');
  function speak(code, bytes) {
    vantrel.setLanguage(code, bytes);
    catalogue.useCatalogue(code, vantrel);
  }
  function builtCatalogue(messages) {
    const folder = mkdtempSync(path.join(tmpdir(), 'page_units_'));
    try {
      writeFileSync(
        path.join(folder, 'units_de.ts'),
        `<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="de">${messages}</TS>`,
      );
      const tool = new URL('../../tools/catalogues/ts_to_catalogue.py', import.meta.url).pathname;
      execFileSync('python3', [tool, '--out', folder, path.join(folder, 'units_de.ts')]);
      return new Uint8Array(readFileSync(path.join(folder, 'vantrel_de.cat')));
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  }
  const message = (source, translation) =>
    `<message><source>${source}</source><translation>${translation}</translation></message>`;
  const built = builtCatalogue(
    `<context><name>Page</name>${message('Run', 'Durchgang')}${message('Größe', 'Maß')}` +
      '<message numerus="yes"><source>%n organisms</source><translation>' +
      '<numerusform>%n Organismus</numerusform><numerusform>%n Organismen</numerusform>' +
      `</translation></message></context><context><name>PageStart</name>${message('Run', 'Starten')}` +
      `${message('Close', 'Schließen')}</context>` +
      `<context><name>PageBeforeEngine</name>${message('Laden…', 'Lädt…')}</context>`,
  );
  // Before the engine runs: the table the engine writes when it is built, of the texts of
  // PageBeforeEngine alone.
  const folder = mkdtempSync(path.join(tmpdir(), 'page_units_'));
  let table;
  try {
    writeFileSync(path.join(folder, 'vantrel_de.cat'), built);
    const tool = new URL('../../web/wasm/start_table.mjs', import.meta.url).pathname;
    const out = path.join(folder, 'start.json');
    execFileSync('node', ['--no-experimental-fetch', tool, modulePath, folder, out]);
    table = JSON.parse(readFileSync(out, 'utf8'));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
  assert.deepEqual(
    [
      ['de', 'Laden…'],
      ['de', 'Run'],
      ['nl', 'Laden…'],
      ['fr', 'Laden…'],
    ].map(([code, text]) => catalogue.textBeforeEngine(table, code, text)),
    ['Lädt…', 'Run', 'Laden…', 'Laden…'],
  );
  assert.deepEqual(
    table.choices.map(({ code, name }) => `${code} ${name}`),
    ['en English', 'nl Nederlands', 'de Deutsch'],
  );
  assert.equal(catalogue.tr('Run'), 'Run', 'English before the engine speaks');
  speak('de', built);
  assert.deepEqual(
    [catalogue.tr('Run'), catalogue.tr('Run', 'PageStart'), catalogue.tr('Größe')],
    ['Durchgang', 'Starten', 'Maß'],
    'by context, and text that is not ASCII',
  );
  assert.equal(catalogue.tr('Close'), 'Schließen', 'a text of another context, by its source');
  assert.equal(catalogue.tr('Open'), 'Open', 'a text the catalogue lacks stays English');
  assert.deepEqual(
    [1, 2, 1234].map((n) => catalogue.trN('%n organism', '%n organisms', n)),
    ['1 Organismus', '2 Organismen', '1.234 Organismen'],
  );
  assert.deepEqual(
    [catalogue.formatNumber(1234), catalogue.formatNumber(2.25, 1), catalogue.formatNumber(0.1)],
    ['1.234', '2,3', '0,1'],
  );
  assert.equal(
    catalogue.fill('%2 von %1', '%2', 'x'),
    'x von %2',
    'an argument is not filled again',
  );
  // A record that is not UTF-8 or lacks its translation is left out, and the rest is read;
  // bytes that are no catalogue give none.
  const notUtf8 = [0x50, 0x61, 0x67, 0x65, 0x1f, 0x4f, 0x70, 0x65, 0x6e, 0x1f, 0xff, 0x1e];
  const noTranslation = [0x50, 0x61, 0x67, 0x65, 0x1f, 0x53, 0x1e];
  speak('de', Uint8Array.from([...built, ...notUtf8, ...noTranslation]));
  assert.deepEqual([catalogue.tr('Run'), catalogue.tr('Open')], ['Durchgang', 'Open']);
  for (const bytes of [new Uint8Array(), new TextEncoder().encode('<html>\u001eRun')]) {
    speak('de', bytes);
    assert.equal(catalogue.tr('Run'), 'Run');
  }
  speak('en', new Uint8Array());
  assert.deepEqual(
    [
      catalogue.trN('%n organism', '%n organisms', 1),
      catalogue.trN('%n organism', '%n organisms', 1234),
    ],
    ['1 organism', '1,234 organisms'],
  );
  assert.deepEqual(
    [catalogue.formatNumber(1234), catalogue.formatNumber(2.25, 1)],
    ['1234', '2.3'],
  );

  // The automatic runs' sentences take the plural form of their count, from the catalogue the
  // build makes of the program's own Dutch files; a text the page shares with the notebook
  // window keeps its plural forms there.
  const catalogueUrl = `data:text/javascript,${encodeURIComponent(pageScript('catalogue.ts'))}`;
  const textsScript = pageScript('texts.ts').replace(
    `from './catalogue'`,
    `from ${JSON.stringify(catalogueUrl)}`,
  );
  const { texts } = await import(`data:text/javascript,${encodeURIComponent(textsScript)}`);
  const runs = texts.autoruns;
  const sentences = () => [
    runs.progress(1, 1),
    runs.progress(3, 20),
    runs.playing(1),
    runs.finished(20, 0),
    runs.finished(1, 0.25),
    runs.cancelled(1.5, 0, 1),
    runs.joined(6, 6),
    runs.joined(6, 8),
  ];
  assert.deepEqual(sentences(), [
    '1 of 1 run',
    '3 of 20 runs',
    'Playing 1 run…',
    '20 runs in 0.0 s.',
    '1 run in 0.3 s.',
    'Cancelled after 1.5 s: 0 of 1 run finished.',
    ' It joined the run table as run 6.',
    ' They joined the run table as runs 6 to 8.',
  ]);
  const i18n = new URL('../../i18n/', import.meta.url).pathname;
  const dutchFolder = mkdtempSync(path.join(tmpdir(), 'page_units_'));
  try {
    const files = ['core', 'desktop', 'notebook', 'page'].map((area) => `${i18n}${area}_nl.ts`);
    const tool = new URL('../../tools/catalogues/ts_to_catalogue.py', import.meta.url).pathname;
    execFileSync('python3', [tool, '--out', dutchFolder, ...files]);
    const dutch = new Uint8Array(readFileSync(path.join(dutchFolder, 'vantrel_nl.cat')));
    speak('nl', dutch);
  } finally {
    rmSync(dutchFolder, { recursive: true, force: true });
  }
  assert.deepEqual(sentences(), [
    '1 van 1 ronde',
    '3 van 20 rondes',
    '1 ronde wordt gespeeld…',
    '20 rondes in 0,0 s.',
    '1 ronde in 0,3 s.',
    'Geannuleerd na 1,5 s: 0 van 1 ronde klaar.',
    ' Hij staat nu als ronde 6 in de rondetabel.',
    ' Ze staan nu als rondes 6 tot en met 8 in de rondetabel.',
  ]);
  speak('en', new Uint8Array());

  const { codeOf, preferredLanguage } = await pageModule('language_codes.ts');
  assert.deepEqual(
    ['de-AT', 'NL_be', 'pseudo', 'fr', ''].map((tag) => codeOf(table, tag)),
    ['de', 'nl', 'pseudo', '', ''],
  );
  assert.equal(preferredLanguage(table, ['fr-FR', 'nl-BE', 'de']), 'nl');
  assert.equal(
    preferredLanguage(table, ['fr', 'pseudo']),
    'en',
    'never the pseudo-language by preference',
  );
});

// A download's address outlives the click by far: revoked at once, a busy browser that reads
// the bytes a little later loses the download without a word.
test('a download’s address outlives the click', async () => {
  const { download } = await pageModule('download.ts');
  const clicked = [];
  const revoked = [];
  const timers = [];
  const kept = [
    globalThis.document,
    globalThis.setTimeout,
    URL.createObjectURL,
    URL.revokeObjectURL,
  ];
  globalThis.document = {
    createElement: () => ({
      click() {
        clicked.push(this.download);
      },
      remove() {},
    }),
    body: { append() {} },
  };
  globalThis.setTimeout = (run, ms) => timers.push({ run, ms });
  URL.createObjectURL = () => 'blob:table';
  URL.revokeObjectURL = (url) => revoked.push(url);
  try {
    download(new Blob(['x']), 'organisms.str');
    assert.deepEqual([clicked, revoked, timers.length], [['organisms.str'], [], 1]);
    assert.ok(timers[0].ms >= 10_000, `the address is revoked after ${timers[0].ms} ms`);
    timers[0].run();
    assert.deepEqual(revoked, ['blob:table'], 'and freed in the end');
  } finally {
    [globalThis.document, globalThis.setTimeout, URL.createObjectURL, URL.revokeObjectURL] = kept;
  }
});

// A caption's text cut to its half of the cell: whole characters, an ellipsis for what is
// cut, and the first character kept even where the ellipsis then runs over.
test('a caption’s text is cut to its half of the cell', async () => {
  const { fitted } = await pageModule('captions.ts');
  const tenEach = (text) => [...text].length * 10; // every character 10 pixels wide
  assert.equal(fitted('1234', 40, tenEach), '1234', 'a text that fits');
  assert.equal(fitted('12345', 40, tenEach), '123\u2026', 'cut, with room for the ellipsis');
  assert.equal(fitted('12345', 15, tenEach), '1\u2026', 'the first character stays');
  assert.equal(
    fitted('\u{1f600}\u{1f600}\u{1f600}', 25, tenEach),
    '\u{1f600}\u2026',
    'never half a pair',
  );
});

// A step's measure counts the work its frame does for it: the browser's own first part of
// the frame, before any callback (given by the frame's time), and the animation-frame
// callbacks the step asks for (the views' scrolling and drawing). The page's layout, which
// the browser may do in a task of its own before the frame, is done within the handling.
test('a step’s measure counts the drawing its frame does', async () => {
  const { timeStep, kStepMeasure } = await pageModule('step_timing.ts');
  const frame = [];
  const [keptFrame, keptDocument] = [globalThis.requestAnimationFrame, globalThis.document];
  globalThis.requestAnimationFrame = (callback) => frame.push(callback);
  const busy = (ms) => {
    const until = performance.now() + ms;
    while (performance.now() < until);
  };
  let laidOut = 0;
  globalThis.document = {
    documentElement: {
      getBoundingClientRect: () => {
        laidOut += 1;
        busy(20); // the layout
      },
    },
  };
  // Node sets its message ports up at the first message: once, before the measures.
  await new Promise((resolve) => {
    const { port1, port2 } = new MessageChannel();
    port1.onmessage = () => resolve(port1.close());
    port2.postMessage(null);
  });
  // Measures one step whose handling takes `handling` ms; `playFrame(eventTime)` plays up to
  // the frame's callbacks and gives the frame's time.
  const measureStep = async (handling, playFrame) => {
    performance.clearMeasures(kStepMeasure);
    const eventTime = performance.now();
    timeStep(eventTime, () => {
      busy(handling);
      requestAnimationFrame(() => busy(60)); // the step's drawing
    });
    const frameTime = playFrame(eventTime);
    for (const callback of frame.splice(0)) callback(frameTime);
    let measured;
    for (let waits = 0; !measured && waits < 100; waits += 1) {
      await new Promise((resolve) => setTimeout(resolve, 10));
      [measured] = performance.getEntriesByName(kStepMeasure);
    }
    assert.ok(measured, 'the step is measured once its frame is drawn');
    return measured.duration;
  };
  try {
    // The wait for the screen's refresh, then the browser's 30 ms before the callbacks.
    const late = await measureStep(5, () => {
      busy(200);
      const frameTime = performance.now();
      busy(30);
      return frameTime;
    });
    assert.equal(laidOut, 1, 'the page is laid out once, within the handling');
    assert.ok(late >= 115, `the handling, layout, the frame's start and drawing: ${late} ms`);
    assert.ok(late < 280, `without the wait for the refresh (200 ms): ${late} ms`);
    // A frame that began while the step was handled counts from the end of the handling:
    // the handling is not counted twice.
    const early = await measureStep(100, (eventTime) => eventTime);
    assert.ok(early >= 180 && early < 290, `the handling, layout and drawing once: ${early} ms`);
  } finally {
    globalThis.requestAnimationFrame = keptFrame;
    globalThis.document = keptDocument;
  }

  console.log(
    'page_units_test: the thumbnail cache, links, the automatic runs pool, the engine, the catalogue, downloads, captions, the step measure',
  );
});

// The program's keys by name, as the page binds them: a letter with or without Shift,
// Command for Ctrl, Alt+Shift+R by the key's place; nothing else with Alt.
test('a key press is named as the page binds its keys', async () => {
  const { keyName } = await pageModule('keys.ts');
  const press = (key, more = {}) => ({
    key,
    code: '',
    ctrlKey: false,
    metaKey: false,
    shiftKey: false,
    altKey: false,
    ...more,
  });
  for (const [event, name] of [
    [press('s'), 'S'],
    [press('S', { shiftKey: true }), 'S'],
    [press('Escape'), 'Escape'],
    [press('z', { ctrlKey: true }), 'Control+Z'],
    [press('z', { metaKey: true }), 'Control+Z'],
    [press('Z', { ctrlKey: true, shiftKey: true }), 'Control+Shift+Z'],
    [press('y', { ctrlKey: true }), 'Control+Y'],
    [press('®', { altKey: true, shiftKey: true, code: 'KeyR' }), 'Alt+Shift+R'],
    [press('ArrowLeft', { altKey: true }), 'Alt+ArrowLeft'],
    [press('f', { altKey: true }), undefined],
    [press('z', { altKey: true, ctrlKey: true }), undefined],
  ])
    assert.equal(keyName(event), name, JSON.stringify(event));
});

// One step refreshes each view once, and only the views that show what it changed: the
// page's own actions and view table through its controller, on the engine itself.
test('one step refreshes each view once', async () => {
  const vantrel = await loadEngineModule(
    process.argv[2] ?? new URL('../../build/wasm/web/vantrel_engine.mjs', import.meta.url).pathname,
  );
  const { Controller } = await pageModule('controller.ts');
  const { kViewParts, pageActions } = await pageModule('page_actions.ts');
  const { makeTable } = await import('./make_table.mjs');
  const engine = new vantrel.Engine();
  const controller = new Controller(
    pageActions({ engine, commitParameters: () => {}, showIdea: () => {} }),
  );
  let refreshes = {};
  for (const [name, shows] of Object.entries(kViewParts))
    controller.addView({
      shows,
      refresh: () => (refreshes[name] = (refreshes[name] ?? 0) + 1),
    });
  const organismViews = { grid: 1, population: 1, tree: 1, organism: 1 };
  const everyStep = { buttons: 1, notebook: 1, journal: 1 };
  for (const [step, take, refreshed] of [
    ['a shot', () => controller.act('shoot'), { ...organismViews, ...everyStep }],
    [
      'an undo, which takes back the parameters too',
      () => controller.act('undo'),
      { ...organismViews, ...everyStep, parameters: 1 },
    ],
    ['a selection', () => controller.show(engine.selectRow(3)), { ...organismViews, ...everyStep }],
    [
      'a load',
      () => controller.show(engine.loadTable(new Uint8Array(makeTable(20)), 'twenty.str').change),
      { ...organismViews, ...everyStep },
    ],
    ['a new gene pool', () => controller.act('newGenePool'), { ...organismViews, ...everyStep }],
    ['a redo with nothing to redo (not enabled)', () => controller.act('redo'), {}],
  ]) {
    refreshes = {};
    take();
    assert.deepEqual(refreshes, refreshed, step);
  }
  engine.delete();
});

// "Judge like me" at a pace: each frame makes the clicks due since the start, the first at
// once, never more than asked; it closes the engine's step once, and not at all when
// another action closed it first.
test('Judge like me makes the clicks its pace has made due each frame, then stops', async () => {
  const { clicksDue, Judging } = await pageModule('judging.ts');
  for (const [elapsed, pace, total, due] of [
    [0, 5, 20, 1],
    [-3, 5, 20, 1],
    [199, 5, 20, 1],
    [201, 5, 20, 2],
    [1000, 5, 20, 6],
    [60_000, 5, 20, 20],
    [16, 100, 500, 2],
  ])
    assert.equal(clicksDue(elapsed, pace, total), due, `${elapsed} ms at ${pace}/s`);
  const frames = [];
  globalThis.requestAnimationFrame = (callback) => frames.push(callback);
  globalThis.cancelAnimationFrame = () => (frames.length = 0);
  for (const { closedByAnother, made, stops } of [
    { closedByAnother: false, made: [1, 1, 3], stops: 1 },
    { closedByAnother: true, made: [1, 1], stops: 0 },
  ]) {
    const engine = { open: false, made: [], stops: 0 };
    Object.assign(engine, {
      startJudging: () => !engine.open && (engine.open = true),
      judgeMore: (clicks) => (engine.made.push(clicks), { table: true }),
      stopJudging: () => ((engine.stops += 1), (engine.open = false), { table: true }),
      judging: () => engine.open,
      rowCount: () => 10,
    });
    const shown = [];
    const judging = new Judging(engine, {
      show: (change) => shown.push(change),
      progress: () => undefined,
      running: () => undefined,
    });
    const start = performance.now();
    judging.start(5, 10);
    judging.start(5, 10); // while judging: nothing
    frames.shift()(start + 150);
    if (closedByAnother) engine.open = false;
    frames.shift()?.(start + 450);
    assert.deepEqual(engine.made, made);
    assert.equal(engine.stops, stops);
    assert.equal(judging.running, false);
    assert.equal(frames.length, 0, 'no frame asked for after the end');
    // The change that closed the step tells the buttons, which offer Undo now.
    if (stops) assert.equal(shown.at(-1).counters, true);
  }
});

// A panel loaded on first use: a hidden placeholder until then, made once however often
// it is opened, open while its part comes, its own keys in place of the opening key once
// made, and asked for again after a failed load.
test('a panel loaded on first use stands in, opens, takes its keys and retries', async () => {
  const { LazyPanel } = await pageModule('lazy_panel.ts');
  const element = (name) => ({
    name,
    hidden: true,
    replaceWith(other) {
      this.replacedBy = other;
    },
  });
  globalThis.document = { createElement: () => element('placeholder') };
  const bound = new Map();
  const keymap = {
    bind(key, act) {
      if (bound.has(key)) throw new Error(`${key} is bound twice`);
      bound.set(key, act);
    },
    unbind: (key) => bound.delete(key),
  };
  const events = [];
  let failures = 1;
  const panel = new LazyPanel(async () => {
    events.push('made');
    if (failures-- > 0) throw new Error('offline');
    return {
      element: element('notebook'),
      open() {
        this.element.hidden = false;
        events.push('opened');
      },
      update: () => events.push('updated'),
      bindKeys: (map) => {
        map.bind('L', () => events.push('own L'));
        map.bind('Control+E', () => {});
      },
    };
  }, 'L');
  panel.bindKeys(keymap);
  const placeholder = panel.element;
  assert.deepEqual(
    [placeholder.name, placeholder.hidden, panel.isOpen],
    ['placeholder', true, false],
  );
  panel.update();
  const warn = console.warn;
  console.warn = () => {};
  await bound.get('L')();
  console.warn = warn;
  assert.deepEqual([events, panel.isOpen, panel.element.name], [['made'], false, 'placeholder']);
  const opening = panel.open();
  assert.equal(panel.isOpen, true, 'open while its part comes');
  await Promise.all([opening, panel.open()]);
  assert.deepEqual(events, ['made', 'made', 'opened', 'opened']);
  assert.deepEqual(
    [placeholder.replacedBy.name, panel.element.name, panel.isOpen],
    ['notebook', 'notebook', true],
  );
  assert.deepEqual([...bound.keys()], ['L', 'Control+E']);
  bound.get('L')();
  panel.update();
  assert.deepEqual(events.slice(-2), ['own L', 'updated']);
  delete globalThis.document;
});
