// SPDX-License-Identifier: GPL-3.0-or-later
// Organisms' small pictures, drawn by the engine's raster and kept by DNA and size: the
// least recently used go first once the pictures hold more than the budget, as the
// desktop's thumbnail cache does. What is kept of each is the owner's choice (see
// PictureMaker): plain pixels, or a bitmap ready to be copied onto a canvas.
import type { Engine } from 'vantrel-engine';

// Room for about 1,300 pictures at the default 96 px: a population of 1,000 and its newest
// children, so a step's jump to a random selection finds the pictures it shows.
export const kThumbnailBudget = 48 << 20; // bytes of pixels

// A kept picture: its size in device pixels, and what the cache calls once it lets it go.
export interface KeptPicture {
  readonly width: number;
  readonly height: number;
  close?: () => void;
}

// Turns the engine's pixels of organism `dna`, `size` CSS pixels square at `ratio`, into
// what the cache keeps.
export type PictureMaker<Picture extends KeptPicture> = (
  pixels: ImageData,
  dna: string,
  size: number,
  ratio: number,
) => Picture;

// The side goes first, so odd DNA text still makes a distinct key.
function keyOf(dna: string, side: number): string {
  return `${String(side)}\u001f${dna}`;
}

export class ThumbnailCache<Picture extends KeptPicture = ImageData> {
  private readonly pictures = new Map<string, Picture>(); // in order of last use
  private bytes = 0;
  drawn = 0; // pictures the engine has drawn, for the tests and measurements

  constructor(
    private readonly engine: Pick<Engine, 'pictureRgba'>,
    private readonly budget = kThumbnailBudget,
    private readonly make: PictureMaker<Picture> = (pixels) => pixels as unknown as Picture,
  ) {}

  // The picture of `dna` `side` device pixels square, if it is kept.
  find(dna: string, side: number): Picture | undefined {
    const key = keyOf(dna, side);
    const kept = this.pictures.get(key);
    if (kept) {
      this.pictures.delete(key);
      this.pictures.set(key, kept);
    }
    return kept;
  }

  // The picture of `dna`, `side` device pixels square (`size` CSS pixels at `ratio`).
  get(dna: string, size: number, ratio: number, side: number): Picture {
    const kept = this.find(dna, side);
    if (kept) return kept;
    const key = keyOf(dna, side);
    const rgba = this.engine.pictureRgba(dna, size, ratio);
    this.drawn += 1;
    const pixels = new ImageData(new Uint8ClampedArray(rgba.buffer), side, side);
    const picture = this.make(pixels, dna, size, ratio);
    this.pictures.set(key, picture);
    this.bytes += rgba.length;
    for (const [oldKey, old] of this.pictures) {
      if (this.bytes <= this.budget || oldKey === key) break;
      this.pictures.delete(oldKey);
      this.bytes -= old.width * old.height * 4;
      old.close?.();
    }
    return picture;
  }
}
