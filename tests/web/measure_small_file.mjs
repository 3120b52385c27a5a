// SPDX-License-Identifier: GPL-3.0-or-later
// Opens one file with the page's engine (the WebAssembly module under Node, the same call
// the page makes) in this process and prints its size, the load's time, the process's
// peak resident memory before and after, and what the load said. Run it once per file in
// a fresh process, as scripts/bench.sh does for the small files that once took the
// machine's memory:
//   node --no-experimental-fetch tests/web/measure_small_file.mjs build/wasm/web/vantrel_engine.mjs FILE
import { readFileSync } from 'node:fs';
import { performance } from 'node:perf_hooks';

import { loadEngineModule } from './load_module.mjs';

const [modulePath, file] = process.argv.slice(2);
if (!modulePath || !file) {
  console.error('usage: measure_small_file.mjs MODULE FILE');
  process.exit(2);
}
const module = await loadEngineModule(modulePath);
const engine = new module.Engine(12 * 3600 * 1000);
const bytes = readFileSync(file);
const before = process.resourceUsage().maxRSS;
const start = performance.now();
const outcome = engine.loadTable(new Uint8Array(bytes), 'probe.str');
const took = performance.now() - start;
const after = process.resourceUsage().maxRSS;
console.log(
  `${bytes.length} bytes  ${took.toFixed(1)} ms  peak ${before} KiB before, ${after} KiB after  ` +
    (outcome.ok ? 'opened' : outcome.message),
);
