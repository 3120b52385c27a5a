// SPDX-License-Identifier: GPL-3.0-or-later
// Byte blocks joined into one array, as the journal reads its entries back and the
// workbook puts its sheet together.

export function joinBytes(blocks: readonly Uint8Array[]): Uint8Array {
  const joined = new Uint8Array(blocks.reduce((size, block) => size + block.length, 0));
  let at = 0;
  for (const block of blocks) {
    joined.set(block, at);
    at += block.length;
  }
  return joined;
}
