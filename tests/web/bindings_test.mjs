// SPDX-License-Identifier: GPL-3.0-or-later
// The module's calls against their hand-written declarations (web/wasm/vantrel_engine.d.ts):
// the module offers exactly the declared calls, every declared call is made here, and
// every answer has the declared shape, field for field. Then what only the module can
// show: that new Engine() seeds from the page's clock as the desktop seeds from its own.
//
//   node bindings_test.mjs MODULE DECLARATIONS
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { loadEngineModule } from './load_module.mjs';

const [modulePath, declarationsPath] = process.argv.slice(2);
const declarations = readFileSync(declarationsPath, 'utf8');

// The members of a declared class or interface: name -> { method, type }.
function declaredMembers(kind, name) {
  const start = declarations.search(new RegExp(`${kind} ${name} \\{`));
  assert.ok(start >= 0, `${kind} ${name} is declared`);
  const body = declarations.slice(start, declarations.indexOf('\n}', start));
  const members = new Map();
  for (const match of body.matchAll(/^ {2}(\w+)(\(.*?\))?\??: (.+?);$/gm)) {
    members.set(match[1], { method: Boolean(match[2]), type: match[3] });
  }
  return members;
}

const engineMembers = declaredMembers('class', 'Engine');
const interfaces = new Map(
  [
    'Change',
    'Parameters',
    'TableRow',
    'Counters',
    'LoadResult',
    'ExperimentPage',
    'ExperimentsHelp',
    'WebLinks',
    'Gallery',
    'WorkbookCells',
    'FileRefusal',
  ].map((name) => [name, declaredMembers('interface', name)]),
);
const moduleMembers = declaredMembers('interface', 'VantrelEngineModule');

// Checks `value` against a declared type name.
function checkShape(value, type, where) {
  if (type.endsWith('[]')) {
    assert.ok(Array.isArray(value), `${where} is an array`);
    value.forEach((item, i) => checkShape(item, type.slice(0, -2), `${where}[${i}]`));
  } else if (type === 'void') {
    assert.equal(value, undefined, where);
  } else if (type === 'Uint8Array<ArrayBuffer>') {
    assert.ok(value instanceof Uint8Array, `${where} is a Uint8Array`);
  } else if (type === 'Uint32Array<ArrayBuffer>') {
    assert.ok(value instanceof Uint32Array, `${where} is a Uint32Array`);
  } else if (['number', 'string', 'boolean'].includes(type)) {
    assert.equal(typeof value, type, where);
  } else {
    const fields = interfaces.get(type);
    assert.ok(fields, `${where}: ${type} is declared`);
    assert.deepEqual(Object.keys(value).sort(), [...fields.keys()].sort(), `${where} fields`);
    for (const [field, { type: fieldType }] of fields) {
      checkShape(value[field], fieldType, `${where}.${field}`);
    }
  }
}

const module = await loadEngineModule(modulePath);

// The module offers exactly the declared calls.
const bound = Object.getOwnPropertyNames(module.Engine.prototype).filter(
  (n) => n !== 'constructor',
);
const declaredCalls = [...engineMembers.keys()].filter((n) => n !== 'delete');
assert.deepEqual(bound.sort(), declaredCalls.sort(), 'Engine: module and declarations');
for (const name of moduleMembers.keys()) assert.equal(typeof module[name], 'function', name);

// Every declared call, each answer checked against its declared type.
const called = new Set();
function call(target, name, ...args) {
  const member = (target === module ? moduleMembers : engineMembers).get(name);
  assert.ok(member?.method, `${name} is declared as a call`);
  called.add(name);
  const answer = target[name](...args);
  checkShape(answer, member.type, `${name}()`);
  return answer;
}

const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);
const engine = new module.Engine(noon);
const start = call(engine, 'tableBytes');
assert.equal(call(engine, 'rowCount'), 9);
call(engine, 'shoot');
call(engine, 'feed');
const counters = call(engine, 'counters');
assert.deepEqual([counters.shots, counters.feeds, counters.canUndo], [1, 1, true]);
const idea = call(engine, 'newIdea');
assert.ok(idea.run && !idea.table);
assert.ok(call(engine, 'idea').endsWith(call(engine, 'goal')));
call(engine, 'undo');
assert.equal(call(engine, 'goal'), '');
call(engine, 'redo');
call(engine, 'selectRow', 3);
assert.equal(call(engine, 'selectedRow'), 3);
assert.equal(call(engine, 'rows', 1, 100).length, 9);
assert.ok(call(engine, 'organismWords').length > 0);
const side = call(module, 'pictureSide', 350, 1.5);
assert.equal(call(engine, 'organismRgba', 350, 1.5).length, side * side * 4);
// A thumbnail by DNA is the shown organism's picture when the DNA is the shown one's.
const shownDna = engine.rows(3, 1)[0].dna;
assert.deepEqual(call(engine, 'pictureRgba', shownDna, 350, 1.5), engine.organismRgba(350, 1.5));
const tip = call(engine, 'tooltip', 3);
assert.ok(
  tip.startsWith(`ID ${engine.rows(3, 1)[0].id}\nP1 `) && tip.includes(`\nDNA ${shownDna}\n`),
);
assert.deepEqual([engine.tooltip(0), engine.tooltip(10)], ['', '']);
const gallery = call(module, 'gallery');
assert.deepEqual(
  [gallery.minPictureSize, gallery.maxPictureSize, gallery.defaultPictureSize],
  [48, 200, 96],
);
assert.deepEqual(call(engine, 'setParameters', { startOrganisms: 5000, creativity: 'x' }), {
  startOrganisms: 1000,
  creativity: 10,
  bonus: 1,
});
call(engine, 'setParameters', null);
assert.equal(call(engine, 'parameters').startOrganisms, 1000);
call(engine, 'newGenePool');
const refused = call(engine, 'loadTable', new TextEncoder().encode(' P1 #\r\n'), 'mine.str');
assert.deepEqual(
  [refused.ok, refused.message],
  [false, 'File mine.str holds no rows below the title row.'],
);
assert.equal(call(engine, 'rowCount'), 999);
assert.ok(call(engine, 'loadTable', start, 'start.str').ok);
assert.deepEqual(engine.tableBytes(), start);
assert.equal(call(module, 'seedAt', noon), 12 * 3600 * 1000 + 345);
const help = call(module, 'experimentsHelp');
assert.deepEqual(
  help.pages.map((page) => page.caption),
  ['Introduction', 'Exp 1', 'Exp 2', 'Exp 3', 'Exp 4', 'Exp 5'],
);
assert.ok(help.pages[1].text.startsWith('Size matters.\n\n'));
assert.match(call(module, 'webLinks').productPage, /^http:\/\/www\.quorvane\.example\//);
// The workbook's cells: the title row first, every cell as text; a byte above 127 arrives
// as its Latin-1 character.
assert.ok(
  call(
    engine,
    'loadTable',
    Uint8Array.from([...' P1 #\r\n Zo\xeb #\r\n'].map((c) => c.charCodeAt(0))),
    'l.str',
  ).ok,
);
assert.equal(engine.workbookCells(1, 5).lengths.length, 2);
const workbook = call(engine, 'workbookCells', 0, 100);
const cells = [];
for (let at = 0, i = 0; i < workbook.lengths.length; at += workbook.lengths[i], i += 1) {
  cells.push(workbook.text.slice(at, at + workbook.lengths[i]));
}
assert.equal(cells.length, 4);
assert.deepEqual(
  [workbook.problem, workbook.columns, cells[0], cells[1], cells[3]],
  ['', 2, 'ID', 'P1', 'Zo\u00eb'],
);
assert.deepEqual(call(module, 'notAFile', 'dir'), {
  message: 'Cannot open file dir.',
  errorReport: false,
});
assert.deepEqual(call(module, 'cannotOpen', 'x.str'), {
  message: 'Cannot open file x.str.',
  errorReport: true,
});
assert.equal(call(module, 'errorReport', 'Out of memory'), 'Out of memory.');
called.add('delete');
engine.delete();

assert.deepEqual(
  [...called].sort(),
  [...engineMembers.keys(), ...moduleMembers.keys()].filter((n) => n !== 'Engine').sort(),
  'every declared call is made',
);

// new Engine() reads the clock as the desktop reads its own: the same table as an engine
// pinned at the same moment.
const realNow = Date.now;
Date.now = () => noon;
const fromClock = new module.Engine();
Date.now = realNow;
const pinned = new module.Engine(noon);
assert.deepEqual(fromClock.tableBytes(), pinned.tableBytes());
fromClock.delete();
pinned.delete();
console.log(`bindings_test: ${called.size} calls checked against ${declarationsPath}`);
