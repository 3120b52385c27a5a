// SPDX-License-Identifier: GPL-3.0-or-later
// Readies the engine's memory for a big load, a slice per task. The first write to each
// page of fresh memory has the system hand the page over, and on some machines that costs
// more than the load's own work (100,000 organisms write some 60 MB): done beforehand in
// short tasks, the page stays responsive and the load itself is one short task.
import type { MemoryReserve } from 'vantrel-engine';

// Bytes of memory a load writes for each byte of its file: about 17 for 100,000 organisms.
export const kLoadMemoryFactor = 16;
// Written in one task: a few milliseconds, or some 10 ms where fresh memory is slowest.
export const kSliceBytes = 4 << 20;

// Takes the memory a load of `fileBytes` will write and writes to it a slice per task.
// Resolves to the reserve, to be deleted just before the load so that the load gets its
// memory, or to nothing when that much memory was not to be had.
export async function readyMemory(
  take: (bytes: number) => MemoryReserve,
  fileBytes: number,
  // Waits for the next task (next_task.ts).
  next: () => Promise<void>,
): Promise<MemoryReserve | undefined> {
  const reserve = take(fileBytes * kLoadMemoryFactor);
  if (!reserve.ok()) {
    reserve.delete();
    return undefined;
  }
  try {
    while (!reserve.touch(kSliceBytes)) await next();
  } catch (error) {
    reserve.delete();
    throw error;
  }
  return reserve;
}
