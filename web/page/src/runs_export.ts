// SPDX-License-Identifier: GPL-3.0-or-later
// The run table leaves the page as files: "Export runs…" downloads the engine's CSV under
// the name the desktop proposes. "To spreadsheet" hands the same table to the spreadsheet
// program; a page cannot start one, so it downloads the table as a file a spreadsheet
// opens (CSV until the page can write workbooks).
import type { Engine } from 'vantrel-engine';

let fileName = 'runs.csv';

// The name the engine proposes, once the module is loaded.
export function setRunsFileName(name: string): void {
  if (name) fileName = name;
}

function download(bytes: Uint8Array<ArrayBuffer>, name: string, type: string): void {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

export function downloadRunsCsv(engine: Engine): void {
  download(new TextEncoder().encode(engine.runsCsv()), fileName, 'text/csv');
}

export function downloadRunsWorkbook(engine: Engine): void {
  downloadRunsCsv(engine);
}
