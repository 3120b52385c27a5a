// SPDX-License-Identifier: GPL-3.0-or-later
// The clicks to stable per condition of an automatic sweep as a box plot in SVG, as the
// desktop draws it: whiskers from the fewest to the most clicks, the box from the first to
// the third quartile, a line at the median; a condition without stable runs has no box.
import type { StableBox, StablePlot } from 'vantrel-engine';
import { formatNumber } from './catalogue';
import { texts } from './texts';

const kSvg = 'http://www.w3.org/2000/svg';
const kHeight = 260;
const kLeft = 56;
const kTop = 16;
const kBottom = 44;
const kColumn = 96;
const kFill = '#a5d6a7';
const kPen = '#1b5e20';

function shape(name: string, attributes: Record<string, string | number>): SVGElement {
  const element = document.createElementNS(kSvg, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  return element;
}

function label(x: number, y: number, text: string, anchor = 'middle'): SVGElement {
  const element = shape('text', { x, y, 'text-anchor': anchor, 'font-size': 12 });
  element.textContent = text;
  return element;
}

// The boxes on the engine's axis, the desktop's.
export function boxPlot({ boxes, axis }: StablePlot): SVGSVGElement {
  const width = kLeft + Math.max(3, boxes.length) * kColumn + 8;
  const svg = shape('svg', {
    viewBox: `0 0 ${String(width)} ${String(kHeight)}`,
    class: 'box-plot',
    'aria-hidden': 'true',
  }) as SVGSVGElement;
  const { max: top, step } = axis;
  const plotHeight = kHeight - kTop - kBottom;
  const y = (clicks: number): number => kTop + plotHeight * (1 - clicks / top);

  for (let tick = 0; tick <= top + step / 2; tick += step) {
    svg.append(
      shape('line', { x1: kLeft, x2: width - 8, y1: y(tick), y2: y(tick), stroke: '#ddd' }),
      label(kLeft - 6, y(tick) + 4, formatNumber(tick), 'end'),
    );
  }
  const title = label(14, kTop + plotHeight / 2, texts.autoruns.axis);
  title.setAttribute('transform', `rotate(-90 14 ${String(kTop + plotHeight / 2)})`);
  svg.append(title, shape('line', { x1: kLeft, x2: kLeft, y1: kTop, y2: y(0), stroke: '#444' }));

  boxes.forEach((box, index) => {
    const middle = kLeft + kColumn * (index + 0.5);
    const half = kColumn * 0.25;
    svg.append(...box.label.map((line, i) => label(middle, kHeight - kBottom + 18 + 16 * i, line)));
    if (box.stableRuns === 0) return;
    const pen = { stroke: kPen, 'stroke-width': 1.5 };
    svg.append(
      shape('line', { x1: middle, x2: middle, y1: y(box.high), y2: y(box.q3), ...pen }),
      shape('line', { x1: middle, x2: middle, y1: y(box.q1), y2: y(box.low), ...pen }),
      shape('line', {
        x1: middle - half / 2,
        x2: middle + half / 2,
        y1: y(box.high),
        y2: y(box.high),
        ...pen,
      }),
      shape('line', {
        x1: middle - half / 2,
        x2: middle + half / 2,
        y1: y(box.low),
        y2: y(box.low),
        ...pen,
      }),
      shape('rect', {
        x: middle - half,
        y: y(box.q3),
        width: 2 * half,
        height: Math.max(1, y(box.q1) - y(box.q3)),
        fill: kFill,
        ...pen,
      }),
      shape('line', {
        x1: middle - half,
        x2: middle + half,
        y1: y(box.median),
        y2: y(box.median),
        ...pen,
      }),
    );
  });
  return svg;
}

// A box's numbers as a sentence, for the text beside the plot.
export function boxText(box: StableBox): string {
  const five = [box.low, box.q1, box.median, box.q3, box.high]
    .map((v) => formatNumber(v, 1))
    .join(' / ');
  return texts.autoruns.box(box.condition, box.stableRuns, box.runs, five);
}
