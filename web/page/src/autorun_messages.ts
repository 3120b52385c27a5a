// SPDX-License-Identifier: GPL-3.0-or-later
// What the page and an automatic runs' worker say to each other. The page hands a worker
// the engine's compiled WebAssembly as soon as it starts, then vantrel-lab's options with
// a few shares (--shard K/N for each K listed) at a time, and may ask it to stop; the
// worker answers once its engine is loaded, then with its finished runs a few times a
// second, then once when the shares are done (or stopped) or when it failed.
import type { SweepRecord } from 'vantrel-engine';

export interface ShareJob {
  args: string[];
  // The shares K to play, in order, each of `shards`.
  picked: number[];
  shards: number;
}

export interface EngineGift {
  kind: 'engine';
  compiled: WebAssembly.Module;
}

export interface StopOrder {
  kind: 'stop';
}

export type WorkerOrder = EngineGift | ShareJob | StopOrder;

export type WorkerNews =
  | { kind: 'ready' }
  | { kind: 'runs'; records: SweepRecord[] }
  | { kind: 'done' }
  | { kind: 'failed'; message: string };
