// SPDX-License-Identifier: GPL-3.0-or-later
// Plays actions.txt on the WebAssembly module, as replay/replay_main.cc plays it on the
// desktop's engine, and writes the bytes of every saved table and what the learner has
// learned at each "learner" to one file, in the same layout. "language CODE" hands the
// module the catalogue the build made beside it.
//
//   node replay.mjs MODULE SCRIPT OUTPUT
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { loadEngineModule } from './load_module.mjs';

const [modulePath, scriptPath, outputPath] = process.argv.slice(2);
if (!outputPath) {
  console.error('usage: node replay.mjs MODULE SCRIPT OUTPUT');
  process.exit(2);
}
const module = await loadEngineModule(modulePath);
const lines = readFileSync(scriptPath, 'utf8').split('\n');

let engine = null;
let lastSaved = null;
const saved = [];

function fail(number, what) {
  console.error(`line ${number}: ${what}`);
  process.exit(1);
}

lines.forEach((line, index) => {
  const number = index + 1;
  const [action, ...args] = line.trim().split(/\s+/);
  if (!action || action.startsWith('#')) return;
  if (action === 'start') {
    if (engine || args.length < 1) fail(number, 'start MS comes once, first');
    engine = new module.Engine(Number(args[0]));
    return;
  }
  if (!engine) fail(number, 'the script starts with start MS');
  const times = args.length > 0 ? Number(args[0]) : 1;
  const repeat = (act) => {
    for (let i = 0; i < times; ++i) act();
  };
  switch (action) {
    case 'feed':
      repeat(() => engine.feed());
      break;
    case 'shoot':
      repeat(() => engine.shoot());
      break;
    case 'undo':
      repeat(() => engine.undo());
      break;
    case 'redo':
      repeat(() => engine.redo());
      break;
    case 'new-gene-pool':
      engine.newGenePool();
      break;
    case 'idea':
      engine.newIdea();
      break;
    case 'reached':
      engine.declareReached();
      break;
    case 'select':
      engine.selectRow(Number(args[0]));
      break;
    case 'parameters': {
      const [startOrganisms, creativity, bonus] = args.map(Number);
      engine.setParameters({ startOrganisms, creativity, bonus });
      break;
    }
    case 'save':
      lastSaved = engine.tableBytes();
      saved.push(lastSaved);
      break;
    case 'learner': {
      const { traits, accuracy } = engine.learner();
      const bytes = Buffer.from(engine.learnerBytes()).toString('hex');
      const lines = [bytes, ...traits.map((trait) => trait.text), accuracy, ''];
      saved.push(Buffer.from(`${lines.join('\n')}\n`, 'utf8'));
      break;
    }
    case 'language': {
      const name = `vantrel_${args[0]}.cat`;
      const catalogue = path.join(path.dirname(modulePath), '..', 'catalogues', name);
      if (module.setLanguage(args[0], readFileSync(catalogue)) !== args[0]) {
        fail(number, 'language CODE');
      }
      break;
    }
    case 'load':
      if (!lastSaved || !engine.loadTable(lastSaved, 'table.str').ok) {
        fail(number, 'cannot load the table saved last');
      }
      break;
    default:
      fail(number, `unknown action ${action}`);
  }
});
engine?.delete();
writeFileSync(outputPath, Buffer.concat(saved.map((bytes) => Buffer.from(bytes))));
