// SPDX-License-Identifier: GPL-3.0-or-later
// How large a table file the engine's module holds: each size is loaded into a fresh
// module in a process of its own, then the population is worked on as a user would (a
// shot, undo of it and of the load, redo, Save's bytes). Prints per size whether all of it
// went and the module's memory at the end; the page's limit (kMaxTableFileBytes in
// web/session.h) stays well below the first size that fails.
//
//   node measure_file_limit.mjs MODULE [MEGABYTES ...]
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { loadEngineModule } from './load_module.mjs';
import { makeTable } from './make_table.mjs';

const [modulePath, ...sizes] = process.argv.slice(2);
const kRowBytes = 39; // about, in make_table's rows

if (sizes[0] === '--one') {
  const module = await loadEngineModule(modulePath);
  const bytes = makeTable(Math.round((Number(sizes[1]) * 2 ** 20) / kRowBytes));
  const engine = new module.Engine(Date.UTC(2026, 11, 9, 12));
  const began = performance.now();
  let step = 'load';
  try {
    if (!engine.loadTable(bytes, 'big.str').ok) throw new Error('refused');
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
    `${(bytes.length / 2 ** 20).toFixed(0)} MB: ${step}, ${seconds} s, ` +
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
