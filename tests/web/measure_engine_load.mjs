// SPDX-License-Identifier: GPL-3.0-or-later
// Times the engine's load of a big table inside the page's WebAssembly module under Node,
// the call the page makes (`loadTable` with the file's bytes) and nothing of the page: as
// tools/bench's BM_EngineLoadTable does natively, two tables of ROWS organisms loaded in
// turn into one engine, and the median of ROUNDS loads after the first. The first load,
// which grows the module's memory, is printed apart. Run by hand or by
// scripts/time-load.sh:
//   node --no-experimental-fetch tests/web/measure_engine_load.mjs MODULE [ROWS [ROUNDS]]
import { performance } from 'node:perf_hooks';

import { loadEngineModule } from './load_module.mjs';
import { makeTableText } from './make_table.mjs';

const [modulePath, rowsArg, roundsArg] = process.argv.slice(2);
if (!modulePath) {
  console.error('usage: measure_engine_load.mjs MODULE [ROWS [ROUNDS]]');
  process.exit(2);
}
const rows = Number(rowsArg ?? 100000);
const rounds = Number(roundsArg ?? 8);

// Two different tables of the same size, so that no load finds the table it replaces.
const text = makeTableText(rows);
const tables = [
  text,
  text.replace(/ (\d{13}) #/g, (_, dna) => ` ${dna.split('').reverse().join('')} #`),
].map((table) => Uint8Array.from(table, (c) => c.charCodeAt(0)));
const module = await loadEngineModule(modulePath);
const engine = new module.Engine(12 * 3600 * 1000);
// The load's wall time and the process's processor time meanwhile (user and system, all
// of Node's threads), which holds steadier when other programs share the processor.
const timed = (bytes) => {
  const [start, cpu] = [performance.now(), process.cpuUsage()];
  const outcome = engine.loadTable(bytes, 'big.str');
  const [took, used] = [performance.now() - start, process.cpuUsage(cpu)];
  if (!outcome.ok) throw new Error(outcome.message);
  return { wall: took, cpu: (used.user + used.system) / 1000 };
};
const first = timed(tables[0]);
const times = [];
for (let round = 0; round < rounds; round += 1) times.push(timed(tables[(round + 1) % 2]));
const median = (key) => times.map((time) => time[key]).sort((a, b) => a - b)[times.length >> 1];
console.log(`first load ${first.wall.toFixed(1)} ms, processor ${first.cpu.toFixed(1)} ms`);
console.log(`median_ms ${median('wall').toFixed(1)}`);
console.log(`median_cpu_ms ${median('cpu').toFixed(1)}`);
