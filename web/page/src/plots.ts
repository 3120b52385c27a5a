// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook's plots as SVG drawn here: a measure over the run's clicks with the first
// match and stable clicks as dashed lines, and finished runs as pairs of bars. The axes'
// ranges and ticks are the engine's, the desktop's: a plot changes its scale now and then
// rather than with every click. The plots scale with the
// page: 360 units across are the drawing at 360 CSS pixels.
import type { ValueAxis } from 'vantrel-engine';
import { formatNumber } from './catalogue';

const kNs = 'http://www.w3.org/2000/svg';
export const kPlotWidth = 360;
const kMargin = { left: 34, right: 8, top: 8, bottom: 20 };
export const kMarkColours = { firstMatch: '#b36b00', stable: '#2e7d32' };

// The ticks from 0 to `max`, `interval` apart.
export function ticks(max: number, interval: number): number[] {
  const all: number[] = [];
  for (let i = 0; i * interval <= max + 1e-9; ++i) all.push(i * interval);
  return all;
}

function element<K extends keyof SVGElementTagNameMap>(
  name: K,
  attributes: Record<string, string | number>,
  text?: string,
): SVGElementTagNameMap[K] {
  const node = document.createElementNS(kNs, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, String(value));
  if (text !== undefined) node.textContent = text;
  return node;
}

// An empty plot `height` units high that scales to its box; hidden from assistive
// technology, which reads the text alternative beside it.
function canvas(height: number): SVGSVGElement {
  const svg = element('svg', {
    viewBox: `0 0 ${String(kPlotWidth)} ${String(height)}`,
    class: 'plot',
    'aria-hidden': 'true',
    focusable: 'false',
  });
  return svg;
}

interface Axes {
  x: (value: number) => number;
  y: (value: number) => number;
}

// Grid lines and labels of both axes; the x axis's labels come from `xTicks`.
function drawAxes(
  svg: SVGSVGElement,
  height: number,
  yMax: number,
  yTick: number,
  yFormat: (value: number) => string,
  xTicks: { at: number; label: string }[],
  x: (value: number) => number,
): Axes {
  const bottom = height - kMargin.bottom;
  const y = (value: number): number => bottom - (value / yMax) * (bottom - kMargin.top);
  for (const value of ticks(yMax, yTick)) {
    svg.append(
      element('line', {
        x1: kMargin.left,
        x2: kPlotWidth - kMargin.right,
        y1: y(value),
        y2: y(value),
        class: 'plot-grid',
      }),
      element('text', { x: kMargin.left - 4, y: y(value) + 4, class: 'plot-y' }, yFormat(value)),
    );
  }
  for (const tick of xTicks) {
    svg.append(element('text', { x: x(tick.at), y: height - 6, class: 'plot-x' }, tick.label));
  }
  svg.append(
    element('line', {
      x1: kMargin.left,
      x2: kPlotWidth - kMargin.right,
      y1: bottom,
      y2: bottom,
      class: 'plot-axis',
    }),
  );
  return { x, y };
}

export interface CurveOptions {
  points: [number, number][];
  xMax: number;
  xTick: number;
  yMax: number;
  yTick: number;
  yFormat: (value: number) => string;
  firstMatch: number; // -1: none
  stable: number; // -1: none
}

// One measure over the clicks, 0 to `xMax`, with its marks. The axes are drawn again only
// when a scale changes; a new click changes the curve's path and the marks alone.
export class CurvePlot {
  readonly element: SVGSVGElement;
  private readonly height = 130;
  private readonly axes = element('g', {});
  private readonly marks = element('g', {});
  private readonly curve: SVGPathElement;
  private scale = '';
  private x = (click: number): number => click;
  private y = (value: number): number => value;

  constructor(colour: string) {
    this.element = canvas(this.height);
    this.curve = element('path', { stroke: colour, class: 'plot-curve' });
    this.element.append(this.axes, this.marks, this.curve);
  }

  update(options: CurveOptions): void {
    const scale = [options.xMax, options.xTick, options.yMax, options.yTick].join(' ');
    if (scale !== this.scale) {
      this.scale = scale;
      const x = (click: number): number =>
        kMargin.left + (click / options.xMax) * (kPlotWidth - kMargin.left - kMargin.right);
      const xTicks = ticks(options.xMax, options.xTick).map((at) => ({
        at,
        label: formatNumber(at),
      }));
      const axes = canvas(this.height);
      this.x = x;
      this.y = drawAxes(
        axes,
        this.height,
        options.yMax,
        options.yTick,
        options.yFormat,
        xTicks,
        x,
      ).y;
      this.axes.replaceChildren(...axes.childNodes);
    }
    const { x, y } = this;
    this.marks.replaceChildren();
    for (const [click, colour] of [
      [options.firstMatch, kMarkColours.firstMatch],
      [options.stable, kMarkColours.stable],
    ] as const) {
      if (click < 0) continue;
      this.marks.append(
        element('line', {
          x1: x(click),
          x2: x(click),
          y1: y(0),
          y2: y(options.yMax),
          stroke: colour,
          class: 'plot-mark',
        }),
      );
    }
    const path = options.points
      .map(([click, value], i) => `${i ? 'L' : 'M'}${x(click).toFixed(1)} ${y(value).toFixed(1)}`)
      .join('');
    this.curve.setAttribute('d', path);
  }
}

export interface BarGroup {
  label: string;
  values: [number, number];
}

// Pairs of bars (first match, stable) per run, each with its value over it, on `axis`.
export function barPlot(
  groups: BarGroup[],
  colours: [string, string],
  axis: ValueAxis,
): SVGSVGElement {
  const height = 170;
  const svg = canvas(height);
  const width = (kPlotWidth - kMargin.left - kMargin.right) / Math.max(1, groups.length);
  const x = (index: number): number => kMargin.left + (index + 0.5) * width;
  const xTicks = groups.map((group, index) => ({ at: index, label: group.label }));
  const { y } = drawAxes(svg, height, axis.max, axis.step, (v) => formatNumber(v), xTicks, x);
  const bar = Math.min(18, width * 0.35);
  groups.forEach((group, index) => {
    group.values.forEach((value, which) => {
      const left = x(index) + (which === 0 ? -bar : 0);
      svg.append(
        element('rect', {
          x: left,
          y: y(value),
          width: bar,
          height: y(0) - y(value),
          fill: colours[which] ?? '#000',
        }),
        element(
          'text',
          { x: left + bar / 2, y: y(value) - 2, class: 'plot-value' },
          formatNumber(value),
        ),
      );
    });
  });
  return svg;
}
