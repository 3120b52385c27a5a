// SPDX-License-Identifier: GPL-3.0-or-later
// How large a table file the engine's module holds: each size is loaded into a fresh
// module in a process of its own, then the population is worked on as a user would (a
// shot, undo of it and of the load, redo, Save's bytes). Prints per size whether all of it
// went and the module's memory at the end; the page's limit (kMaxTableFileBytes in
// web/session.h) stays well below the first size that fails. A size is megabytes of
// make_table's rows, or MEGABYTESxCELL for rows whose first cell holds CELL bytes: the
// engine refuses tables of more cells than it holds, however short they are.
//
//   node measure_file_limit.mjs MODULE [MEGABYTES[xCELL] ...]
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { loadEngineModule } from './load_module.mjs';
import { makeTable } from './make_table.mjs';

const [modulePath, ...sizes] = process.argv.slice(2);
const kRowBytes = 39; // about, in make_table's rows

// A table of about `megabytes`.
function table(megabytes, cellBytes) {
  const total = megabytes * 2 ** 20;
  if (!cellBytes) return makeTable(Math.round(total / kRowBytes));
  const line = ` ${'x'.repeat(cellBytes)} # 0 # 1234567890123 # 0 #\r\n`;
  const head = ' P1 # P2 # DNA # Survival #\r\n';
  return Buffer.from(head + line.repeat(Math.round(total / line.length)), 'latin1');
}

if (sizes[0] === '--one') {
  const module = await loadEngineModule(modulePath);
  const [megabytes, cellBytes] = sizes[1].split('x').map(Number);
  const bytes = table(megabytes, cellBytes);
  const engine = new module.Engine(Date.UTC(2026, 11, 9, 12));
  const began = performance.now();
  let step = 'load';
  try {
    const loaded = engine.loadTable(bytes, 'big.str');
    if (!loaded.ok) throw new Error(loaded.message);
    step = 'shoot';
    engine.shoot();
    step = 'undo';
    engine.undo();
    engine.undo();
    step = 'redo';
    engine.redo();
    step = 'save';
    engine.tableBytes();
    step = 'done';
  } catch (error) {
    step += ` failed (${String(error).slice(0, 60)})`;
  }
  const seconds = ((performance.now() - began) / 1000).toFixed(1);
  console.log(
    `${sizes[1]}: ${(bytes.length / 2 ** 20).toFixed(0)} MB, ${step}, ${seconds} s, ` +
      `memory ${(module.HEAP8.length / 2 ** 20).toFixed(0)} MB`,
  );
} else {
  for (const megabytes of sizes.length > 0 ? sizes : ['32', '64', '96', '128']) {
    try {
      process.stdout.write(
        execFileSync(
          process.execPath,
          [
            '--no-experimental-fetch',
            fileURLToPath(import.meta.url),
            modulePath,
            '--one',
            megabytes,
          ],
          { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] },
        ),
      );
    } catch (error) {
      console.log(`${megabytes} MB: the module stopped (${String(error.stderr).split('\n')[0]})`);
    }
  }
}
