// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's WebAssembly module (vantrel_engine.mjs), as the page calls it. Written by
// hand: Emscripten 3.1.6 cannot emit declarations. tests/web/bindings_test.mjs checks that
// the module and this file name the same calls and calls each of them.

/** What one action changed; all false when it did nothing. */
export interface Change {
  table: boolean;
  selection: boolean;
  run: boolean;
  counters: boolean;
  parameters: boolean;
  /** What the learner learned, or its own clicks. */
  learner: boolean;
}

/** A trait the learner weighs, as "What you select for" shows it. */
export interface LearnedTrait {
  /** "keeps red, strength 64%" in the language shown. */
  text: string;
  /** 0 to 100: how far the trait alone moves the chance of being kept from even. */
  strength: number;
  keeps: boolean;
}

/** The learner as the notebook shows it. */
export interface LearnerState {
  /** The traits weighed most, strongest first (at most four). */
  traits: LearnedTrait[];
  /** "Predicted 14 of your last 20 clicks"; "" before the first click. */
  accuracy: string;
  /** The clicks it learned from since the start or its reset. */
  clicks: number;
  /** The current run's clicks: the user's, the learner's own ("Judge like me"). */
  userClicks: number;
  learnerClicks: number;
  /** "Your clicks: 12 · Clicks of the learner: 40". */
  clicksText: string;
}

/** The learner's texts beside the page's controls, and the limits of "Judge like me". */
export interface LearnerTexts {
  /** "What you select for" */
  heading: string;
  /** "Judge like me" */
  judgeLikeMe: string;
  /** The reset button's word. */
  reset: string;
  /** The word of the toggle that shows each organism's chance of being kept. */
  chances: string;
  /** The labels of the number of clicks and of the pace (clicks per second). */
  clicks: string;
  pace: string;
  cancel: string;
  /** What the learner says before its first click. */
  nothingLearned: string;
  mostClicks: number;
  firstClicks: number;
  fastestPace: number;
  firstPace: number;
}

/** The three numbers that steer a run. */
export interface Parameters {
  startOrganisms: number;
  creativity: number;
  bonus: number;
}

/**
 * One organism's own cells, which the pictures and the health read whatever columns the
 * table shows (the table itself shows shownRows).
 */
export interface TableRow {
  id: string;
  p1: string;
  p2: string;
  dna: string;
  survival: string;
}

/** The organism counter, the current run's clicks and goal counts, undo and redo. */
export interface Counters {
  organismCounter: number;
  run: number;
  feeds: number;
  shots: number;
  clicks: number;
  /** -1 until some organism meets the goal. */
  firstMatchClick: number;
  /** -1 until every organism meets it. */
  stableClick: number;
  organisms: number;
  matching: number;
  canUndo: boolean;
  canRedo: boolean;
}

/** How a load went: `message` is what to tell the user ("" for nothing). */
export interface LoadResult {
  ok: boolean;
  /** A failure the program did not handle itself, shown as an error. */
  errorReport: boolean;
  message: string;
  /** After a load that took the file: the status line naming it and its organisms. */
  status: string;
  change: Change;
}

/** One page of the experiments help: its tab's caption and its text. */
export interface ExperimentPage {
  caption: string;
  /** Paragraphs separated by one empty line. */
  text: string;
}

/** The experiments help: its title, its close button's text and its six pages. */
export interface ExperimentsHelp {
  title: string;
  close: string;
  pages: ExperimentPage[];
}

/** The addresses of the maker's home page and of the product's page. */
export interface WebLinks {
  makerHomePage: string;
  productPage: string;
}

/** One organism of a family tree. Serials number every organism of the session. */
export interface TreeCard {
  serial: number;
  /** 0 for the organism the tree is about, 1 for a parent, up to 5. */
  generation: number;
  /** Its table row while it lives, 0 once it has left the table. */
  row: number;
  /** -1 for a root (a founder or a loaded organism). */
  firstParent: number;
  secondParent: number;
  alive: boolean;
  root: boolean;
  id: string;
  dna: string;
  /** Where each DNA character came from: 0 first parent, 1 second parent, 2 mutation, 3 root. */
  origins: number[];
  /** "ID 12 · living", as the desktop's card says it. */
  caption: string;
  /** Pool, parents, birth and end; only for generation 0. */
  details: string;
  /** The origins run by run, in words. */
  description: string;
}

/** An organism and its ancestors, nearest first; no cards without an organism. */
export interface FamilyTree {
  /** The organism's serial, -1 for none. */
  serial: number;
  cards: TreeCard[];
}

/** How the family tree marks the digits of one origin. */
export interface OriginStyle {
  name: string;
  /** "#rrggbb" */
  colour: string;
  /** "plain", "underline" (the second parent's) or "boxed" (bold on a box: a mutation). */
  mark: string;
}

/** One sample digit of the legend, in its origin's style, and the text after it. */
export interface LegendEntry {
  digit: string;
  origin: number;
  text: string;
}

/** The legend above the tree: the lead, the entries, the tail. */
export interface FamilyTreeLegend {
  lead: string;
  entries: LegendEntry[];
  tail: string;
}

/** The family tree's fixed texts, legend and digit styles, as the desktop has them. */
export interface FamilyTreeTexts {
  title: string;
  back: string;
  backName: string;
  backTooltip: string;
  noOrganism: string;
  /** The rows' headings, from the parents (index 0) back. */
  generations: string[];
  /** By origin number (see TreeCard.origins). */
  origins: OriginStyle[];
  legend: FamilyTreeLegend;
}

/** Where automatic runs joined the run table. */
export interface JoinedRuns {
  first: number;
  count: number;
}

/** One judged word of the goal and whether the shown organism meets it. */
export interface WordCheck {
  word: string;
  met: boolean;
}

/** A finished run by hand in the comparison; -1 for a click that did not happen. */
export interface ComparedRun {
  number: number;
  /** A parameter box changed during the run. */
  parametersChanged: boolean;
  startOrganisms: number;
  creativity: number;
  bonus: number;
  firstMatchClick: number;
  stableClick: number;
  /** Its label, a line each: "Run 3*", "pop 10 · cr 10%", "bonus 1", "no match"… */
  label: string[];
}

/** A plot's value axis from 0 to `max`, a tick every `step`. */
export interface ValueAxis {
  max: number;
  step: number;
}

/**
 * The scales of the run's three plots (share in percent, distinct DNA strings, mean
 * diversity in bits): one x axis over the clicks, a y axis each.
 */
export interface CurveScales {
  xMax: number;
  xTick: number;
  yMax: number[];
  yTick: number[];
}

/** What the lab notebook shows, as the engine's notebook holds it; -1 for no click. */
export interface Notebook {
  /** The current run's number; 0 before the first. */
  run: number;
  automatic: boolean;
  /** "2026-12-09 12:00" (UTC), "" when unknown. */
  started: string;
  /** "Run 3 · by hand · started 2026-12-09 12:00 UTC", or "No run yet". */
  runTitle: string;
  /** "" without a goal. */
  goal: string;
  /** The goal as shown, or what to do without one. */
  goalText: string;
  /** Why only the user can end the run: "notJudged", "unreachable" or "". */
  goalNote: string;
  /** That reason in words; "" without one. */
  goalNoteText: string;
  feeds: number;
  shots: number;
  clicks: number;
  firstMatchClick: number;
  stableClick: number;
  /** The user said the goal is reached ("Reached"). */
  reachedByUser: boolean;
  /** The five counters as shown: feeds, shots, clicks, first match, stable. */
  counters: string[];
  canDeclareReached: boolean;
  /** The shown organism in words. */
  description: string;
  checks: WordCheck[];
  /** What stands in for the checks when there are none. */
  checksNote: string;
  /**
   * The run's curve, four numbers a point: the click, the share of organisms meeting the
   * goal (0 to 1), the distinct DNA strings and the mean diversity in bits per DNA digit.
   * At most 500 points, evenly thinned out of a long run.
   */
  samples: Float64Array<ArrayBuffer>;
  scales: CurveScales;
  /** The latest 12 finished runs by hand, oldest first. */
  compared: ComparedRun[];
  /** How many finished runs by hand there are in all. */
  comparedTotal: number;
  /** The note above their plot. */
  comparedNote: string;
  /** The value axis of their bars. */
  comparedAxis: ValueAxis;
}

/** The engine: every action of the user, then what the page reads back. */
export declare class Engine {
  /** Seeded from the clock (Date) as the desktop program seeds itself. */
  constructor();
  /** Seeded from the given moment, which every time the engine notes reads. */
  constructor(unixMilliseconds: number);
  /** Frees the engine's memory; the object is unusable afterwards. */
  delete(): void;

  newGenePool(): Change;
  feed(): Change;
  shoot(): Change;
  newIdea(): Change;
  undo(): Change;
  redo(): Change;
  /** Shows organism `row` (from 1), as a click on its row does. */
  selectRow(row: number): Change;
  /**
   * Sets the parameters as the desktop commits its boxes (whole numbers, the start
   * population within 2 to 1000); a field that is no number keeps its value. Returns the
   * values kept.
   */
  setParameters(parameters: Partial<Parameters>): Parameters;
  /** Loads a table file's bytes; `fileName` names it in the message. */
  loadTable(bytes: Uint8Array, fileName: string): LoadResult;
  /** The bytes of the table file the desktop's Save writes. */
  tableBytes(): Uint8Array<ArrayBuffer>;

  /** Organisms in the table, without the title row. */
  rowCount(): number;
  /** Up to `count` organism rows from row `first` (from 1). */
  rows(first: number, count: number): TableRow[];
  /**
   * The table's column titles as the desktop's table shows them: the program's own in the
   * current language, a file's others as its bytes read as Latin-1.
   */
  columnTitles(): string[];
  /** Up to `count` rows from row `first` (from 1), each exactly the table's columns. */
  shownRows(first: number, count: number): string[][];
  /** The organism shown (from 1), or 0 in an empty table. */
  selectedRow(): number;
  counters(): Counters;
  parameters(): Parameters;
  /**
   * The shown organism's picture as R, G, B, A bytes for ImageData: `size` CSS pixels
   * square at `devicePixelRatio`, pictureSide(size, devicePixelRatio) pixels a side. A view
   * into the module's memory, lent until the next call into the module: put it on a canvas
   * (or copy it) at once.
   */
  organismRgba(size: number, devicePixelRatio: number): Uint8Array<ArrayBuffer>;
  /** Any organism's picture, by its DNA, as organismRgba draws the shown one. */
  pictureRgba(dna: string, size: number, devicePixelRatio: number): Uint8Array<ArrayBuffer>;
  /** The population view's tooltip for organism `row` (from 1); "" outside the table. */
  tooltip(row: number): string;
  /** The shown organism in words. */
  organismWords(): string;
  /** The sentence of the last idea ("" before the first). */
  idea(): string;
  /** The current run's goal ("" without one). */
  goal(): string;
  /** The current run's judged goal words as --goal takes them ("" when it judges none). */
  goalList(): string;
  /** The family tree of organism `serial`, or of the shown organism for -1. */
  familyTree(serial: number): FamilyTree;
  /** The learner's state as the desktop's engine encodes it, to compare after the same clicks. */
  learnerBytes(): Uint8Array<ArrayBuffer>;
  /** The user's "Reached" at the current click; no change without a goal or once reached. */
  declareReached(): Change;
  /**
   * Opens a lesson from its text, as one step that can be undone: the founders of its time,
   * its parameters, its goal's run. `message` is what to say ("" for nothing).
   */
  openLesson(text: string): LessonOpening;
  /** The lesson opened last, or null. */
  lesson(): OpenLesson | null;
  /** Whether the open lesson keeps the parameters as it set them. */
  parametersLocked(): boolean;
  /** The pupil's name on the current run and every later one. */
  setPupil(name: string): Change;
  /** The name for the run table's CSV: "runs.csv", or "runs-<pupil>.csv". */
  runsFileName(): string;
  /** The lab notebook as it stands. */
  notebook(): Notebook;
  /** The run table as the desktop's "Export runs…" writes it (CSV, CR LF). */
  runsCsv(): string;
  /**
   * Finished automatic runs (vantrel-lab's CSV, its header first) join the run table under
   * the next numbers, as mode "judge"; `first` is the first one's number.
   */
  addRuns(runsCsv: string): JoinedRuns;

  /** Starts the journal with the present table as its base (a second call does nothing). */
  startJournal(): void;
  /** What the journal has to store since the last call, oldest first. */
  takeJournal(): JournalRecord[];
  /** The notebook's finished runs as CSV, kept beside the journal. */
  finishedRuns(): string;
  /** Restores a run read back from the journal, as one step that can be undone. */
  restoreRun(run: StoredRun): RestoreResult;
  /**
   * A sheet of the workbooks both faces write, without its cells: "organisms" is the
   * table's ("Excel"), "runs" the run table's ("To spreadsheet").
   */
  sheet(kind: SheetKind): SheetFormat;
  /**
   * That sheet's cells, rows `firstRow` (0 is the title row) to `firstRow + rowCount - 1`,
   * or the error report that refuses the sheet.
   */
  sheetCells(kind: SheetKind, firstRow: number, rowCount: number): SheetCells;
  /** What the learner weighs most, its predictions and the run's clicks by whom. */
  learner(): LearnerState;
  /** The chance, 0 to 1, that the user keeps organism `row` (from 1); null outside. */
  chanceKept(row: number): number | null;
  /** That chance in whole percent ("64% kept"); "" outside the table's organisms. */
  chanceKeptText(row: number): string;
  /** The learner forgets what it learned (no step of the history). */
  resetLearner(): Change;
  /**
   * "Judge like me" at the page's pace: opens one step of the history; false without
   * organisms or while judging. Any other action closes it first.
   */
  startJudging(): boolean;
  /** The learner's next `clicks` clicks in the user's place, and what they changed. */
  judgeMore(clicks: number): Change;
  /** Closes the step: the clicks made so far stay, one undo takes them all back. */
  stopJudging(): Change;
  judging(): boolean;
}

/**
 * One record for the journal: a base (the whole table; the entries before it no longer
 * count) or an entry (`type` 0 step, 1 undo, 2 redo, 3 note), in the desktop journal's
 * bytes, with the steps done since the base and the organisms after it.
 */
export interface JournalRecord {
  base: boolean;
  type: number;
  data: Uint8Array<ArrayBuffer>;
  annex: Uint8Array<ArrayBuffer>;
  steps: number;
  organisms: number;
}

/**
 * A run as read back: its base, and its entries packed one after another (the type byte,
 * then data and annex each as a 4-byte little-endian length and the bytes).
 */
export interface StoredRun {
  base: Uint8Array;
  baseAnnex: Uint8Array;
  entries: Uint8Array;
  /** The steps the last record said. */
  stepsAtEnd: number;
  /** How the messages name the run. */
  name: string;
  /** finishedRuns() as it was kept. */
  finishedRuns: string;
}

/** Whether a stored run can be restored, how many steps, and what to tell the user. */
export interface StoredRunReading {
  readable: boolean;
  steps: number;
  lostSteps: number;
  /** Whether a run that ended unexpectedly is worth offering to restore. */
  offer: boolean;
  message: string;
}

/** How a restore went: `message` tells of damage ("" for nothing). */
export interface RestoreResult {
  ok: boolean;
  message: string;
  change: Change;
}

/** The journal's fixed texts, as the desktop program words them. */
export interface JournalTexts {
  restoreCaption: string;
  noEarlierRun: string;
  noJournal: string;
}

/** The population view's picture sizes (CSS pixels), padding and empty-table hint. */
export interface Gallery {
  minPictureSize: number;
  maxPictureSize: number;
  defaultPictureSize: number;
  /** Around each picture, inside its cell. */
  padding: number;
  emptyHint: string;
}

/** A finished automatic run as the page keeps it. */
export interface SweepRecord {
  /** Its number in the sweep, from 1; 0 for a number outside it. */
  run: number;
  /** From 1. */
  condition: number;
  /** -1 when no organism met the goal. */
  firstMatchClick: number;
  /** -1 when the population never became stable. */
  stableClick: number;
  reached: boolean;
  /** Its line of vantrel-lab's CSV, with the CR LF line end. */
  csvLine: string;
  /** The judge's clicks (before the learner took over, in a sweep of learners). */
  judgeClicks: number;
}

/** What the summary of a sweep of learners adds; all empty for a sweep without learners. */
export interface LearnerLines {
  /** "By the judge's clicks to stable (the learner's clicks left out):" */
  heading: string;
  /** By the judge's clicks to stable: a line per condition, as summary() words them. */
  summary: string[];
  /** The same compared with each goal's first condition, as comparison() words them. */
  comparison: string[];
  /** Per condition with a learner: how many runs the learner brought to stable. */
  brought: string[];
}

/** One condition's clicks to stable for a box plot; all five values 0 without stable runs. */
export interface StableBox {
  condition: number;
  runs: number;
  stableRuns: number;
  low: number;
  q1: number;
  median: number;
  q3: number;
  high: number;
  /** Its label under the plot, a line each: "Condition 2", "7/10 stable". */
  label: string[];
}

/** The box plot of a sweep: a box per condition and the value axis they share. */
export interface StablePlot {
  boxes: StableBox[];
  axis: ValueAxis;
}

/**
 * A sweep of automatic runs from vantrel-lab's options (the words after the program's
 * name, e.g. ['--goal', 'shape=square', '--runs', '20']), refused with its words.
 */
export declare class LabSweep {
  constructor(args: string[]);
  /** The command line's message for refused options; "" when they are good. */
  error(): string;
  /** 0 when refused. */
  totalRuns(): number;
  conditionCount(): number;
  /** The run numbers of share `shard` (from 1) of `shards`, as --shard K/N plays them. */
  shardRuns(shard: number, shards: number): number[];
  /** Plays one run on the calling thread. */
  playRun(run: number): SweepRecord;
  boxes(records: SweepRecord[]): StablePlot;
  /** The desktop's summary, a line per condition. */
  summary(records: SweepRecord[]): string[];
  /**
   * Each condition compared with the first, as vantrel-lab's summary ends: a heading line,
   * then a line per condition after the first; empty with one condition.
   */
  comparison(records: SweepRecord[]): string[];
  /** What vantrel-lab's summary of a sweep of learners adds, from the same records. */
  learners(records: SweepRecord[]): LearnerLines;
  /**
   * vantrel-lab's CSV of the records: the header, then a line per run in run order; with the
   * columns learner,judge_clicks when the sweep compares learners (--learner).
   */
  csv(records: SweepRecord[]): string;
  delete(): void;
}

/** What opening a lesson did. */
export interface LessonOpening {
  opened: boolean;
  message: string;
  change: Change;
}

/** The lesson open: its identifier in the runs, title, experiment to help with (0: none). */
export interface OpenLesson {
  id: string;
  title: string;
  experiment: number;
  lockParameters: boolean;
}

/** A teacher's choices for a lesson; `goal` a key=value list ("" for none). */
export interface LessonChoices {
  title: string;
  startSeconds: number;
  parameters?: [number, number, number];
  goal: string;
  experiment: number;
  lockParameters: boolean;
}

/** A lesson's text ("" when refused) and why a goal was refused ("" if it was not). */
export interface LessonTextResult {
  text: string;
  problem: string;
}

/** One judged word of a goal: its aspect's key and the word. */
export interface GoalWord {
  key: string;
  word: string;
}

/** An aspect's key and the words --goal takes for it. */
export interface GoalAspect {
  key: string;
  words: string[];
}

export interface LessonLimits {
  /** The most bytes of text a lesson holds. */
  lessonBytes: number;
  lastExperiment: number;
  /** The largest runs file pooled. */
  runsFileBytes: number;
}

/** What a printed worksheet holds for one experiment besides its title and goal. */
export interface Worksheet {
  stepsHeading: string;
  steps: string[];
  countsHeading: string;
  /** The run's number first, then the counts the pupil writes down. */
  countColumns: string[];
  questionsHeading: string;
  questions: string[];
}

/** One lesson's runs (or those of none, lesson ""), pooled. */
export interface ClassGroup {
  lesson: string;
  pupils: string[];
  runs: number;
  plot: StablePlot;
}

/** Runs files pooled into the class's results. */
export declare class ClassResults {
  constructor(files: { name: string; bytes: Uint8Array }[]);
  /** The summary every face shows and saves. */
  summary(): string;
  /** A sentence for each file, line or run named and skipped. */
  skipped(): string[];
  filesRead(): number;
  /** The class's lesson first, every other lesson's runs apart. */
  groups(): ClassGroup[];
  /** The pooled runs as one CSV in vantrel-lab's layout. */
  pooledCsv(): string;
  /** The pooled runs' sheet and its cells, for the page's workbook writer. */
  sheet(): SheetFormat;
  sheetCells(): SheetCells;
  delete(): void;
}

/** An organism on a contact sheet. */
export interface SheetOrganism {
  id: string;
  dna: string;
}

/** An ID under a contact sheet's picture and the box it is centred in (pixels). */
export interface SheetLabel {
  id: string;
  left: number;
  top: number;
  width: number;
  height: number;
}

/** A contact sheet: its pixels without the IDs, which the page writes into `labels`. */
export interface ContactSheet {
  width: number;
  height: number;
  /** R, G, B, A bytes, width x height. */
  rgba: Uint8Array<ArrayBuffer>;
  labels: SheetLabel[];
  /** The IDs' text: its size in pixels and its colour ("#rrggbb"). */
  fontSize: number;
  textColour: string;
}

/** What the population view knows of itself, from which the gallery's cells follow. */
export interface GalleryGeometry {
  count: number;
  /** CSS pixels; clamped to minPictureSize..maxPictureSize as the desktop clamps it. */
  pictureSize: number;
  /** The caption's line under each picture. */
  labelHeight: number;
  /** The view's width. */
  width: number;
}

/** The gallery's columns and rows and the sizes of its cells, as the desktop lays it out. */
export interface GalleryShape {
  columns: number;
  rows: number;
  pictureSize: number;
  cellWidth: number;
  cellHeight: number;
  contentHeight: number;
}

/** A rectangle in the gallery's content coordinates (CSS pixels). */
export interface Rect {
  left: number;
  top: number;
  width: number;
  height: number;
}

/**
 * The pictures in sight: indexes (from 0) `first` to `end` (exclusive), and for each, 12
 * numbers in `boxes`: its cell's, its picture's and its label's left, top, width, height.
 */
export interface GalleryCells {
  first: number;
  end: number;
  boxes: Int32Array<ArrayBuffer>;
}

/** The workbooks' sheets: the organisms table's and the run table's. */
export type SheetKind = 'organisms' | 'runs';

/**
 * A sheet as the core defines it: its name, its size, each column's width in characters,
 * whether its block is a table under the default table style and whether that table's
 * first row names its columns, and the table's column names as the file holds them.
 */
export interface SheetFormat {
  name: string;
  rows: number;
  columns: number;
  widths: Float64Array<ArrayBuffer>;
  table: boolean;
  headerRow: boolean;
  columnNames: string[];
}

/**
 * Rows of a sheet's cells, row by row: their texts as the file holds them, back to back,
 * each one's length, and 1 for each cell that is a number (0 for text). A `problem` ("" if
 * none) refuses them all; an empty text is a blank cell.
 */
export interface SheetCells {
  text: string;
  lengths: Uint32Array<ArrayBuffer>;
  numbers: Uint8Array<ArrayBuffer>;
  problem: string;
}

/** What the desktop says of a file it cannot load, as loadTable says it. */
export interface FileRefusal {
  message: string;
  errorReport: boolean;
}

export interface VantrelEngineModule {
  Engine: typeof Engine;
  /** The largest table file the page opens, in bytes. */
  largestTableFile(): number;
  /** Device pixels of a side of a picture `size` CSS pixels wide (1 to 4096). */
  pictureSide(size: number, devicePixelRatio: number): number;
  /** The seed the engine takes at `unixMilliseconds`: milliseconds since midnight UTC. */
  seedAt(unixMilliseconds: number): number;
  /** The experiments help, as the desktop program shows it. */
  experimentsHelp(): ExperimentsHelp;
  /** The addresses the desktop program's two links open. */
  webLinks(): WebLinks;
  /** The population view's sizes and hint, as the desktop program has them. */
  gallery(): Gallery;
  learnerTexts(): LearnerTexts;
  /** "Judged 3 of 20 clicks" in the language shown. */
  judgingProgress(made: number, clicks: number): string;
  /** The family tree's texts and digit styles. */
  familyTreeTexts(): FamilyTreeTexts;
  LabSweep: typeof LabSweep;
  ClassResults: typeof ClassResults;
  /** The compressed lesson a link (whole address or fragment) carries, or null. */
  lessonLinkBytes(link: string): Uint8Array<ArrayBuffer> | null;
  /** Whether a link (whole address or fragment) is meant as a lesson, sound or damaged. */
  isLessonLink(link: string): boolean;
  /** "#lesson=" and the base64url of the compressed lesson. */
  lessonFragment(compressed: Uint8Array): string;
  /** The lesson text of the teacher's choices. */
  lessonText(choices: LessonChoices): LessonTextResult;
  /** The goal words vantrel-lab --goal takes, per aspect. */
  goalWords(): GoalAspect[];
  /**
   * The judged words of an idea drawn as the light bulb draws one, from a random source
   * seeded with `seed` (the engine's is left as it is), keyed as goalWords keys them.
   */
  ideaGoal(seed: number): GoalWord[];
  lessonLimits(): LessonLimits;
  /** "This link does not hold a Vantrel lesson." in the language shown. */
  notALessonMessage(): string;
  /** The goal of a key=value list as pupils read it; "" for none, the list's fault if bad. */
  goalSentence(list: string): string;
  /** The worksheet's steps and questions for experiment 1 to 5 (none for others). */
  worksheet(experiment: number): Worksheet;
  /**
   * vantrel-lab's CSV of the records: the header, then a line per run in run order (without
   * the learner's columns: LabSweep.csv writes a sweep's CSV with them where it has them).
   */
  sweepCsv(records: SweepRecord[]): string;
  /** An organism's drawing as an SVG document, 350 pixels square, as the desktop saves it. */
  organismSvg(dna: string): string;
  /** The file name the desktop offers for organism `id`'s picture ("organism-<id>.png"). */
  pictureFileName(id: string): string;
  /** Whether organism `dna` draws with the invisible pen (its picture stays blank). */
  penInvisible(dna: string): boolean;
  /** The contact sheet of the first contactSheetLimit() organisms, in their order. */
  contactSheet(organisms: SheetOrganism[]): ContactSheet;
  /** The same sheet as an SVG document, the organisms as vectors, the IDs as text. */
  contactSheetSvg(organisms: SheetOrganism[]): string;
  /** What to say of a sheet showing `shown` of `total` organisms ("" when all). */
  contactSheetNote(shown: number, total: number): string;
  /** The most organisms one contact sheet shows. */
  contactSheetLimit(): number;
  /** The formats the desktop's save dialog offers: PNG's description, then SVG's. */
  pictureFormats(): string[];
  /** The gallery's columns, rows and cell sizes. */
  galleryShape(geometry: GalleryGeometry): GalleryShape;
  /** The cell of picture `index` (from 0). */
  galleryCell(geometry: GalleryGeometry, index: number): Rect;
  /**
   * The index an arrow key moves to from `index`: `across` -1/+1 for left/right, `down`
   * -1/+1 for up/down; -1 without pictures.
   */
  galleryStep(geometry: GalleryGeometry, index: number, across: number, down: number): number;
  /** The pictures with a cell between content heights `top` and `bottom` (exclusive). */
  galleryCells(geometry: GalleryGeometry, top: number, bottom: number): GalleryCells;
  /**
   * A column's title as the table shows it: "ID", "P1", "P2", "DNA" and "Survival" in the
   * current language, any other title (one a file brought) as it is.
   */
  shownColumnTitle(title: string): string;
  /** Reads a stored run without restoring it. */
  readStoredRun(run: StoredRun): StoredRunReading;
  journalTexts(): JournalTexts;
  /** The question asked about a run that ended unexpectedly. */
  restoreQuestion(organisms: number, steps: number): string;
  /** The message when the journal stops: `where` it was kept, `what` went wrong. */
  journalFailed(where: string, what: string): string;
  /** The message about a run that cannot be read; `name` as in StoredRun. */
  journalDamaged(name: string): string;
  /** The message about a run a newer version of the page kept; `name` as in StoredRun. */
  journalNewer(name: string): string;
  /** What the desktop says when `fileName` is no file (a folder, say). */
  notAFile(fileName: string): FileRefusal;
  /** What the desktop says when the file `fileName` cannot be read. */
  cannotOpen(fileName: string): FileRefusal;
  /** `text` worded as the desktop's error report. */
  errorReport(text: string): string;
  /**
   * Speaks language `code` ("en", "nl", "de", "pseudo"; any other is English) in every text
   * the engine makes from now on, with that language's catalogue (the bytes of
   * vantrel_<code>.cat; damaged or missing texts stay English). Answers the code taken.
   */
  setLanguage(code: string, catalogue: Uint8Array): string;
  /** The code of the language the engine speaks. */
  language(): string;
  /**
   * `source` in the language spoken, found in `context` or else under the same source in
   * any context; `source` itself when the catalogue lacks it.
   */
  tr(context: string, source: string): string;
  /**
   * The plural form for `count` of a text whose English forms are `one` and `other`, found
   * under `other`; "%n" replaced by the count with its thousands grouped.
   */
  trN(context: string, one: string, other: string, count: number): string;
  /** `text` with %1 ... %9 replaced by `args` in one pass: an argument's own "%2" stays. */
  arg(text: string, args: string[]): string;
  /**
   * `number` as the language spoken writes a shown number ("1234" and "2.5" in English,
   * "1.234" and "2,5" in Dutch and German): with `decimals` places (a tie rounded away from
   * zero), or in its shortest form when `decimals` is negative.
   */
  localDecimal(number: number, decimals: number): string;
  /**
   * A moment (milliseconds since 1970 UTC) as the language spoken writes a date and time,
   * in the browser's time zone: "2026-12-08 21:36:32", "08-12-2026 21:36:32" or
   * "08.12.2026 21:36:32".
   */
  localDateTime(unixMilliseconds: number): string;
  /** Every language by its code and its own name, the pseudo-language last. */
  languages(): LanguageName[];
  /**
   * The code of the first of `tags` (language tags, best first) the engine speaks, "en"
   * when none is; never the pseudo-language, which is only chosen by name.
   */
  preferredLanguage(tags: string[]): string;
  /** The translated texts of `context` in the language spoken: [English, translation]. */
  translatedTexts(context: string): string[][];
  /** The limits and counts the core sets. */
  limits(): Limits;
  /** The first values of the "Run automatically" panel, as the desktop's panel has them. */
  autoRunDefaults(): AutoRunDefaults;
}

/** A language: its code ("nl") and its name in itself ("Nederlands"). */
export interface LanguageName {
  code: string;
  name: string;
}

/**
 * What the page needs before the engine runs, written by the engine when it is built
 * (vantrel_start.json beside it): every language's code, the languages the user chooses
 * among, and per code the translations of the texts the page shows before the engine runs
 * (context PageBeforeEngine) by their English.
 */
export interface StartTable {
  codes: string[];
  choices: LanguageName[];
  texts: Record<string, Record<string, string>>;
}

/** The first value of each of the automatic runs' boxes, by its vantrel-lab option. */
export interface AutoRunDefaults {
  population: number;
  creativity: number;
  bonus: number;
  strictness: number;
  runs: number;
  maxClicks: number;
  seed: number;
  warmupClicks: number;
}

export interface Limits {
  /** The start population's box: the fewest and the most organisms. */
  minStartOrganisms: number;
  maxStartOrganisms: number;
  /** How many program runs' journals are kept, this one's included. */
  keepRuns: number;
}

/** Where the module's WebAssembly comes from, when the caller provides it. */
export interface EngineLoadOptions {
  /** The bytes of vantrel_engine.wasm, read by the caller. */
  wasmBinary?: ArrayBuffer | Uint8Array;
  /**
   * Instantiates the WebAssembly with `imports` and passes the result to `done`; returns
   * an empty object at once (the instantiation finishes later).
   */
  instantiateWasm?(
    imports: WebAssembly.Imports,
    done: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void,
  ): object;
}

/**
 * Instantiates the module; without `instantiateWasm` it reads vantrel_engine.wasm from its
 * own folder (Node) or address.
 */
export default function createVantrelEngine(
  options?: EngineLoadOptions,
): Promise<VantrelEngineModule>;
