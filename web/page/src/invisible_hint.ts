// SPDX-License-Identifier: GPL-3.0-or-later
// An organism drawn with the invisible pen leaves its picture blank, which would look like
// a picture not drawn at all: as on the desktop, "invisible" is written small and grey at
// the foot of such a picture.
import { texts } from './texts';

// The desktop's grey is lighter; this one reads at the contrast small text needs.
export const kHintColour = '#767676';

// Small beside the picture, yet readable on the smallest thumbnail.
export function hintFontSize(pictureHeight: number): number {
  return Math.min(Math.max(Math.floor(pictureHeight / 9), 9), 13);
}

// Writes the hint at the foot of the picture at (left, top), width x height, in the
// context's own units.
export function paintInvisibleHint(
  context: CanvasRenderingContext2D | OffscreenCanvasRenderingContext2D,
  left: number,
  top: number,
  width: number,
  height: number,
): void {
  context.save();
  context.font = `${String(hintFontSize(height))}px sans-serif`;
  context.fillStyle = kHintColour;
  context.textAlign = 'center';
  context.textBaseline = 'bottom';
  context.fillText(texts.pictures.invisible, left + width / 2, top + height - 3, width - 4);
  context.restore();
}

// The big drawing's canvas in a frame, with the hint as text over its foot; `show` says
// whether the organism shown draws with the invisible pen. The drawing's pixels stay the
// engine's own. The hint is hidden from assistive technology: the organism in words
// already names its pen.
export function framedWithHint(canvas: HTMLCanvasElement): {
  element: HTMLElement;
  show: (invisible: boolean) => void;
} {
  const hint = document.createElement('span');
  hint.className = 'invisible-hint';
  hint.setAttribute('aria-hidden', 'true');
  hint.textContent = texts.pictures.invisible;
  hint.style.color = kHintColour;
  hint.hidden = true;
  const element = document.createElement('div');
  element.className = 'picture-frame';
  element.append(canvas, hint);
  return {
    element,
    show: (invisible) => {
      hint.hidden = !invisible;
    },
  };
}
