// SPDX-License-Identifier: GPL-3.0-or-later
// The population view's pictures, drawn by the engine's raster and kept by DNA and size:
// the least recently used go first once the pictures hold more than the budget, as the
// desktop's thumbnail cache does.
import type { Engine } from 'vantrel-engine';

// Room for about 1,300 pictures at the default 96 px: a population of 1,000 and its newest
// children, so a step's jump to a random selection finds the pictures it shows.
export const kThumbnailBudget = 48 << 20; // bytes of pixels

// The side goes first, so odd DNA text still makes a distinct key.
function keyOf(dna: string, side: number): string {
  return `${String(side)}\u001f${dna}`;
}

export class ThumbnailCache {
  private readonly pictures = new Map<string, ImageData>(); // in order of last use
  private bytes = 0;
  drawn = 0; // pictures the engine has drawn, for the tests and measurements

  constructor(
    private readonly engine: Engine,
    private readonly budget = kThumbnailBudget,
  ) {}

  // The picture of `dna` `side` device pixels square, if it is kept.
  find(dna: string, side: number): ImageData | undefined {
    const key = keyOf(dna, side);
    const kept = this.pictures.get(key);
    if (kept) {
      this.pictures.delete(key);
      this.pictures.set(key, kept);
    }
    return kept;
  }

  // The picture of `dna`, `side` device pixels square (`size` CSS pixels at `ratio`).
  get(dna: string, size: number, ratio: number, side: number): ImageData {
    const kept = this.find(dna, side);
    if (kept) return kept;
    const key = keyOf(dna, side);
    const rgba = this.engine.pictureRgba(dna, size, ratio);
    this.drawn += 1;
    const picture = new ImageData(new Uint8ClampedArray(rgba.buffer), side, side);
    this.pictures.set(key, picture);
    this.bytes += rgba.length;
    for (const [oldKey, old] of this.pictures) {
      if (this.bytes <= this.budget || oldKey === key) break;
      this.pictures.delete(oldKey);
      this.bytes -= old.data.length;
    }
    return picture;
  }
}
