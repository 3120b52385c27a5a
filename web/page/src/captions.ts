// SPDX-License-Identifier: GPL-3.0-or-later
// The captions under the population view's pictures, written on the view's canvas: the ID
// on the left, the survival on the right, each cut to half the width with an ellipsis when
// longer. As text in the page, the captions would have the browser style and lay out three
// elements more for every picture in sight at every step, most of a step's drawing.

export const kFont = '12px system-ui, sans-serif'; // the page's own font (page.css: body)
const kPadding = 3; // pixels at each end
const kGap = 2; // pixels at least between the two texts
const kColours = { id: '#000', survival: '#555', selected: '#fff' };
const kEllipsis = '\u2026';
const kMostFits = 4096; // fitted texts kept before the oldest are measured again
// Pixels by which a whole text may be wider than the sum of its characters' widths (kerning
// and shaping), kept free when the sum alone decides that the text fits.
const kEstimateMargin = 2;

// `text` cut to `width` as `measure` measures it, an ellipsis in place of what is cut. As
// in the page's own text, the first character stays even when it leaves no room for the
// ellipsis; the writer clips what then runs over.
export function fitted(text: string, width: number, measure: (text: string) => number): string {
  if (measure(text) <= width) return text;
  // Whole code points only: a surrogate pair is never cut in two.
  const characters = [...text];
  let low = 0;
  let high = characters.length - 1;
  while (low < high) {
    const middle = Math.ceil((low + high) / 2);
    if (measure(characters.slice(0, middle).join('') + kEllipsis) <= width) low = middle;
    else high = middle - 1;
  }
  return characters.slice(0, Math.max(1, low)).join('') + kEllipsis;
}

// A picture's caption: its organism's ID and survival, in its label's box.
export interface Caption {
  id: string;
  survival: string;
  box: { left: number; top: number; width: number; height: number };
  selected: boolean;
}

// Writes captions on one canvas, its context scaled to CSS pixels.
export class CaptionWriter {
  private readonly fits = new Map<string, string>();
  private readonly characterWidths = new Map<string, number>();
  private ascent: number | undefined;
  private descent = 0;

  constructor(private readonly context: CanvasRenderingContext2D) {}

  // Each caption in its label box at (left, top), `width` x `height`; white on the
  // selection's frame. All the IDs go first, then all the survivals, each in one colour
  // after the other: the canvas's text state changes a few times a drawing, not at every
  // text (each change is a call into the browser, the font's a parse of its text).
  writeAll(captions: readonly Caption[]): void {
    const context = this.context;
    // Set only when it differs (a new canvas size resets it): setting a font, even the
    // same, has the browser work out the page's style in the middle of a step's writing.
    if (context.font !== kFont) context.font = kFont;
    context.textBaseline = 'alphabetic';
    const parts = [
      { align: 'left', colour: kColours.id, selected: false },
      { align: 'left', colour: kColours.selected, selected: true },
      { align: 'right', colour: kColours.survival, selected: false },
      { align: 'right', colour: kColours.selected, selected: true },
    ] as const;
    for (const { align, colour, selected } of parts) {
      context.textAlign = align;
      context.fillStyle = colour;
      for (const { id, survival, box, selected: isSelected } of captions) {
        if (isSelected !== selected) continue;
        const half = Math.max(0, (box.width - 2 * kPadding - kGap) / 2);
        const baseline = box.top + this.baselineIn(box.height);
        if (align === 'left') this.writeWithin(id, box.left + kPadding, baseline, half, box);
        else this.writeWithin(survival, box.left + box.width - kPadding, baseline, half, box);
      }
    }
  }

  // Writes `text` from x (its left or right end, as aligned) within `width` pixels, cut and
  // clipped when longer.
  private writeWithin(
    text: string,
    x: number,
    baseline: number,
    width: number,
    box: { top: number; height: number },
  ): void {
    const fit = this.fit(text, width);
    if (fit === text) {
      this.context.fillText(text, x, baseline);
      return;
    }
    const left = this.context.textAlign === 'right' ? x - width : x;
    this.context.save();
    this.context.beginPath();
    this.context.rect(left, box.top, width, box.height);
    this.context.clip();
    this.context.fillText(fit, x, baseline);
    this.context.restore();
  }

  // Where the baseline sits in a line `height` pixels high: the font's ascent below the
  // top of its line, centred in the line as the page centres text.
  private baselineIn(height: number): number {
    if (this.ascent === undefined) {
      const metrics = this.context.measureText('0');
      this.ascent = metrics.fontBoundingBoxAscent;
      this.descent = metrics.fontBoundingBoxDescent;
    }
    return (height - this.ascent - this.descent) / 2 + this.ascent;
  }

  // Most texts are much narrower than their half: the sum of their characters' widths, each
  // measured once, says so without measuring the whole text, which costs as much as
  // writing it.
  private fit(text: string, width: number): string {
    let estimate = 0;
    for (const character of text) estimate += this.characterWidth(character);
    if (estimate + kEstimateMargin <= width) return text;
    const key = `${String(width)}\u001f${text}`;
    let fit = this.fits.get(key);
    if (fit === undefined) {
      if (this.fits.size >= kMostFits) this.fits.clear();
      fit = fitted(text, width, (part) => this.context.measureText(part).width);
      this.fits.set(key, fit);
    }
    return fit;
  }

  private characterWidth(character: string): number {
    let width = this.characterWidths.get(character);
    if (width === undefined) {
      if (this.characterWidths.size >= kMostFits) this.characterWidths.clear();
      width = this.context.measureText(character).width;
      this.characterWidths.set(character, width);
    }
    return width;
  }
}
