// SPDX-License-Identifier: GPL-3.0-or-later
// Starts an automatic runs' worker from its own file beside the page (the served site).
// The single file starts it from inlined code instead (workers_inline.ts); the build picks
// one of the two by the alias 'autorun-workers'.
import type { EngineGift } from './autorun_messages';

// The worker gets the page's compiled engine, so it neither fetches nor compiles its own.
export function startAutoRunWorker(compiled: WebAssembly.Module): Worker {
  const worker = new Worker(new URL('./autorun_worker.ts', import.meta.url), {
    type: 'module',
    name: 'autoruns',
  });
  worker.postMessage({ kind: 'engine', compiled } satisfies EngineGift);
  return worker;
}
