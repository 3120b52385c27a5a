// SPDX-License-Identifier: GPL-3.0-or-later
// The lab notebook: the current run's goal, its counters, the shown organism in words
// with the judged words it meets, "Reached", the export of the run table, the run's three
// plots and the finished runs side by side, each plot with its numbers as text, and what
// the learner learned from the user's clicks ("What you select for"). Everything
// comes from the engine's notebook; the view only lays it out. Beside the rest on a wide
// screen, the whole screen on a narrow one; L opens it, Escape or Close closes it.
import { closePanel, openPanel } from './panels';
import type { ComparedRun, Engine, Notebook } from 'vantrel-engine';
import type { Keymap } from './keymap';
import { barPlot, CurvePlot, kMarkColours } from './plots';
import { downloadRunsCsv, downloadRunsWorkbook } from './runs_export';
import { switchControls } from './focus_handoff';
import { formatNumber } from './catalogue';
import { texts } from './texts';
import { make } from './make_element';

const t = texts.notebook;
const kCurveColours = ['#1f6fc5', '#7b1fa2', '#00897b'];
const kBarColours: [string, string] = ['#b36b00', '#2e7d32'];
const kPlotInterval = 40; // milliseconds between two drawings of the plots at the most
const kSampleFields = 4; // click, share, distinct, bits

// Calls `visit` with each sample of the engine's flat curve.
function forEachSample(
  samples: Float64Array,
  visit: (click: number, share: number, distinct: number, bits: number) => void,
): void {
  for (let i = 0; i + kSampleFields <= samples.length; i += kSampleFields) {
    visit(samples[i] ?? 0, samples[i + 1] ?? 0, samples[i + 2] ?? 0, samples[i + 3] ?? 0);
  }
}

function button(label: string, name: string, act: () => void): HTMLButtonElement {
  const element = make('button', '', label);
  element.type = 'button';
  element.title = name;
  element.addEventListener('click', act);
  return element;
}

function clickText(click: number): string {
  return click < 0 ? t.noClick : formatNumber(click);
}

// A run's label in the comparison, the lines the desktop writes on its axis on one line.
export function runLabel(run: ComparedRun): string {
  return run.label.join(' · ');
}

export class NotebookView {
  readonly element: HTMLElement;
  // Where "Run automatically…" goes: empty until automatic runs come to the page.
  readonly automaticRuns: HTMLElement;
  private readonly runTitle = make('p', 'notebook-run');
  // The goal is the value under its caption, not a heading of what follows.
  private readonly goal = make('div', 'notebook-goal');
  private readonly goalNote = make('p', 'notebook-note');
  private readonly counters: HTMLElement[] = [];
  private readonly description = make('p');
  private readonly checks = make('ul', 'notebook-checks');
  private readonly reached: HTMLButtonElement;
  private readonly exportRuns: HTMLButtonElement;
  private readonly plots = make('div', 'notebook-plots');
  private readonly curveNumbers = make('tbody');
  private readonly compareNote = make('p');
  private readonly bars = make('div');
  private readonly compareNumbers = make('tbody');
  private readonly curveDetails: HTMLDetailsElement;
  private readonly compareDetails: HTMLDetailsElement;
  private latest: Notebook | undefined;
  private plotsDue = false;
  private plotsDrawnAt = -Infinity;
  private comparedShown = '';
  private readonly curves: { plot: CurvePlot; summary: HTMLElement }[] = [];

  // `declareReached` is the page's R: the engine's Reached, then the page shows the change.
  // `learner` ("What you select for") is shown below the buttons, refreshed with the texts.
  constructor(
    private readonly engine: Engine,
    declareReached: () => void,
    private readonly learner?: { element: HTMLElement; refresh(): void },
  ) {
    this.element = make('section', 'notebook');
    this.element.hidden = true;
    const heading = make('h2', '', t.title);
    heading.id = 'notebook-title';
    heading.tabIndex = -1; // opening the notebook takes the reader to its title
    this.element.setAttribute('aria-labelledby', heading.id);
    const close = button(t.close, t.close, () => this.close());
    close.removeAttribute('title');
    close.setAttribute('aria-keyshortcuts', 'Escape');

    const counterList = make('dl', 'notebook-counters');
    for (const caption of t.counters) {
      const value = make('dd', '', '0');
      this.counters.push(value);
      counterList.append(make('div', '', make('dt', '', caption), value));
    }
    this.reached = button(t.reached.label, t.reached.name, declareReached);
    this.reached.setAttribute('aria-keyshortcuts', 'R');
    this.exportRuns = button(t.exportRuns.label, t.exportRuns.name, () =>
      downloadRunsCsv(this.engine),
    );
    this.exportRuns.setAttribute('aria-keyshortcuts', 'Control+E');
    this.automaticRuns = make('div', 'notebook-automatic');

    const card = make(
      'div',
      'notebook-card',
      make('div', 'notebook-caption-row', make('span', 'notebook-caption', t.goal), this.runTitle),
      this.goal,
      this.goalNote,
      counterList,
      make('span', 'notebook-caption', t.onScreen),
      this.description,
      this.checks,
    );
    const numbers = (caption: string, head: string[], body: HTMLElement): HTMLDetailsElement => {
      const row = make('tr');
      for (const title of head) {
        const cell = make('th', '', title);
        cell.scope = 'col';
        row.append(cell);
      }
      const details = make(
        'details',
        'notebook-numbers',
        make('summary', '', caption),
        make('table', '', make('thead', '', row), body),
      );
      // The tables are filled only while open: a long run has 500 rows.
      details.addEventListener('toggle', () => this.fillNumbers());
      return details;
    };
    this.curveDetails = numbers(t.numbers, [t.click, ...t.plots], this.curveNumbers);
    this.compareDetails = numbers(
      t.numbers,
      [t.run, t.clicksToFirstMatch, t.clicksToStable],
      this.compareNumbers,
    );
    this.element.append(
      make('div', 'notebook-bar', heading, close),
      card,
      make(
        'div',
        'buttons',
        this.reached,
        this.exportRuns,
        button(t.toSpreadsheet.label, t.toSpreadsheet.name, () =>
          downloadRunsWorkbook(this.engine),
        ),
        this.automaticRuns,
      ),
      ...(learner ? [learner.element] : []),
      make('h3', '', t.thisRun),
      this.plots,
      this.curveDetails,
      make('h3', '', t.compareRuns),
      this.compareNote,
      this.bars,
      this.compareDetails,
    );
    this.makeCurves();
  }

  // L opens the notebook (Escape closes it: panels.ts), and Ctrl+E exports the runs while
  // it is open, as in the desktop's notebook window.
  bindKeys(keymap: Keymap): void {
    keymap.bind('L', () => this.open());
    keymap.bind(
      'Control+E',
      () => downloadRunsCsv(this.engine),
      () => this.isOpen,
    );
  }

  get isOpen(): boolean {
    return !this.element.hidden;
  }

  open(): void {
    openPanel(this, () => this.update());
    this.element.querySelector<HTMLElement>('h2')?.focus();
  }

  close(): void {
    closePanel(this);
  }

  // Shows the engine's notebook as it is now; nothing while closed. The texts change at
  // once, the plots at most once in kPlotInterval, however fast the clicks come, as the
  // desktop's notebook draws them.
  update(): void {
    if (!this.isOpen) return;
    const start = performance.now();
    this.latest = this.engine.notebook();
    this.showHeader(this.latest);
    this.learner?.refresh();
    performance.measure('vantrel-notebook-texts', { start });
    if (this.plotsDue) return;
    this.plotsDue = true;
    const wait = Math.max(0, this.plotsDrawnAt + kPlotInterval - performance.now());
    setTimeout(() => this.drawPlots(), wait);
  }

  private drawPlots(): void {
    this.plotsDue = false;
    this.plotsDrawnAt = performance.now();
    if (!this.isOpen || !this.latest) return;
    this.showCurves(this.latest);
    this.showComparison(this.latest);
    this.fillNumbers();
    performance.measure('vantrel-notebook-plots', { start: this.plotsDrawnAt });
  }

  // The plots' numbers, into whichever table is open.
  private fillNumbers(): void {
    const notebook = this.latest;
    if (!notebook) return;
    if (this.curveDetails.open) {
      const rows: HTMLTableRowElement[] = [];
      forEachSample(notebook.samples, (click, share, distinct, bits) =>
        rows.push(
          this.row([
            formatNumber(click),
            format1(100 * share),
            formatNumber(distinct),
            formatNumber(bits, 2),
          ]),
        ),
      );
      this.curveNumbers.replaceChildren(...rows);
    }
    if (this.compareDetails.open) {
      this.compareNumbers.replaceChildren(
        ...notebook.compared.map((run) =>
          this.row([runLabel(run), clickText(run.firstMatchClick), clickText(run.stableClick)]),
        ),
      );
    }
  }

  private showHeader(notebook: Notebook): void {
    this.runTitle.textContent = notebook.runTitle;
    this.goal.textContent = notebook.goalText;
    this.goalNote.textContent = notebook.goalNoteText;
    this.goalNote.hidden = !notebook.goalNoteText;
    notebook.counters.forEach((value, i) => {
      const counter = this.counters[i];
      if (counter && counter.textContent !== value) counter.textContent = value;
    });
    // Said once, Reached hands the focus to Export runs…, which now has the run to write.
    switchControls([
      { control: this.reached, enabled: notebook.canDeclareReached, heir: () => this.exportRuns },
    ]);
    this.reached.title = notebook.goal ? t.reached.name : t.reached.noGoal;
    this.description.textContent = notebook.description;
    if (notebook.checks.length > 0) {
      this.checks.replaceChildren(
        ...notebook.checks.map((check) => {
          const mark = make('span', '', check.met ? t.met : t.notMet);
          mark.setAttribute('aria-hidden', 'true');
          const hidden = make('span', 'visually-hidden', check.met ? t.metWord : t.notMetWord);
          return make('li', check.met ? 'met' : 'not-met', mark, ` ${check.word} `, hidden);
        }),
      );
    } else {
      this.checks.replaceChildren(make('li', '', notebook.checksNote));
    }
  }

  // The three plots with their legend, made once.
  private makeCurves(): void {
    const legend = make('p', 'notebook-legend');
    for (const [name, colour] of [
      [t.firstMatch, kMarkColours.firstMatch],
      [t.stable, kMarkColours.stable],
    ] as const) {
      const swatch = make('span', 'notebook-swatch');
      swatch.style.borderColor = colour;
      legend.append(make('span', '', swatch, ` ${name}`));
    }
    this.plots.append(legend);
    t.plots.forEach((title, i) => {
      const plot = new CurvePlot(kCurveColours[i] ?? '#000');
      const summary = make('p', 'visually-hidden');
      this.curves.push({ plot, summary });
      this.plots.append(
        make('figure', 'notebook-plot', make('figcaption', '', title), plot.element, summary),
      );
    });
  }

  private showCurves(notebook: Notebook): void {
    const { samples, scales } = notebook;
    // Each plot: its field of a sample, its factor and how its numbers read.
    const measures: [number, number, (v: number) => string][] = [
      [1, 100, (v) => formatNumber(Math.round(v))],
      [2, 1, (v) => formatNumber(Math.round(v))],
      [3, 1, (v) => formatNumber(v, 1)],
    ];
    const marks = [
      notebook.firstMatchClick >= 0 ? t.valueAtClick(t.firstMatch, notebook.firstMatchClick) : '',
      notebook.stableClick >= 0 ? t.valueAtClick(t.stable, notebook.stableClick) : '',
    ].filter(Boolean);
    measures.forEach(([field, factor, format], i) => {
      const curve = this.curves[i];
      if (!curve) return;
      const points: [number, number][] = [];
      forEachSample(samples, (...sample) =>
        points.push([sample[0], factor * (sample[field] ?? 0)]),
      );
      curve.plot.update({
        points,
        xMax: scales.xMax,
        xTick: scales.xTick,
        yMax: scales.yMax[i] ?? 1,
        yTick: scales.yTick[i] ?? 1,
        yFormat: format,
        firstMatch: notebook.firstMatchClick,
        stable: notebook.stableClick,
      });
      // What the plot shows in one sentence, for those who do not see it.
      const first = points[0];
      const last = points.at(-1);
      curve.summary.textContent =
        first && last
          ? [t.course(format(first[1]), first[0], format(last[1]), last[0]), ...marks].join('; ')
          : '';
    });
  }

  private showComparison(notebook: Notebook): void {
    const runs = notebook.compared;
    const shown = JSON.stringify([notebook.comparedNote, runs]);
    if (shown === this.comparedShown) return;
    this.comparedShown = shown;
    this.compareNote.textContent = notebook.comparedNote;
    const figure = make('figure', 'notebook-plot');
    const legend = make('p', 'notebook-legend');
    [t.clicksToFirstMatch, t.clicksToStable].forEach((name, i) => {
      const swatch = make('span', 'notebook-swatch bar');
      swatch.style.background = kBarColours[i] ?? '#000';
      legend.append(make('span', '', swatch, ` ${name}`));
    });
    figure.append(
      make('figcaption', '', t.compareTitle),
      legend,
      barPlot(
        runs.map((run) => ({
          label: `${formatNumber(run.number)}${run.parametersChanged ? '*' : ''}`,
          values: [Math.max(0, run.firstMatchClick), Math.max(0, run.stableClick)],
        })),
        kBarColours,
        notebook.comparedAxis,
      ),
    );
    this.bars.replaceChildren(figure);
    this.bars.hidden = runs.length === 0;
  }

  private row(cells: string[]): HTMLTableRowElement {
    return make('tr', '', ...cells.map((cell) => make('td', '', cell)));
  }
}

// A share in percent with at most one decimal.
function format1(value: number): string {
  return formatNumber(Math.round(value * 10) / 10);
}
