// SPDX-License-Identifier: GPL-3.0-or-later
// The organism's picture: the engine's raster, drawn at the screen's own pixel density.
import type { Engine } from 'vantrel-engine';

export const kPictureSize = 350; // CSS pixels a side
// The performance mark set when the first organism is drawn, for timing the page's start.
export const kFirstOrganismMark = 'vantrel-first-organism';

export function drawOrganism(canvas: HTMLCanvasElement, engine: Engine, side: number): void {
  const ratio = window.devicePixelRatio;
  const rgba = engine.organismRgba(kPictureSize, ratio);
  // Setting a canvas's size, even to the same value, clears and reallocates it.
  if (canvas.width !== side) canvas.width = side;
  if (canvas.height !== side) canvas.height = side;
  // The picture is replaced whole each time: a canvas kept in main memory takes it fastest.
  const context = canvas.getContext('2d', { willReadFrequently: true });
  if (!context) return;
  // The engine lends the bytes in its own memory: used here before any other call into it.
  const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
  context.putImageData(new ImageData(pixels, side, side), 0, 0);
}
