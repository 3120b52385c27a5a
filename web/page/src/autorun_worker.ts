// SPDX-License-Identifier: GPL-3.0-or-later
// An automatic runs' worker: starts its engine from the compiled WebAssembly the page
// hands it first (no copy of its own to fetch or compile), then plays the shares of a
// sweep it is given, one run after another on its own thread. It posts its finished runs
// every kPostInterval milliseconds, not one by one: each message costs the page's thread
// tens of microseconds, time the workers lose when they share the processor with it. After
// each post it reads its messages, so that a stop order ends the shares there with every
// finished run posted.
import type { LabSweep, SweepRecord, VantrelEngineModule } from 'vantrel-engine';
import type { ShareJob, WorkerNews, WorkerOrder } from './autorun_messages';
import { startEngine } from './engine_start';
import { nextTask } from './next_task';

function tell(news: WorkerNews): void {
  self.postMessage(news);
}

let loaded: Promise<VantrelEngineModule> | null = null;
let stopAsked = false;

const kPostInterval = 50; // milliseconds

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

// The sweep whose shares are being played, made once for all of them: its options are
// read once, so the browser has no cause to compile that reading anew, optimised, in the
// middle of a sweep, as it did when share after share read them.
let current: { key: string; sweep: LabSweep } | null = null;

function sweepOf(vantrel: VantrelEngineModule, args: string[]): LabSweep {
  const key = JSON.stringify(args);
  if (current?.key !== key) {
    current?.sweep.delete();
    current = { key, sweep: new vantrel.LabSweep(args) };
  }
  return current.sweep;
}

async function play(job: ShareJob): Promise<void> {
  if (!loaded) throw new Error('no engine was handed to the worker');
  const sweep = sweepOf(await loaded, job.args);
  let records: SweepRecord[] = [];
  try {
    const error = sweep.error();
    if (error) throw new Error(error);
    let posted = performance.now();
    for (const shard of job.picked) {
      if (stopAsked) break;
      for (const run of sweep.shardRuns(shard, job.shards)) {
        records.push(sweep.playRun(run));
        if (performance.now() - posted < kPostInterval) continue;
        tell({ kind: 'runs', records });
        records = [];
        await nextTask(); // reads the messages that came meanwhile
        if (stopAsked) break;
        posted = performance.now();
      }
    }
  } finally {
    // Finished runs are posted even when a run fails: they stay in the notebook.
    if (records.length > 0) tell({ kind: 'runs', records });
  }
  tell({ kind: 'done' });
}

self.addEventListener('message', (event: MessageEvent<WorkerOrder>) => {
  const order = event.data;
  if ('compiled' in order) {
    load(order.compiled);
    return;
  }
  if ('kind' in order) {
    stopAsked = true;
    return;
  }
  stopAsked = false;
  play(order).catch((error: unknown) => {
    tell({ kind: 'failed', message: error instanceof Error ? error.message : String(error) });
  });
});
