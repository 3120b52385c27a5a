// SPDX-License-Identifier: GPL-3.0-or-later
// Starts an automatic runs' worker from code inlined in the page (a Blob URL of the
// worker's module text), for the single file opened from a disk, where no worker file
// can be fetched.
import AutoRunWorker from './autorun_worker.ts?worker&inline';

export function startAutoRunWorker(): Worker {
  return new AutoRunWorker({ name: 'autoruns' });
}
