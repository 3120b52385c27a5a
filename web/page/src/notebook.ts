// SPDX-License-Identifier: GPL-3.0-or-later
// The lab notebook: the current run's goal, its counters, the shown organism in words
// with the judged words it meets, "Reached", the export of the run table, the run's three
// plots and the finished runs side by side, each plot with its numbers as text. Everything
// comes from the engine's notebook; the view only lays it out. Beside the rest on a wide
// screen, the whole screen on a narrow one; L opens it, Escape or Close closes it.
import type { ComparedRun, Engine, Notebook } from 'vantrel-engine';
import { dialogOpen } from './dialog';
import { takesTyping } from './keys';
import { barPlot, curvePlot, kMarkColours, niceCeiling } from './plots';
import { downloadRunsCsv, downloadRunsWorkbook } from './runs_export';
import { texts } from './texts';

const t = texts.notebook;
const kMostBits = 3.5; // log2(10) = 3.32: ten equally common digits at every position
const kCurveColours = ['#1f6fc5', '#7b1fa2', '#00897b'];
const kBarColours: [string, string] = ['#b36b00', '#2e7d32'];

function make<K extends keyof HTMLElementTagNameMap>(
  name: K,
  className = '',
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const node = document.createElement(name);
  if (className) node.className = className;
  node.append(...children);
  return node;
}

function button(label: string, name: string, act: () => void): HTMLButtonElement {
  const element = make('button', '', label);
  element.type = 'button';
  element.title = name;
  element.addEventListener('click', act);
  return element;
}

function clickText(click: number): string {
  return click < 0 ? t.noClick : String(click);
}

// A run's label in the comparison, as the desktop writes it on its axis.
export function runLabel(run: ComparedRun): string {
  const lines = [
    `${t.run} ${String(run.number)}${run.parametersChanged ? '*' : ''}`,
    `${t.population} ${String(run.startOrganisms)} · ${t.creativity} ${String(run.creativity)}%`,
    `${t.bonus} ${String(run.bonus)}`,
  ];
  if (run.firstMatchClick < 0) lines.push(t.noMatch);
  else if (run.stableClick < 0) lines.push(t.notStable);
  return lines.join(' · ');
}

export class NotebookView {
  readonly element: HTMLElement;
  // Where "Run automatically…" goes: empty until automatic runs come to the page.
  readonly automaticRuns: HTMLElement;
  private readonly runTitle = make('p', 'notebook-run');
  private readonly goal = make('p', 'notebook-goal');
  private readonly goalNote = make('p', 'notebook-note');
  private readonly counters: HTMLElement[] = [];
  private readonly description = make('p');
  private readonly checks = make('ul', 'notebook-checks');
  private readonly reached: HTMLButtonElement;
  private readonly plots = make('div', 'notebook-plots');
  private readonly curveNumbers = make('tbody');
  private readonly compareNote = make('p');
  private readonly bars = make('div');
  private readonly compareNumbers = make('tbody');
  private opener: Element | null = null;

  // `declareReached` is the page's R: the engine's Reached, then the page shows the change.
  constructor(
    private readonly engine: Engine,
    declareReached: () => void,
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
    const exportRuns = button(t.exportRuns.label, t.exportRuns.name, () =>
      downloadRunsCsv(this.engine),
    );
    exportRuns.setAttribute('aria-keyshortcuts', 'Control+E');
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
    const numbers = (caption: string, head: string[], body: HTMLElement): HTMLElement => {
      const row = make('tr');
      for (const title of head) {
        const cell = make('th', '', title);
        cell.scope = 'col';
        row.append(cell);
      }
      return make(
        'details',
        'notebook-numbers',
        make('summary', '', caption),
        make('table', '', make('thead', '', row), body),
      );
    };
    this.element.append(
      make('div', 'notebook-bar', heading, close),
      card,
      make(
        'div',
        'buttons',
        this.reached,
        exportRuns,
        button(t.toSpreadsheet.label, t.toSpreadsheet.name, () =>
          downloadRunsWorkbook(this.engine),
        ),
        this.automaticRuns,
      ),
      make('h3', '', t.thisRun),
      this.plots,
      numbers(t.numbers, [t.click, ...t.plots], this.curveNumbers),
      make('h3', '', t.compareRuns),
      this.compareNote,
      this.bars,
      numbers(t.numbers, [t.run, t.clicksToFirstMatch, t.clicksToStable], this.compareNumbers),
    );
    document.addEventListener('keydown', (event) => this.programKey(event));
  }

  // L opens the notebook, Escape closes it, and Ctrl+E exports the runs while it is open,
  // as in the desktop's notebook window; never under a dialog or while the user types.
  private programKey(event: KeyboardEvent): void {
    if (dialogOpen() || takesTyping(event.target) || event.altKey || event.shiftKey) return;
    const key = event.key.toLowerCase();
    if (event.ctrlKey || event.metaKey) {
      if (key === 'e' && this.isOpen) {
        event.preventDefault();
        downloadRunsCsv(this.engine);
      }
    } else if (key === 'l') {
      event.preventDefault();
      this.open();
    } else if (key === 'escape' && this.isOpen) {
      event.preventDefault();
      this.close();
    }
  }

  get isOpen(): boolean {
    return !this.element.hidden;
  }

  open(): void {
    if (!this.isOpen) {
      this.opener = document.activeElement;
      this.element.hidden = false;
      this.update();
    }
    this.element.querySelector<HTMLElement>('h2')?.focus();
  }

  close(): void {
    if (!this.isOpen) return;
    this.element.hidden = true;
    if (this.opener instanceof HTMLElement && this.opener.isConnected) this.opener.focus();
  }

  // Shows the engine's notebook as it is now; nothing while closed.
  update(): void {
    if (!this.isOpen) return;
    const notebook = this.engine.notebook();
    this.showHeader(notebook);
    this.showCurves(notebook);
    this.showComparison(notebook);
  }

  private showHeader(notebook: Notebook): void {
    this.runTitle.textContent =
      notebook.run === 0
        ? t.noRun
        : [
            `${t.run} ${String(notebook.run)}`,
            notebook.automatic ? t.automatic : t.byHand,
            ...(notebook.started ? [`${t.started} ${notebook.started} ${t.utc}`] : []),
          ].join(' · ');
    this.goal.textContent = notebook.goal || t.noGoal;
    const note = notebook.goalNote === 'notJudged' || notebook.goalNote === 'unreachable';
    this.goalNote.textContent = note ? t.notes[notebook.goalNote as keyof typeof t.notes] : '';
    this.goalNote.hidden = !note;
    const values = [
      String(notebook.feeds),
      String(notebook.shots),
      String(notebook.clicks),
      clickText(notebook.firstMatchClick),
      clickText(notebook.stableClick) + (notebook.reachedByUser ? t.byYou : ''),
    ];
    values.forEach((value, i) => {
      const counter = this.counters[i];
      if (counter && counter.textContent !== value) counter.textContent = value;
    });
    this.reached.disabled = !notebook.canDeclareReached;
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
      this.checks.replaceChildren(make('li', '', notebook.goal ? t.judgesNone : t.nothingToJudge));
    }
  }

  private showCurves(notebook: Notebook): void {
    const samples = notebook.samples;
    const xMax = niceCeiling(Math.max(10, samples.at(-1)?.click ?? 0));
    const measures: [(s: (typeof samples)[number]) => number, number, (v: number) => string][] = [
      [(s) => 100 * s.share, 100, (v) => String(Math.round(v))],
      [(s) => s.distinct, niceCeiling(notebook.mostDistinct), (v) => String(Math.round(v))],
      [(s) => s.bits, kMostBits, (v) => v.toFixed(1)],
    ];
    this.plots.replaceChildren(
      ...measures.map(([measure, yMax, format], i) => {
        const title = t.plots[i] ?? '';
        const figure = make('figure', 'notebook-plot');
        const caption = make('figcaption', '', title);
        const marks = [
          notebook.firstMatchClick >= 0
            ? `${t.firstMatch} ${t.atClick} ${String(notebook.firstMatchClick)}`
            : '',
          notebook.stableClick >= 0
            ? `${t.stable} ${t.atClick} ${String(notebook.stableClick)}`
            : '',
        ].filter(Boolean);
        const first = samples[0];
        const last = samples.at(-1);
        // What the plot shows in one sentence, for those who do not see it.
        const summary = make('p', 'visually-hidden');
        if (first && last) {
          summary.textContent = [
            `${t.from} ${format(measure(first))} ${t.atClick} ${String(first.click)} ${t.to} ${format(measure(last))} ${t.atClick} ${String(last.click)}`,
            ...marks,
          ].join('; ');
        }
        figure.append(
          caption,
          curvePlot({
            points: samples.map((s) => [s.click, measure(s)]),
            xMax,
            yMax,
            yFormat: format,
            colour: kCurveColours[i] ?? '#000',
            firstMatch: notebook.firstMatchClick,
            stable: notebook.stableClick,
          }),
          summary,
        );
        return figure;
      }),
    );
    const legend = make('p', 'notebook-legend');
    for (const [name, colour] of [
      [t.firstMatch, kMarkColours.firstMatch],
      [t.stable, kMarkColours.stable],
    ] as const) {
      const swatch = make('span', 'notebook-swatch');
      swatch.style.borderColor = colour;
      legend.append(make('span', '', swatch, ` ${name}`));
    }
    this.plots.prepend(legend);
    this.curveNumbers.replaceChildren(
      ...samples.map((s) =>
        this.row([String(s.click), format1(100 * s.share), String(s.distinct), s.bits.toFixed(2)]),
      ),
    );
  }

  private showComparison(notebook: Notebook): void {
    const runs = notebook.compared;
    this.compareNote.textContent =
      notebook.comparedTotal === 0
        ? t.noRunOver
        : notebook.comparedTotal > runs.length
          ? t.lastRuns(runs.length, notebook.comparedTotal)
          : t.runsOldestFirst;
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
          label: `${String(run.number)}${run.parametersChanged ? '*' : ''}`,
          values: [Math.max(0, run.firstMatchClick), Math.max(0, run.stableClick)],
        })),
        kBarColours,
      ),
    );
    this.bars.replaceChildren(figure);
    this.bars.hidden = runs.length === 0;
    this.compareNumbers.replaceChildren(
      ...runs.map((run) =>
        this.row([runLabel(run), clickText(run.firstMatchClick), clickText(run.stableClick)]),
      ),
    );
  }

  private row(cells: string[]): HTMLTableRowElement {
    return make('tr', '', ...cells.map((cell) => make('td', '', cell)));
  }
}

// A share in percent with at most one decimal.
function format1(value: number): string {
  return String(Math.round(value * 10) / 10);
}
