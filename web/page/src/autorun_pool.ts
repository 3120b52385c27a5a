// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic runs' workers: one per processor core the browser reports, started ahead
// of a sweep so that each has loaded its engine by the time Run is pressed. A sweep is cut
// into kSharesPerWorker shares per worker, share K of S the runs --shard K/S would play,
// and a worker that finishes its shares takes the next few: the cores of a shared machine
// often run at different speeds, and with one fixed share each the sweep would last as
// long as the slowest core's half. A worker takes a part of the shares left in proportion
// (sharesTaken), so the last ones handed out are single shares and the workers end close
// together, with few messages on the way. Finished runs arrive a few times a second.
// Cancel asks the workers to stop, and each does so between two runs with all it finished
// posted; one that does not answer within kStopWait milliseconds (a run that goes on and
// on) is ended there and replaced, its run under way lost. A worker that fails keeps its
// finished runs and the others go on.
import type { SweepRecord } from 'vantrel-engine';
import type { ShareJob, StopOrder, WorkerNews } from './autorun_messages';

export const kStopWait = 1000;
const kSharesPerWorker = 32;

// How many of the `left` shares a worker takes when it asks, `workers` playing: half of an
// even part each, so that what is left shrinks steadily down to single shares.
function sharesTaken(left: number, workers: number): number {
  return Math.min(left, Math.max(1, Math.floor(left / (2 * workers))));
}

export interface SweepOutcome {
  records: SweepRecord[];
  cancelled: boolean;
  // What stopped each worker that failed.
  failures: string[];
}

export interface SweepListener {
  progressed(done: number): void;
  finished(outcome: SweepOutcome): void;
}

interface PoolWorker {
  worker: Worker;
  ready: boolean;
  // The share it plays: its news goes there until the share ends.
  onNews: ((news: WorkerNews) => void) | null;
}

export function workerCount(): number {
  return Math.max(1, Math.floor(navigator.hardwareConcurrency || 1));
}

export class AutoRunPool {
  private workers: PoolWorker[] = [];
  private sweep: {
    records: SweepRecord[];
    listener: SweepListener;
    busy: Set<PoolWorker>;
    stopping: boolean;
  } | null = null;
  private failures: string[] = [];

  constructor(
    private readonly startWorker: () => Worker,
    private readonly count: () => number = workerCount,
    private readonly stopWait = kStopWait,
  ) {}

  get running(): boolean {
    return this.sweep !== null;
  }

  // Workers whose engine has loaded.
  get readyWorkers(): number {
    return this.workers.filter((w) => w.ready).length;
  }

  // Starts workers until there is one per core.
  warm(): void {
    while (this.workers.length < this.count()) {
      const entry: PoolWorker = { worker: this.startWorker(), ready: false, onNews: null };
      entry.worker.addEventListener('message', (event: MessageEvent<WorkerNews>) => {
        if (event.data.kind === 'ready') entry.ready = true;
        else entry.onNews?.(event.data);
      });
      entry.worker.addEventListener('error', (event: ErrorEvent) => {
        event.preventDefault();
        const news: WorkerNews = { kind: 'failed', message: event.message || 'error' };
        if (entry.onNews) entry.onNews(news);
        else this.drop(entry);
      });
      this.workers.push(entry);
    }
  }

  // Plays `total` runs of the sweep `args` on as many workers as there are cores (never
  // more than runs).
  play(args: string[], total: number, listener: SweepListener): void {
    if (this.sweep) return;
    this.warm();
    this.failures = [];
    const workers = Math.max(1, Math.min(this.workers.length, total));
    const shards = Math.max(1, Math.min(workers * kSharesPerWorker, total));
    const sweep = {
      records: [] as SweepRecord[],
      listener,
      busy: new Set<PoolWorker>(),
      stopping: false,
    };
    this.sweep = sweep;
    let next = 1; // the next share to hand out
    const handOut = (entry: PoolWorker): boolean => {
      if (sweep.stopping || next > shards) return false;
      const count = sharesTaken(shards - next + 1, workers);
      const picked = Array.from({ length: count }, (_, i) => next + i);
      const job: ShareJob = { args, picked, shards };
      next += count;
      entry.worker.postMessage(job);
      return true;
    };
    this.workers.slice(0, workers).forEach((entry) => {
      sweep.busy.add(entry);
      entry.onNews = (news) => {
        if (news.kind === 'runs') {
          sweep.records.push(...news.records);
          listener.progressed(sweep.records.length);
          return;
        }
        if (news.kind === 'failed') {
          this.failures.push(news.message);
          this.drop(entry);
        } else if (handOut(entry)) {
          return;
        }
        entry.onNews = null;
        sweep.busy.delete(entry);
        if (sweep.busy.size === 0) this.finish(sweep.stopping);
      };
      handOut(entry);
    });
  }

  // Stops the sweep under way; what finished so far is kept. The listener hears when the
  // workers have stopped.
  cancel(): void {
    const sweep = this.sweep;
    if (!sweep || sweep.stopping) return;
    sweep.stopping = true;
    const stop: StopOrder = { kind: 'stop' };
    for (const entry of sweep.busy) entry.worker.postMessage(stop);
    setTimeout(() => {
      if (this.sweep !== sweep) return;
      for (const entry of sweep.busy) this.drop(entry);
      this.finish(true);
    }, this.stopWait);
  }

  private drop(entry: PoolWorker): void {
    entry.worker.terminate();
    entry.onNews = null;
    this.workers = this.workers.filter((w) => w !== entry);
  }

  private finish(cancelled: boolean): void {
    const sweep = this.sweep;
    if (!sweep) return;
    this.sweep = null;
    for (const entry of sweep.busy) entry.onNews = null;
    // Fresh workers for the next sweep, in place of those ended.
    this.warm();
    sweep.listener.finished({ records: sweep.records, cancelled, failures: this.failures });
  }
}
