// SPDX-License-Identifier: GPL-3.0-or-later
// An automatic runs' worker: starts its engine from the compiled WebAssembly the page
// hands it first (no copy of its own to fetch or compile), then plays the share of a sweep
// it is given, one run after another on its own thread, and posts each finished run at
// once, so a share stopped half-way keeps what it finished.
import type { VantrelEngineModule } from 'vantrel-engine';
import type { ShareJob, WorkerNews, WorkerOrder } from './autorun_messages';
import { startEngine } from './engine_start';

function tell(news: WorkerNews): void {
  self.postMessage(news);
}

let loaded: Promise<VantrelEngineModule> | null = null;

// Runs played and dropped as soon as the engine is loaded, before any sweep (about a tenth
// of a second): the browser compiles the judge's busiest code anew, optimised, once it has
// run a while, and would otherwise do so while the first sweep plays. A warm-up that fails
// changes nothing; the sweep itself says what is wrong.
const kWarmUp = ['--goal', 'shape=square', '--population', '10', '--runs', '200', '--seed', '1'];

function warmUp(vantrel: VantrelEngineModule): void {
  try {
    const sweep = new vantrel.LabSweep(kWarmUp);
    try {
      for (const run of sweep.shardRuns(1, 1)) sweep.playRun(run);
    } finally {
      sweep.delete();
    }
  } catch {
    // Only the warm-up is lost.
  }
}

function load(compiled: WebAssembly.Module): void {
  loaded = startEngine(compiled).then((vantrel) => {
    warmUp(vantrel);
    return vantrel;
  });
  loaded.then(
    () => tell({ kind: 'ready' }),
    (error: unknown) => tell({ kind: 'failed', message: String(error) }),
  );
}

async function play(job: ShareJob): Promise<void> {
  if (!loaded) throw new Error('no engine was handed to the worker');
  const vantrel = await loaded;
  const sweep = new vantrel.LabSweep(job.args);
  try {
    const error = sweep.error();
    if (error) throw new Error(error);
    for (const run of sweep.shardRuns(job.shard, job.shards)) {
      tell({ kind: 'run', record: sweep.playRun(run) });
    }
  } finally {
    sweep.delete();
  }
  tell({ kind: 'done' });
}

self.addEventListener('message', (event: MessageEvent<WorkerOrder>) => {
  const order = event.data;
  if ('compiled' in order) {
    load(order.compiled);
    return;
  }
  play(order).catch((error: unknown) => {
    tell({ kind: 'failed', message: error instanceof Error ? error.message : String(error) });
  });
});
