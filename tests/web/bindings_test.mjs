// SPDX-License-Identifier: GPL-3.0-or-later
// The module's calls against their hand-written declarations (web/wasm/vantrel_engine.d.ts):
// the module offers exactly the declared calls, every declared call is made here, and
// every answer has the declared shape, field for field. Then what only the module can
// show: that new Engine() seeds from the page's clock as the desktop seeds from its own.
//
//   node bindings_test.mjs MODULE DECLARATIONS
import assert from 'node:assert/strict';
import { test } from 'node:test';
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
    'TreeCard',
    'FamilyTree',
    'OriginStyle',
    'LegendEntry',
    'FamilyTreeLegend',
    'FamilyTreeTexts',
    'WordCheck',
    'ComparedRun',
    'CurveScales',
    'ValueAxis',
    'StablePlot',
    'LanguageName',
    'Notebook',
    'JoinedRuns',
    'SweepRecord',
    'LearnerLines',
    'StableBox',
    'SheetLabel',
    'ContactSheet',
    'GalleryShape',
    'Rect',
    'GalleryCells',
    'JournalRecord',
    'StoredRun',
    'StoredRunReading',
    'RestoreResult',
    'JournalTexts',
    'SheetFormat',
    'SheetCells',
    'FileRefusal',
    'Limits',
    'AutoRunDefaults',
    'LessonOpening',
    'OpenLesson',
    'LessonTextResult',
    'GoalAspect',
    'GoalWord',
    'LessonLimits',
    'Worksheet',
    'ClassGroup',
    'LearnedTrait',
    'LearnerState',
    'LearnerTexts',
  ].map((name) => [name, declaredMembers('interface', name)]),
);
const moduleMembers = declaredMembers('interface', 'VantrelEngineModule');

// Checks `value` against a declared type name.
function checkShape(value, type, where) {
  if (type.endsWith(' | null')) {
    if (value !== null) checkShape(value, type.slice(0, -' | null'.length), where);
  } else if (type.endsWith('[]')) {
    assert.ok(Array.isArray(value), `${where} is an array`);
    value.forEach((item, i) => checkShape(item, type.slice(0, -2), `${where}[${i}]`));
  } else if (type === 'void') {
    assert.equal(value, undefined, where);
  } else if (type === 'Uint8Array<ArrayBuffer>') {
    assert.ok(value instanceof Uint8Array, `${where} is a Uint8Array`);
  } else if (type === 'Float64Array<ArrayBuffer>') {
    assert.ok(value instanceof Float64Array, `${where} is a Float64Array`);
  } else if (type === 'Int32Array<ArrayBuffer>') {
    assert.ok(value instanceof Int32Array, `${where} is an Int32Array`);
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

// A sheet's cells as texts.
function sheetTexts({ text, lengths }) {
  const cells = [];
  for (let at = 0, i = 0; i < lengths.length; at += lengths[i], i += 1) {
    cells.push(text.slice(at, at + lengths[i]));
  }
  return cells;
}

const noon = Date.UTC(2026, 11, 9, 12, 0, 0, 345);
// The engine the calls are made on, and what its walk leaves for the cases after it.
let engine, steps, organisms;

// The module offers exactly the declared calls.
test('the module offers exactly the declared calls', async () => {
  const bound = Object.getOwnPropertyNames(module.Engine.prototype).filter(
    (n) => n !== 'constructor',
  );
  const declaredCalls = [...engineMembers.keys()].filter((n) => n !== 'delete');
  assert.deepEqual(bound.sort(), declaredCalls.sort(), 'Engine: module and declarations');
  for (const name of moduleMembers.keys()) assert.equal(typeof module[name], 'function', name);
});

test('every call on one engine answers in its declared shape', async () => {
  engine = new module.Engine(noon);
  const start = call(engine, 'tableBytes');
  assert.equal(call(engine, 'rowCount'), 9);
  call(engine, 'shoot');
  call(engine, 'feed');
  const counters = call(engine, 'counters');
  assert.deepEqual([counters.shots, counters.feeds, counters.canUndo], [1, 1, true]);
  const idea = call(engine, 'newIdea');
  assert.ok(idea.run && !idea.table);
  assert.ok(call(engine, 'idea').endsWith(call(engine, 'goal')));
  // What the automatic runs take as their goal: the idea's judged words, as --goal says them.
  assert.match(
    call(engine, 'goalList'),
    /^(color|intensity|shape|size|thickness|linestyle|spokes)=/,
  );
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
  // A table of three columns shows its own titles and exactly its columns, a byte a
  // character as the desktop shows them; the status names the file.
  const firstId = engine.rows(1, 1)[0].id;
  const three = Uint8Array.from(' A # B #\r\n x1 # caf\u00e9 #\r\n', (c) => c.charCodeAt(0));
  assert.match(call(engine, 'loadTable', three, 'three.str').status, /three\.str/);
  assert.deepEqual(call(engine, 'columnTitles'), ['ID', 'A', 'B']);
  assert.deepEqual(call(engine, 'shownRows', 0, 5), [[firstId, 'x1', 'caf\u00e9']]);
  assert.ok(call(module, 'largestTableFile') > 1 << 20);
  assert.ok(call(engine, 'loadTable', start, 'start.str').ok);
  assert.deepEqual(engine.tableBytes(), start);
  assert.equal(call(module, 'seedAt', noon), 12 * 3600 * 1000 + 345);
  const help = call(module, 'experimentsHelp');
  assert.deepEqual(
    help.pages.map((page) => page.caption),
    ['Introduction', 'Exp 1', 'Exp 2', 'Exp 3', 'Exp 4', 'Exp 5'],
  );
  assert.ok(help.pages[1].text.startsWith('Size matters.\n\n'));
  // The desktop gallery's cells: 96 + 12 = 108 wide and 96 + 12 + 20 = 128 high; 500 px
  // hold 4 columns, the 68 px to spare shared left and right.
  const ten = { count: 10, pictureSize: 96, labelHeight: 20, width: 500 };
  assert.deepEqual(call(module, 'galleryShape', ten), {
    columns: 4,
    rows: 3,
    pictureSize: 96,
    cellWidth: 108,
    cellHeight: 128,
    contentHeight: 3 * 128,
  });
  assert.deepEqual(call(module, 'galleryCell', ten, 5), {
    left: 142,
    top: 128,
    width: 108,
    height: 128,
  });
  const inSight = call(module, 'galleryCells', ten, 130, 300);
  assert.deepEqual([inSight.first, inSight.end, inSight.boxes.length], [4, 10, 6 * 12]);
  // Picture 5: its cell, its picture inside the padding, its label under the picture.
  assert.deepEqual(
    [...inSight.boxes.subarray(12, 24)],
    [142, 128, 108, 128, 148, 134, 96, 96, 148, 230, 96, 26],
  );
  assert.equal(module.galleryCells(ten, 0, 0).boxes.length, 0);
  assert.equal(module.galleryCells(ten, 500, 900).first, 10, 'nothing below the last row');
  // The size is clamped as the desktop clamps it; a narrow view still has one column.
  assert.equal(module.galleryShape({ ...ten, pictureSize: 1000 }).pictureSize, 200);
  assert.equal(module.galleryShape({ ...ten, width: 20 }).columns, 1);
  steps = [
    [5, 1, 0, 6],
    [0, -1, 0, 0],
    [9, 1, 0, 9],
    [5, 0, 1, 9],
    [8, 0, 1, 8],
    [9, 0, -1, 5],
  ];
  for (const [from, across, down, to] of steps) {
    assert.equal(call(module, 'galleryStep', ten, from, across, down), to, `step from ${from}`);
  }
  assert.equal(module.galleryStep({ ...ten, count: 0 }, 0, 1, 0), -1);
  assert.match(call(module, 'webLinks').productPage, /^http:\/\/www\.quorvane\.example\//);
  // The learner's state and words: nothing said before a click, its record after three.
  const learning = new module.Engine(noon);
  const fresh = { bytes: call(learning, 'learnerBytes'), ...call(learning, 'learner') };
  assert.deepEqual([fresh.traits, fresh.accuracy], [[], '']);
  learning.feed();
  learning.shoot();
  learning.shoot();
  const learned = { bytes: call(learning, 'learnerBytes'), ...call(learning, 'learner') };
  assert.equal(learned.bytes.length, fresh.bytes.length);
  assert.notDeepEqual(learned.bytes, fresh.bytes);
  assert.match(learned.accuracy, /^Predicted [0-3] of your last 3 clicks$/);
  learning.delete();
  // The family tree of the shown organism, and of an organism by its serial.
  const tree = call(engine, 'familyTree', -1);
  assert.equal(tree.cards[0].id, engine.rows(engine.selectedRow(), 1)[0].id);
  assert.equal(tree.cards[0].row, engine.selectedRow());
  assert.equal(engine.familyTree(tree.serial).cards[0].serial, tree.serial);
  assert.deepEqual(
    call(module, 'familyTreeTexts').origins.map((style) => style.mark),
    ['plain', 'underline', 'boxed', 'plain'],
  );
  // The notebook of a new engine: a run with a goal, declared reached, in the run table.
  const lab = new module.Engine(noon);
  const noGoal = call(lab, 'notebook');
  assert.deepEqual([noGoal.run, noGoal.goal, noGoal.canDeclareReached], [1, '', false]);
  assert.equal(call(lab, 'declareReached').counters, false, 'nothing to reach without a goal');
  lab.newIdea();
  lab.shoot();
  const before = lab.notebook();
  assert.deepEqual([before.clicks, before.samples.length, before.canDeclareReached], [1, 8, true]);
  assert.deepEqual([before.samples[0], before.samples[4]], [0, 1], 'clicks 0 and 1');
  assert.equal(before.started, '2026-12-09 12:00');
  assert.ok(lab.declareReached().counters);
  const reached = lab.notebook();
  assert.deepEqual([reached.run, reached.stableClick, reached.reachedByUser], [2, 1, true]);
  assert.deepEqual(
    reached.compared.map((run) => run.number),
    [2],
    'a reached run is compared at once',
  );
  const csv = call(lab, 'runsCsv').split('\r\n');
  assert.equal(
    csv[0],
    'run,mode,started_utc,population,creativity,bonus,goal,feeds,shots,clicks,first_match_click,stable_click,reached_by,pupil,lesson',
  );
  assert.equal(csv[1], '1,hand,2026-12-09T12:00:00Z,10,10,1,,0,0,0,,,,,');
  assert.match(csv[2], /^2,hand,2026-12-09T12:00:00Z,10,10,1,.+,0,1,1,\d*,1,user,,$/);
  assert.deepEqual(csv.slice(3), ['']);
  const runs = call(lab, 'sheet', 'runs');
  assert.deepEqual([runs.name, runs.rows, runs.columns, runs.headerRow], ['Runs', 3, 15, true]);
  const runCells = sheetTexts(call(lab, 'sheetCells', 'runs', 1, 5));
  assert.equal(runCells.length, 2 * 15, 'two runs, cell by cell');
  assert.equal(runCells[15 + 6], reached.goal, 'a goal with quotes and commas is one cell');
  assert.deepEqual(
    [...lab.sheetCells('runs', 1, 1).numbers],
    [1, 0, 0, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0, 0],
    'counts are numbers; a click that never came is a blank text',
  );
  lab.delete();
  // Pictures: SVG, file names, the invisible pen and the contact sheet.
  assert.match(
    call(module, 'organismSvg', shownDna),
    /^<\?xml[^]*<title>Organism \d{13}<\/title>[^]*<\/svg>\n$/,
  );
  assert.equal(call(module, 'pictureFileName', '12/a'), 'organism-12a.png');
  assert.deepEqual(
    ['1230567890123', '1231567890123'].map((dna) => call(module, 'penInvisible', dna)),
    [true, false],
  );
  const limit = call(module, 'contactSheetLimit');
  organisms = engine.rows(1, 3).map(({ id, dna }) => ({ id, dna }));
  const sheet = call(module, 'contactSheet', [...organisms, 7]);
  assert.equal(sheet.rgba.length, sheet.width * sheet.height * 4);
  assert.deepEqual(
    sheet.labels.map((label) => label.id),
    [...organisms.map((organism) => organism.id), ''],
    'a value that is no organism is one without ID',
  );
  assert.equal(call(module, 'contactSheet', 'no array').labels.length, 0);
  assert.equal(
    call(module, 'contactSheet', Array(limit + 5).fill(organisms[0])).labels.length,
    limit,
  );
  assert.ok(call(module, 'contactSheetSvg', organisms).includes(`>${organisms[2].id}</text>`));
  assert.equal(call(module, 'contactSheetNote', 5, 5), '');
  assert.deepEqual(call(module, 'pictureFormats'), ['PNG image (*.png)', 'SVG drawing (*.svg)']);
  assert.match(call(module, 'contactSheetNote', 1000, 1200), /first 1,000 of 1,200/);
  // The program's own column titles are its words; a title a file brought stays as it came.
  assert.equal(call(module, 'shownColumnTitle', 'Survival'), 'Survival');
  assert.equal(call(module, 'shownColumnTitle', 'Überleben'), 'Überleben');
});

// The journal: what one engine wrote, another restores to the same table.
test('what one engine’s journal wrote, another restores to the same table', async () => {
  const played = new module.Engine(noon);
  call(played, 'startJournal');
  played.shoot();
  played.feed();
  played.undo();
  played.shoot();
  const journalRecords = call(played, 'takeJournal');
  assert.deepEqual(
    journalRecords.map((record) => [record.base, record.type, record.steps]),
    [
      [true, 0, 0],
      [false, 0, 1],
      [false, 0, 2],
      [false, 1, 1],
      [false, 0, 2],
    ],
  );
  const packed = [];
  for (const { type, data, annex } of journalRecords.slice(1)) {
    const lengths = (bytes) => [0, 8, 16, 24].map((shift) => (bytes.length >>> shift) & 255);
    packed.push(type, ...lengths(data), ...data, ...lengths(annex), ...annex);
  }
  const stored = {
    base: journalRecords[0].data,
    baseAnnex: journalRecords[0].annex,
    entries: new Uint8Array(packed),
    stepsAtEnd: 2,
    name: 'of noon',
    finishedRuns: call(played, 'finishedRuns'),
  };
  assert.deepEqual(call(module, 'readStoredRun', stored), {
    readable: true,
    steps: 2,
    lostSteps: 0,
    offer: true,
    message: '',
  });
  // A run without a step is not offered.
  assert.equal(
    call(module, 'readStoredRun', {
      ...stored,
      entries: new Uint8Array(0),
      stepsAtEnd: 0,
    }).offer,
    false,
  );
  const restored = call(engine, 'restoreRun', stored);
  assert.ok(restored.ok && restored.change.table);
  assert.deepEqual(engine.tableBytes(), played.tableBytes());
  assert.equal(
    call(module, 'readStoredRun', { ...stored, base: new Uint8Array(3) }).message,
    call(module, 'journalDamaged', 'of noon'),
  );
  assert.equal(call(module, 'journalTexts').restoreCaption, 'Restore population');
  assert.match(
    call(module, 'journalNewer', 'of noon'),
    /^The journal of noon was written by a newer/,
  );
  assert.match(call(module, 'restoreQuestion', 9, 2), /\(9 organisms, 2 steps\)\?$/);
  assert.match(
    call(module, 'journalFailed', 'here', 'full'),
    /^Vantrel cannot keep its journal in here \(full\)/,
  );
  played.delete();
});

// The workbook's cells: the title row first, every cell as text; a byte above 127 arrives
// as its Latin-1 character.
test('the workbook’s cells: the title row first, every cell as text', async () => {
  assert.ok(
    call(
      engine,
      'loadTable',
      Uint8Array.from([...' P1 #\r\n Zo\xeb #\r\n'].map((c) => c.charCodeAt(0))),
      'l.str',
    ).ok,
  );
  assert.equal(engine.sheetCells('organisms', 1, 5).lengths.length, 2);
  const sheet = call(engine, 'sheet', 'organisms');
  assert.deepEqual(
    [sheet.name, sheet.rows, sheet.columns, [...sheet.widths], sheet.columnNames],
    ['Organisms', 2, 2, [9, 9], ['ID', 'P1']],
  );
  const workbook = call(engine, 'sheetCells', 'organisms', 0, 100);
  const cells = sheetTexts(workbook);
  assert.equal(cells.length, 4);
  assert.deepEqual(
    [workbook.problem, cells[0], cells[1], cells[3], [...workbook.numbers]],
    ['', 'ID', 'P1', 'Zo\u00eb', [0, 0, 0, 0]],
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
});

// The automatic runs' sweep: its class against its declarations, every call made.
test('the automatic runs’ sweep answers as declared', async () => {
  const sweepMembers = declaredMembers('class', 'LabSweep');
  assert.deepEqual(
    Object.getOwnPropertyNames(module.LabSweep.prototype)
      .filter((n) => n !== 'constructor')
      .sort(),
    [...sweepMembers.keys()].filter((n) => n !== 'delete').sort(),
    'LabSweep: module and declarations',
  );
  const sweepCalled = new Set();
  function sweepCall(target, name, ...args) {
    sweepCalled.add(name);
    const answer = target[name](...args);
    checkShape(answer, sweepMembers.get(name).type, `${name}()`);
    return answer;
  }
  const sweep = new module.LabSweep([
    '--goal',
    'shape=square',
    '--population',
    '5,6',
    '--runs',
    '2',
  ]);
  assert.equal(sweepCall(sweep, 'error'), '');
  assert.equal(sweepCall(sweep, 'totalRuns'), 4);
  assert.equal(sweepCall(sweep, 'conditionCount'), 2);
  assert.deepEqual(sweepCall(sweep, 'shardRuns', 2, 3), [2]);
  const records = [4, 1, 3, 2].map((n) => sweepCall(sweep, 'playRun', n));
  assert.equal(sweepCall(sweep, 'playRun', 5).run, 0);
  assert.deepEqual(
    sweepCall(sweep, 'boxes', records).boxes.map((box) => box.runs),
    [2, 2],
  );
  assert.equal(sweepCall(sweep, 'summary', records).length, 2);
  // Two conditions: a heading, then condition 2 against 1 (too few runs to compare).
  const comparison = sweepCall(sweep, 'comparison', records);
  assert.equal(comparison.length, 2);
  assert.match(comparison[1], /^Condition 2 against 1: /);
  const sweepCsvText = call(module, 'sweepCsv', records);
  assert.deepEqual(
    sweepCsvText
      .split('\r\n')
      .slice(1, -1)
      .map((line) => line.split(',')[0]),
    ['1', '2', '3', '4'],
  );
  // The sweep's own CSV is the same; a sweep of learners adds the learner's columns.
  assert.equal(sweepCall(sweep, 'csv', records), sweepCsvText);
  const learning = new module.LabSweep(['--goal', 'shape=square', '--learner', '0,5']);
  const learnerRecords = [2, 1].map((n) => learning.playRun(n * 100));
  const learnt = learning.csv(learnerRecords);
  assert.deepEqual(
    learnt.split('\r\n').map((line) => line.split(',').slice(-2)[0]),
    ['learner', '0', '5', ''],
  );
  // Each record's judge's clicks travel with it, as the last column of its line says.
  for (const record of learnerRecords) {
    assert.equal(`${record.judgeClicks}\r\n`, record.csvLine.split(',').at(-1));
  }
  const learners = sweepCall(learning, 'learners', learnerRecords);
  assert.equal(learners.summary.length, 2);
  assert.match(learners.brought.join(), /^Condition 2 \(learner after 5 clicks\): /);
  assert.deepEqual(sweepCall(sweep, 'learners', records), {
    heading: '',
    summary: [],
    comparison: [],
    brought: [],
  });
  learning.delete();
  // The sweep's runs join a notebook after its own run, renumbered, as judged runs.
  const joining = new module.Engine(noon);
  assert.deepEqual(call(joining, 'addRuns', sweepCsvText), {
    first: 2,
    count: 4,
  });
  assert.deepEqual(
    joining
      .runsCsv()
      .split('\r\n')
      .slice(1, -1)
      .map((line) => line.split(',').slice(0, 2).join()),
    ['1,hand', '2,judge', '3,judge', '4,judge', '5,judge'],
  );
  assert.deepEqual(joining.addRuns(sweepCsvText.split('\r\n')[0]), {
    first: 6,
    count: 0,
  });
  joining.delete();
  const refusedSweep = new module.LabSweep(['--goal', 'shape=square', '--runs', '0']);
  assert.equal(refusedSweep.error(), "--runs: '0' is not a whole number from 1 to 100000000");
  assert.equal(refusedSweep.totalRuns(), 0);
  refusedSweep.delete();
  sweepCalled.add('delete');
  sweep.delete();
  assert.deepEqual([...sweepCalled].sort(), [...sweepMembers.keys()].sort(), 'every LabSweep call');
  called.add('LabSweep');
});

// Lessons and class results: a lesson made from the teacher's choices opens, locks and
// names its runs; links are told apart and carry their bytes; runs files pool.
test('lessons and class results answer as declared', async () => {
  const choices = {
    title: 'Drift',
    startSeconds: 37230,
    parameters: [10, 10, 1],
    goal: 'color=red',
    experiment: 4,
    lockParameters: true,
  };
  const { text, problem } = call(module, 'lessonText', choices);
  assert.equal(problem, '');
  assert.match(text, /^vantrel-lesson 1\ntime 10:20:30\n/);
  const refusedGoal = call(module, 'lessonText', {
    ...choices,
    goal: 'color=sky',
  });
  assert.equal(refusedGoal.text, '');
  assert.notEqual(refusedGoal.problem, '');
  const lessonEngine = new module.Engine(noon);
  assert.equal(call(lessonEngine, 'lesson'), null);
  assert.deepEqual(call(lessonEngine, 'openLesson', 'vantrel-lesson 2\n'), {
    opened: false,
    message: call(module, 'notALessonMessage'),
    change: {
      table: false,
      selection: false,
      run: false,
      counters: false,
      parameters: false,
      learner: false,
    },
  });
  assert.equal(call(lessonEngine, 'openLesson', text).opened, true);
  const open = call(lessonEngine, 'lesson');
  assert.deepEqual([open.title, open.experiment, open.lockParameters], ['Drift', 4, true]);
  assert.match(open.id, /^[0-9a-f]{8}$/);
  assert.equal(call(lessonEngine, 'parametersLocked'), true);
  assert.equal(call(lessonEngine, 'runsFileName'), 'runs.csv');
  call(lessonEngine, 'setPupil', ' Anna ');
  assert.equal(lessonEngine.runsFileName(), 'runs-Anna.csv');
  for (let i = 0; i < 5; ++i) lessonEngine.shoot();
  lessonEngine.newGenePool();
  const runs = lessonEngine.runsCsv();
  lessonEngine.delete();

  for (const [link, isLesson] of [
    ['https://example.org/vantrel/#lesson=AAAA', true],
    ['lesson=AAAA', true],
    ['#lesson=@@', true],
    ['#population=AAAA', false],
    ['', false],
  ]) {
    assert.equal(call(module, 'isLessonLink', link), isLesson, link);
  }
  const bytes = Uint8Array.of(0, 1, 250, 255);
  const fragment = call(module, 'lessonFragment', bytes);
  assert.equal(fragment, '#lesson=AAH6_w');
  assert.deepEqual(call(module, 'lessonLinkBytes', `https://x/${fragment}`), bytes);
  assert.equal(module.lessonLinkBytes('#lesson=@@'), null);
  const shape = call(module, 'goalWords').find((aspect) => aspect.key === 'shape');
  assert.ok(shape.words.includes('square'));
  assert.equal(call(module, 'lessonLimits').lastExperiment, 5);
  // The goal as pupils read it; a list the program cannot read says why.
  assert.equal(call(module, 'goalSentence', 'shape=square,color=red'), 'a red square');
  assert.equal(call(module, 'goalSentence', ''), '');
  assert.match(module.goalSentence('color=sky'), /'sky'/);
  // An idea drawn for a lesson is judged words the goal's choices offer, the same for the
  // same seed, and always a goal the pupils' faces read.
  const offered = new Map(module.goalWords().map(({ key, words }) => [key, words]));
  for (let seed = 1; seed <= 40; seed += 1) {
    const chosen = call(module, 'ideaGoal', seed);
    assert.deepEqual(module.ideaGoal(seed), chosen);
    assert.ok(chosen.length > 0, `seed ${seed} gives a goal of words`);
    for (const { key, word } of chosen)
      assert.ok(offered.get(key)?.includes(word), `${key}=${word}`);
    const list = chosen.map(({ key, word }) => `${key}=${word}`).join(',');
    assert.doesNotMatch(module.goalSentence(list), /'/, list);
  }
  const sheet = call(module, 'worksheet', 1);
  assert.ok(sheet.steps.length >= 3 && sheet.questions.length >= 3);
  assert.equal(sheet.countColumns.length, 5);
  assert.deepEqual([module.worksheet(0).steps, module.worksheet(6).questions], [[], []]);

  const classMembers = declaredMembers('class', 'ClassResults');
  const classCalled = new Set(['delete']);
  const pooled = new module.ClassResults([
    { name: 'runs-Anna.csv', bytes: new TextEncoder().encode(runs) },
    { name: 'notes.txt', bytes: new TextEncoder().encode('no runs here') },
  ]);
  const classCall = (name) => {
    classCalled.add(name);
    const answer = pooled[name]();
    checkShape(answer, classMembers.get(name).type, `ClassResults.${name}()`);
    return answer;
  };
  assert.equal(classCall('filesRead'), 1); // the runs files among them
  assert.ok(classCall('groups').some((group) => group.pupils.includes('Anna')));
  assert.equal(classCall('skipped').length, 1);
  assert.match(pooled.skipped()[0], /notes\.txt/);
  assert.ok(classCall('summary').length > 0);
  const pooledRuns = classCall('pooledCsv').split('\r\n').filter(Boolean).length - 1;
  assert.equal(classCall('sheet').rows, pooledRuns + 1);
  assert.equal(classCall('sheetCells').problem, '');
  pooled.delete();
  assert.deepEqual([...classCalled].sort(), [...classMembers.keys()].sort(), 'every call');
  called.add('ClassResults');
});

// The language: the engine's texts come from the catalogue handed over; a damaged one or
// an unknown code leaves them English.
test('the language, the texts and numbers, the limits and the first values come from the engine', async () => {
  const record = (...fields) => fields.join('\u001f') + '\u001e';
  const germanNote = new TextEncoder().encode(
    record('vantrel-catalogue 1', 'de') +
      record(
        'Gallery',
        'The picture shows the first %1 of %2 organisms, in table order.',
        'Erst %1 von %2.',
      ),
  );
  assert.equal(call(module, 'setLanguage', 'de-AT', germanNote), 'de');
  assert.equal(call(module, 'language'), 'de');
  assert.equal(module.contactSheetNote(1000, 1200), 'Erst 1.000 von 1.200.');
  module.setLanguage('nl', germanNote.subarray(4));
  assert.match(module.contactSheetNote(1000, 1200), /^The picture shows the first 1.000 of 1.200/);
  assert.equal(module.setLanguage('xx', germanNote), 'en');
  assert.match(module.contactSheetNote(1000, 1200), /first 1,000 of 1,200/);
  // The page's texts and numbers as the engine reads and writes them (the cases are the
  // page's, in page_units_test.mjs, and the core's).
  module.setLanguage('de', germanNote);
  const galleryNote = 'The picture shows the first %1 of %2 organisms, in table order.';
  assert.deepEqual(
    [
      call(module, 'tr', 'Gallery', galleryNote),
      call(module, 'trN', 'Page', '%n run', '%n runs', 1234),
      call(module, 'localDecimal', 1234.5, -1),
      module.localDecimal(0.25, 1),
    ],
    ['Erst %1 von %2.', '1.234 runs', '1.234,5', '0,3'],
  );
  // The languages, the choice by preference, and the texts of one context.
  assert.deepEqual(
    call(module, 'languages').map(({ code }) => code),
    ['en', 'nl', 'de', 'pseudo'],
  );
  assert.equal(call(module, 'preferredLanguage', ['fr', 'pseudo', 'NL-be']), 'nl');
  assert.deepEqual(call(module, 'translatedTexts', 'Gallery'), [[galleryNote, 'Erst %1 von %2.']]);
  // A moment in the browser's own local time, as the language writes it.
  const local = new Date(noon);
  const two = (n) => String(n).padStart(2, '0');
  const time = [local.getHours(), local.getMinutes(), local.getSeconds()].map(two).join(':');
  assert.equal(
    call(module, 'localDateTime', noon),
    `${two(local.getDate())}.${two(local.getMonth() + 1)}.${local.getFullYear()} ${time}`,
  );
  module.setLanguage('en', new Uint8Array());
  assert.equal(module.trN('Page', '%n run', '%n runs', 1), '1 run');
  assert.equal(call(module, 'arg', '%2 of %1, %3', ['%2', 'x']), 'x of %2, %3');
  // The start population's limits are the ones the engine caps to.
  const limits = call(module, 'limits');
  const capped = new module.Engine(noon);
  const capsAt = (startOrganisms) => capped.setParameters({ startOrganisms }).startOrganisms;
  assert.deepEqual([capsAt(0), capsAt(1e6)], [limits.minStartOrganisms, limits.maxStartOrganisms]);
  capped.delete();
  assert.ok(limits.keepRuns > 1);
  // The automatic runs' first values are vantrel-lab's but for fewer runs.
  const firstValues = call(module, 'autoRunDefaults');
  const labDefaults = new module.LabSweep(['--goal', 'shape=square']);
  assert.ok(firstValues.runs < labDefaults.totalRuns());
  labDefaults.delete();
});

// The learner: its words follow the user's clicks, never its own; the chances lie within
// 0 and 1 and only for organisms; "Judge like me" is one step however many calls it takes.
test('the learner and Judge like me answer as declared', () => {
  const judged = new module.Engine(noon);
  const texts = call(module, 'learnerTexts');
  assert.ok(texts.firstClicks <= texts.mostClicks && texts.firstPace <= texts.fastestPace);
  assert.equal(call(module, 'judgingProgress', 3, 20), 'Judged 3 of 20 clicks');
  assert.equal(module.judgingProgress(0, 1), 'Judged 0 of 1 click');
  assert.deepEqual(call(judged, 'learner').traits, []);
  for (const key of 'ffssfsfsfsss') {
    if (key === 'f') judged.feed();
    else judged.shoot();
  }
  const learned = call(judged, 'learner');
  assert.ok(learned.traits.length > 0 && learned.accuracy.startsWith('Predicted '));
  assert.equal(learned.userClicks, 12);
  const rows = judged.rowCount();
  for (const [row, inside] of [
    [0, false],
    [1, true],
    [rows, true],
    [rows + 1, false],
  ]) {
    const chance = call(judged, 'chanceKept', row);
    assert.equal(chance !== null && chance >= 0 && chance <= 1, inside, `row ${row}`);
    assert.equal(call(judged, 'chanceKeptText', row) !== '', inside, `row ${row} in words`);
  }
  // Three calls of the learner's clicks, one step: one undo takes all of them back.
  assert.equal(call(judged, 'startJudging'), true);
  assert.equal(judged.startJudging(), false, 'while judging');
  assert.equal(call(judged, 'judging'), true);
  for (const clicks of [2, 3, 1]) assert.equal(call(judged, 'judgeMore', clicks).learner, true);
  assert.equal(call(judged, 'stopJudging').learner, true);
  const after = judged.learner();
  assert.deepEqual([after.userClicks, after.learnerClicks], [12, 6]);
  assert.deepEqual(after.traits, learned.traits, 'it learns nothing from its own clicks');
  judged.undo();
  assert.equal(judged.learner().learnerClicks, 0);
  assert.equal(call(judged, 'resetLearner').learner, true);
  assert.deepEqual([judged.learner().traits, judged.learner().accuracy], [[], '']);
  judged.delete();
});

test('every declared call is made', () => {
  assert.deepEqual(
    [...called].sort(),
    [...engineMembers.keys(), ...moduleMembers.keys()].filter((n) => n !== 'Engine').sort(),
    'every declared call is made',
  );
});

// new Engine() reads the clock as the desktop reads its own: the same table as an engine
// pinned at the same moment.
test('new Engine() reads the clock as the desktop reads its own', async () => {
  const realNow = Date.now;
  Date.now = () => noon;
  const fromClock = new module.Engine();
  Date.now = realNow;
  const pinned = new module.Engine(noon);
  assert.deepEqual(fromClock.tableBytes(), pinned.tableBytes());
  fromClock.delete();
  pinned.delete();
  console.log(`bindings_test: ${called.size} calls checked against ${declarationsPath}`);
});
