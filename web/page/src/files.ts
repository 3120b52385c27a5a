// SPDX-License-Identifier: GPL-3.0-or-later
// Open, Save and Excel: a table file the user picks or drops is read whole and handed on
// as bytes; Save downloads the table's bytes and Excel the workbook of its cells.
import { downloadBytes } from './download';
import type { Engine, SheetCells } from 'vantrel-engine';
import { texts } from './texts';
import { workbookBytes, type WorkbookSheet } from './workbook';

// What becomes of a file chosen for Open: its bytes loaded, or the desktop's word on a
// file it cannot read or a name that is no file, or the page's on one too large for it.
export interface TableReader {
  load(bytes: Uint8Array, name: string): void;
  cannotOpen(name: string): void;
  notAFile(name: string): void;
  tooLarge(name: string): void;
}

// The largest file the page opens, in bytes: the module's, once it is loaded.
let largestFile = Infinity;

export function setLargestTableFile(bytes: number): void {
  largestFile = bytes;
}

// Reads `file` whole and hands its bytes to `reader`; a file that cannot be read (gone,
// or a folder) is refused as the desktop refuses one it cannot open, and one larger than
// the page holds from its size, before it is read.
export function readTableFile(file: File, reader: TableReader): void {
  if (file.size > largestFile) {
    reader.tooLarge(file.name);
    return;
  }
  file.arrayBuffer().then(
    (buffer) => reader.load(new Uint8Array(buffer), file.name),
    () => reader.cannotOpen(file.name),
  );
}

// A hidden file picker that reads the chosen file for `reader`.
export function makeFilePicker(reader: TableReader): HTMLInputElement {
  const picker = document.createElement('input');
  picker.type = 'file';
  picker.hidden = true;
  picker.addEventListener('change', () => {
    const file = picker.files?.[0];
    // Cleared, so that picking the same file again loads it again.
    picker.value = '';
    if (file) readTableFile(file, reader);
  });
  return picker;
}

// Offers the table file as a download named as the desktop's table files are.
export function saveTable(engine: Engine): void {
  downloadBytes(engine.tableBytes(), texts.savedName, 'application/octet-stream');
}

// Rows taken from the engine between two yields to the page, so that it stays responsive.
const kRowsPerTask = 20000;

// Where the table's history stands: it changes with every step, undo and redo and Open
// (a step's counts, the run and the organisms), and comes back only with the same table.
function tableMoment(engine: Engine): string {
  const { run, feeds, shots, organismCounter } = engine.counters();
  return [run, feeds, shots, organismCounter, engine.rowCount()].join(' ');
}

// The organisms sheet of the whole table, or the error report that refuses it. A big
// table is taken a slice at a time with the page going on between slices; a step taken
// meanwhile starts it again, so that the workbook holds one table.
async function tableSheet(engine: Engine): Promise<WorkbookSheet | string> {
  for (;;) {
    const moment = tableMoment(engine);
    const format = engine.sheet('organisms');
    const cells: SheetCells[] = [];
    let first = 0;
    for (; first < format.rows && tableMoment(engine) === moment; first += kRowsPerTask) {
      if (first > 0) await new Promise((resolve) => setTimeout(resolve));
      if (tableMoment(engine) !== moment) break;
      const slice = engine.sheetCells('organisms', first, kRowsPerTask);
      if (slice.problem) return slice.problem;
      cells.push(slice);
    }
    if (tableMoment(engine) === moment && first >= format.rows) return { format, cells };
  }
}

// Offers the table as the desktop's workbook. Resolves to the error report to show when
// it cannot be made ("" when it was offered); the table is only read.
export async function saveWorkbook(
  engine: Engine,
  errorReport: (text: string) => string,
): Promise<string> {
  try {
    const sheet = await tableSheet(engine);
    if (typeof sheet === 'string') return sheet;
    const bytes = await workbookBytes([sheet]);
    downloadBytes(bytes, texts.excel.fileName, texts.excel.type);
    return '';
  } catch (error: unknown) {
    // Running out of memory on a huge table, say: the page goes on as it was.
    return errorReport(error instanceof Error ? error.message : String(error));
  }
}
