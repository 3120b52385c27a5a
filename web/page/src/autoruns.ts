// SPDX-License-Identifier: GPL-3.0-or-later
// "Run automatically": the judge plays a sweep of runs as vantrel-lab does, in Web Workers
// (autorun_pool.ts), while the page stays live. Every field stands for one of the command
// line's options and takes its words; the engine checks them as the command line does and
// its refusal is shown as it words it. The finished runs show as a box plot of the clicks
// to stable with the numbers as text, export as vantrel-lab's CSV, and are handed to
// whoever listens (onRunsFinished), also after Cancel or a failed worker.
import { panelClosed, panelOpened } from './panels';
import { switchControls } from './focus_handoff';
import type { LabSweep, SweepRecord, VantrelEngineModule } from 'vantrel-engine';
import { AutoRunPool, workerCount } from './autorun_pool';
import type { SweepOutcome } from './autorun_pool';
import { boxPlot, boxText } from './box_plot';
import { texts } from './texts';

// What a finished sweep hands on: its runs in run order, as records and as CSV.
export interface FinishedRuns {
  // vantrel-lab's options the sweep was played with.
  args: string[];
  records: SweepRecord[];
  // The runs as vantrel-lab --csv writes them (header first, CR LF line ends).
  csv: string;
  cancelled: boolean;
}

// The progress bar is brought up to date at most this often while runs play (milliseconds).
const kProgressInterval = 250;

interface Field {
  input: HTMLInputElement | HTMLTextAreaElement;
  option: string;
  // Left out of the command line while the field is empty (the option has no first value).
  optional?: boolean;
}

export class AutoRunPanel {
  readonly element: HTMLElement;
  // Called with every sweep's finished runs (none when nothing finished).
  onRunsFinished: ((runs: FinishedRuns) => void) | null = null;

  private readonly goal: HTMLTextAreaElement;
  private readonly fields: Field[] = [];
  private readonly warmupGoal: HTMLInputElement;
  private readonly warmupClicks: HTMLInputElement;
  private readonly runButton: HTMLButtonElement;
  private readonly cancelButton: HTMLButtonElement;
  private readonly exportButton: HTMLButtonElement;
  private readonly progress: HTMLProgressElement;
  private readonly progressText: HTMLSpanElement;
  private readonly status: HTMLParagraphElement;
  private readonly figure: HTMLElement;
  private readonly numbers: HTMLUListElement;
  private readonly summary: HTMLUListElement;
  private readonly comparison: HTMLElement;
  private readonly learners: HTMLElement;
  private readonly pool: AutoRunPool;
  private goalEdited = false;
  private played: { sweep: LabSweep; records: SweepRecord[] } | null = null;
  private startedAt = 0;
  private total = 0;
  private progressTimer = 0;
  private progressDone = 0;

  constructor(
    private readonly vantrel: VantrelEngineModule,
    startWorker: () => Worker,
    private readonly currentGoal: () => string,
  ) {
    this.pool = new AutoRunPool(startWorker);
    const t = texts.autoruns;
    // The panel's first values, the desktop panel's (the core's).
    const first = vantrel.autoRunDefaults();
    this.element = document.createElement('section');
    this.element.className = 'autoruns';
    this.element.hidden = true;
    this.element.id = 'autoruns';
    const heading = document.createElement('h2');
    heading.id = 'autoruns-title';
    heading.textContent = t.title;
    this.element.setAttribute('aria-labelledby', heading.id);
    const close = button(t.close, () => this.close());

    this.goal = document.createElement('textarea');
    this.goal.rows = 2;
    this.goal.placeholder = t.goalExample;
    this.goal.addEventListener('input', () => (this.goalEdited = true));
    this.fields.push({ input: this.goal, option: '--goal' });
    const goalBox = labelled(t.goal, this.goal, true);

    const conditions = fieldset(
      t.conditions,
      this.text('--population', t.population, String(first.population), t.listTip),
      this.text('--creativity', t.creativity, String(first.creativity), t.listTip),
      this.text('--bonus', t.bonus, String(first.bonus), t.listTip),
      this.text('--strictness', t.strictness, String(first.strictness), t.strictnessTip),
      this.text('--learner', t.learner, '', t.learnerTip, true),
    );
    this.warmupGoal = input('');
    this.warmupClicks = input(String(first.warmupClicks));
    const runs = fieldset(
      t.runsBox,
      this.text('--runs', t.runs, String(first.runs)),
      this.text('--max-clicks', t.maxClicks, String(first.maxClicks), t.maxClicksTip),
      this.text('--seed', t.seed, String(first.seed), t.seedTip),
      labelled(t.warmupGoal, this.warmupGoal),
      labelled(t.warmupClicks, this.warmupClicks),
    );
    for (const box of [this.warmupGoal, this.warmupClicks]) {
      box.addEventListener('input', () => this.showPlan());
    }
    this.goal.addEventListener('input', () => this.showPlan());

    this.runButton = button(t.run, () => this.run());
    this.cancelButton = button(t.cancel, () => this.pool.cancel());
    this.cancelButton.disabled = true;
    this.exportButton = button(t.export, () => this.exportRuns());
    this.exportButton.disabled = true;
    this.progress = document.createElement('progress');
    this.progress.id = 'autoruns-progress';
    this.progress.value = 0;
    this.progressText = document.createElement('span');
    this.progressText.id = 'autoruns-progress-text';
    this.progressText.className = 'autoruns-progress-text';
    this.progress.setAttribute('aria-labelledby', this.progressText.id);
    this.status = document.createElement('p');
    this.status.className = 'autoruns-status';
    this.status.setAttribute('role', 'status');

    this.figure = document.createElement('figure');
    this.figure.className = 'autoruns-figure';
    const caption = document.createElement('figcaption');
    caption.textContent = t.chartTitle;
    this.numbers = document.createElement('ul');
    this.numbers.className = 'autoruns-numbers';
    this.figure.append(caption, this.numbers);
    const summaryHeading = document.createElement('h3');
    summaryHeading.textContent = t.summary;
    this.summary = document.createElement('ul');
    this.summary.className = 'autoruns-summary';
    this.comparison = document.createElement('section');
    this.comparison.className = 'autoruns-comparison';
    this.comparison.setAttribute('aria-label', t.comparison);
    // For a sweep of learners: the summary again by the judge's clicks, titled by its
    // first line.
    this.learners = document.createElement('section');
    this.learners.className = 'autoruns-learners';
    this.learners.setAttribute('aria-labelledby', 'autoruns-learners-heading');

    const bar = document.createElement('div');
    bar.className = 'autoruns-bar';
    bar.append(heading, close);
    const actions = document.createElement('div');
    actions.className = 'buttons';
    actions.append(this.runButton, this.cancelButton, this.exportButton);
    const progressLine = document.createElement('div');
    progressLine.className = 'autoruns-progress';
    progressLine.append(this.progress, this.progressText);
    const choices = document.createElement('div');
    choices.className = 'autoruns-choices';
    choices.append(goalBox, conditions, runs);
    this.element.append(
      bar,
      choices,
      actions,
      progressLine,
      this.status,
      this.figure,
      summaryHeading,
      this.summary,
      this.comparison,
      this.learners,
    );
    this.showResults([]);
  }

  get running(): boolean {
    return this.pool.running;
  }

  // Shows the panel, with the current goal until the user types one of their own, and
  // starts the workers so that they are ready when Run is pressed.
  open(): void {
    panelOpened(this);
    if (!this.goalEdited && !this.pool.running) this.goal.value = this.currentGoal();
    this.element.hidden = false;
    this.pool.warm();
    this.showPlan();
    this.goal.focus();
  }

  close(): void {
    panelClosed(this);
    this.element.hidden = true;
    document.getElementById('autoruns-open')?.focus();
  }

  // Workers whose engine has loaded (for timing by hand).
  get readyWorkers(): number {
    return this.pool.readyWorkers;
  }

  // vantrel-lab's options as the fields say them: a --goal per non-empty line, the
  // learner list only when given, the warm-up only with a warm-up goal.
  optionWords(): string[] {
    const words: string[] = [];
    for (const { input, option, optional } of this.fields) {
      if (optional && !input.value.trim()) continue;
      if (option !== '--goal') {
        words.push(option, input.value.trim());
        continue;
      }
      for (const line of input.value.split('\n')) {
        if (line.trim()) words.push('--goal', line.trim());
      }
    }
    if (this.warmupGoal.value.trim()) {
      words.push('--warmup-goal', this.warmupGoal.value.trim());
      words.push('--warmup-clicks', this.warmupClicks.value.trim());
    }
    return words;
  }

  private text(
    option: string,
    title: string,
    value: string,
    tip = '',
    optional = false,
  ): HTMLElement {
    const box = input(value);
    if (tip) box.title = tip;
    box.addEventListener('input', () => this.showPlan());
    this.fields.push({ input: box, option, optional });
    return labelled(title, box);
  }

  // The size of the sweep the fields describe, or the engine's refusal of them.
  private showPlan(): void {
    if (this.pool.running) return;
    const args = this.optionWords();
    const sweep = new this.vantrel.LabSweep(args);
    const error = sweep.error();
    const total = sweep.totalRuns();
    const conditions = sweep.conditionCount();
    sweep.delete();
    this.runButton.disabled = error !== '';
    this.setProgress(0, total);
    if (error) {
      this.status.textContent = error;
      return;
    }
    const goals = args.filter((_, i) => args[i - 1] === '--goal').join('; ');
    const runs = Number(args[args.indexOf('--runs') + 1]);
    this.status.textContent = texts.autoruns.plan(
      goals,
      conditions,
      runs,
      total,
      Math.min(workerCount(), total),
    );
  }

  private run(): void {
    if (this.pool.running) return;
    const args = this.optionWords();
    const sweep = new this.vantrel.LabSweep(args);
    if (sweep.error()) {
      this.status.textContent = sweep.error();
      sweep.delete();
      return;
    }
    this.played?.sweep.delete();
    this.played = { sweep, records: [] };
    this.total = sweep.totalRuns();
    this.setRunning(true);
    this.setProgress(0, this.total);
    this.showResults([]);
    this.status.textContent = texts.autoruns.playing(this.total);
    this.startedAt = performance.now();
    this.pool.play(args, this.total, {
      progressed: (done) => this.progressed(done),
      finished: (outcome) => this.finished(args, outcome),
    });
  }

  private progressed(done: number): void {
    // A few repaints a second, however many runs finish meanwhile: the page's thread shares
    // the processor with the workers, and each repaint of the bar is time they lose.
    this.progressDone = done;
    if (this.progressTimer) return;
    this.progressTimer = window.setTimeout(() => {
      this.progressTimer = 0;
      if (this.pool.running) this.setProgress(this.progressDone, this.total);
    }, kProgressInterval);
  }

  private finished(args: string[], outcome: SweepOutcome): void {
    const end = performance.now();
    performance.measure('vantrel-sweep', { start: this.startedAt, end });
    const records = [...outcome.records].sort((a, b) => a.run - b.run);
    if (this.played) this.played.records = records;
    this.setRunning(false);
    this.setProgress(records.length, this.total);
    this.showResults(records);
    const seconds = (end - this.startedAt) / 1000;
    const t = texts.autoruns;
    let text =
      outcome.cancelled || outcome.failures.length > 0
        ? t.cancelled(seconds, records.length, this.total)
        : t.finished(records.length, seconds);
    for (const failure of new Set(outcome.failures)) text += ` ${t.failed(failure)}`;
    this.status.textContent = text;
    this.element.dataset['finished'] = String(records.length);
    if (this.played && records.length > 0) {
      const csv = this.played.sweep.csv(records);
      this.onRunsFinished?.({ args, records, csv, cancelled: outcome.cancelled });
    }
  }

  /** Says where the sweep's runs joined the notebook's run table. */
  noteJoined(first: number, last: number): void {
    this.status.textContent += texts.autoruns.joined(first, last);
  }

  private setRunning(running: boolean): void {
    for (const { input } of this.fields) input.disabled = running;
    this.warmupGoal.disabled = this.warmupClicks.disabled = running;
    // Run hands the focus to Cancel, and Cancel (or the sweep's end) back to Run.
    switchControls([
      { control: this.runButton, enabled: !running, heir: () => this.cancelButton },
      { control: this.cancelButton, enabled: running, heir: () => this.runButton },
      {
        control: this.exportButton,
        enabled: !running && !!this.played?.records.length,
        heir: () => this.cancelButton,
      },
    ]);
    if (running) this.element.setAttribute('aria-busy', 'true');
    else this.element.removeAttribute('aria-busy');
  }

  private setProgress(done: number, total: number): void {
    this.progress.max = Math.max(1, total);
    this.progress.value = done;
    this.progressText.textContent = texts.autoruns.progress(done, total);
  }

  private showResults(records: SweepRecord[]): void {
    this.figure.querySelector('svg')?.remove();
    this.numbers.replaceChildren();
    this.summary.replaceChildren();
    this.comparison.replaceChildren();
    this.learners.replaceChildren();
    this.learners.hidden = true;
    if (!this.played || records.length === 0) {
      const none = document.createElement('li');
      none.textContent = texts.autoruns.noRuns;
      this.summary.append(none);
      return;
    }
    const plot = this.played.sweep.boxes(records);
    this.numbers.before(boxPlot(plot));
    for (const box of plot.boxes) this.numbers.append(item(boxText(box)));
    for (const line of this.played.sweep.summary(records)) this.summary.append(item(line));
    // The first line says how the runs are counted; a line per later condition follows.
    this.comparison.append(...headedList(this.played.sweep.comparison(records)));
    const learners = this.played.sweep.learners(records);
    if (!learners.heading) return;
    const heading = document.createElement('p');
    heading.id = 'autoruns-learners-heading';
    heading.textContent = learners.heading;
    const summary = document.createElement('ul');
    summary.append(...learners.summary.map(item));
    const brought = document.createElement('ul');
    brought.append(...learners.brought.map(item));
    this.learners.append(heading, summary, ...headedList(learners.comparison), brought);
    this.learners.hidden = false;
  }

  // Saves vantrel-lab's CSV of the runs, with the learner's columns when the sweep has them.
  private exportRuns(): void {
    const played = this.played;
    if (!played || played.records.length === 0) return;
    const blob = new Blob([played.sweep.csv(played.records)], { type: 'text/csv' });
    const url = URL.createObjectURL(blob);
    const link = document.createElement('a');
    link.href = url;
    link.download = texts.autoruns.exportName;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 0);
  }
}

function button(label: string, act: () => void): HTMLButtonElement {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = label;
  element.addEventListener('click', act);
  return element;
}

function input(value: string): HTMLInputElement {
  const element = document.createElement('input');
  element.type = 'text';
  element.value = value;
  element.spellcheck = false;
  element.autocomplete = 'off';
  return element;
}

function labelled(
  title: string,
  field: HTMLInputElement | HTMLTextAreaElement,
  wide = false,
): HTMLLabelElement {
  const line = document.createElement('label');
  line.className = wide ? 'autoruns-field wide' : 'autoruns-field';
  const name = document.createElement('span');
  name.textContent = title;
  line.append(name, field);
  return line;
}

function fieldset(legend: string, ...children: HTMLElement[]): HTMLFieldSetElement {
  const element = document.createElement('fieldset');
  const title = document.createElement('legend');
  title.textContent = legend;
  element.append(title, ...children);
  return element;
}

// Lines whose first says what the others are: a paragraph and a list; nothing for no lines.
function headedList([heading, ...lines]: string[]): HTMLElement[] {
  if (heading === undefined) return [];
  const note = document.createElement('p');
  note.textContent = heading;
  const list = document.createElement('ul');
  list.append(...lines.map(item));
  return [note, list];
}

function item(text: string): HTMLLIElement {
  const element = document.createElement('li');
  element.textContent = text;
  return element;
}
