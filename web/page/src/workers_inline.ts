// SPDX-License-Identifier: GPL-3.0-or-later
// Starts an automatic runs' worker from code inlined in the page (a Blob URL of the
// worker's module text), for the single file opened from a disk, where no worker file
// can be fetched.
import type { EngineGift } from './autorun_messages';
import AutoRunWorker from './autorun_worker.ts?worker&inline';

// The worker gets the page's compiled engine rather than a second copy of the WebAssembly.
export function startAutoRunWorker(compiled: WebAssembly.Module): Worker {
  const worker = new AutoRunWorker({ name: 'autoruns' });
  worker.postMessage({ kind: 'engine', compiled } satisfies EngineGift);
  return worker;
}
