// SPDX-License-Identifier: GPL-3.0-or-later
// Open and Save: a table file the user picks is read whole and handed to the engine, which
// keeps its population when the file is no table; Save downloads the table's bytes.
import type { Engine } from 'vantrel-engine';
import { texts } from './texts';

// A hidden file picker that calls `load` with the chosen file's bytes and name.
export function makeFilePicker(load: (bytes: Uint8Array, name: string) => void): HTMLInputElement {
  const picker = document.createElement('input');
  picker.type = 'file';
  picker.hidden = true;
  picker.addEventListener('change', () => {
    const file = picker.files?.[0];
    // Cleared, so that picking the same file again loads it again.
    picker.value = '';
    if (!file) return;
    file.arrayBuffer().then(
      (buffer) => load(new Uint8Array(buffer), file.name),
      () => load(new Uint8Array(), file.name),
    );
  });
  return picker;
}

// Offers the table file as a download named as the desktop's table files are.
export function saveTable(engine: Engine): void {
  const url = URL.createObjectURL(
    new Blob([engine.tableBytes()], { type: 'application/octet-stream' }),
  );
  const link = document.createElement('a');
  link.href = url;
  link.download = texts.savedName;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  // The download has taken the bytes once the click has been handled.
  setTimeout(() => URL.revokeObjectURL(url), 0);
}
