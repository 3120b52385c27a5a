// SPDX-License-Identifier: GPL-3.0-or-later
// The run table leaves the page as files: "Export runs…" downloads the engine's CSV under
// the name the desktop proposes. "To spreadsheet" hands the same table to the spreadsheet
// program as a workbook of its own; a page cannot start a program, so it downloads the
// workbook, which the browser offers to open.
import { downloadBytes } from './download';
import type { Engine } from 'vantrel-engine';
import { workbookBytes } from './workbook';

// The engine names the file after the pupil where there is one: runs-Anna.csv.
export function downloadRunsCsv(engine: Engine): void {
  downloadBytes(new TextEncoder().encode(engine.runsCsv()), engine.runsFileName(), 'text/csv');
}

// The run table's sheet as the engine defines it, in a workbook of its own, whose name is
// the CSV's with its own ending: runs.csv and runs.xlsx.
export function downloadRunsWorkbook(engine: Engine): void {
  const format = engine.sheet('runs');
  const cells = engine.sheetCells('runs', 0, format.rows);
  void workbookBytes([{ format, cells: [cells] }]).then((bytes) => {
    downloadBytes(
      bytes,
      `${engine.runsFileName().replace(/\.csv$/i, '')}.xlsx`,
      'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
    );
  });
}
