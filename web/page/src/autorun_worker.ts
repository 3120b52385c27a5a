// SPDX-License-Identifier: GPL-3.0-or-later
// An automatic runs' worker: loads the engine's module itself as soon as it starts, then
// plays the share of a sweep it is given, one run after another on its own thread, and
// posts each finished run at once, so a share stopped half-way keeps what it finished.
import createVantrelEngine from 'vantrel-engine';
import type { ShareJob, WorkerNews } from './autorun_messages';

function tell(news: WorkerNews): void {
  self.postMessage(news);
}

const loaded = createVantrelEngine();
loaded.then(
  () => tell({ kind: 'ready' }),
  (error: unknown) => tell({ kind: 'failed', message: String(error) }),
);

async function play(job: ShareJob): Promise<void> {
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

self.addEventListener('message', (event: MessageEvent<ShareJob>) => {
  play(event.data).catch((error: unknown) => {
    tell({ kind: 'failed', message: error instanceof Error ? error.message : String(error) });
  });
});
