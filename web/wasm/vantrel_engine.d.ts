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
}

/** The three numbers that steer a run. */
export interface Parameters {
  startOrganisms: number;
  creativity: number;
  bonus: number;
}

/** One organism row of the table, as its cells' texts. */
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
  /** The organism shown (from 1), or 0 in an empty table. */
  selectedRow(): number;
  counters(): Counters;
  parameters(): Parameters;
  /**
   * The shown organism's picture as R, G, B, A bytes for ImageData: `size` CSS pixels
   * square at `devicePixelRatio`, pictureSide(size, devicePixelRatio) pixels a side.
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
  /**
   * The texts of the workbook the desktop's "Excel" writes, rows `firstRow` (0 is the title
   * row) to `firstRow + rowCount - 1`, or the error report instead.
   */
  workbookCells(firstRow: number, rowCount: number): WorkbookCells;
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

/**
 * Rows of the workbook's cells, `columns` to a row: their texts
 * back to back, and each one's length. A `problem` ("" if none) refuses them all.
 */
export interface WorkbookCells {
  text: string;
  lengths: Uint32Array<ArrayBuffer>;
  columns: number;
  problem: string;
}

/** What the desktop says of a file it cannot load, as loadTable says it. */
export interface FileRefusal {
  message: string;
  errorReport: boolean;
}

export interface VantrelEngineModule {
  Engine: typeof Engine;
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
  /** What the desktop says when `fileName` is no file (a folder, say). */
  notAFile(fileName: string): FileRefusal;
  /** What the desktop says when the file `fileName` cannot be read. */
  cannotOpen(fileName: string): FileRefusal;
  /** `text` worded as the desktop's error report. */
  errorReport(text: string): string;
}

/** Instantiates the module. */
export default function createVantrelEngine(): Promise<VantrelEngineModule>;
