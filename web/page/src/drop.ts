// SPDX-License-Identifier: GPL-3.0-or-later
// Open by dropping: a file dropped anywhere on the page is opened as if picked with Open,
// and a hint shows while files are dragged over it. Of several files the first is opened;
// a folder is refused as the desktop refuses a name that is no file.
import { readTableFile } from './files';
import type { TableReader } from './files';
import { texts } from './texts';

// Whether a drag carries files (not text or a link from another page).
function carriesFiles(transfer: DataTransfer | null): transfer is DataTransfer {
  return transfer !== null && [...transfer.types].includes('Files');
}

// Makes `area` take dropped files for `reader`. Returns the hint, to put where it shows
// over the area.
export function acceptDrops(area: HTMLElement, reader: TableReader): HTMLElement {
  const hint = document.createElement('div');
  hint.className = 'drop-hint';
  hint.hidden = true;
  hint.setAttribute('aria-hidden', 'true');
  // dragenter and dragleave come for every child entered and left: count them.
  let depth = 0;
  const hide = (): void => {
    depth = 0;
    hint.hidden = true;
  };
  area.addEventListener('dragenter', (event) => {
    if (!carriesFiles(event.dataTransfer)) return;
    depth += 1;
    const several = event.dataTransfer.items.length > 1;
    hint.textContent = several ? texts.drop.several : texts.drop.hint;
    hint.hidden = false;
  });
  area.addEventListener('dragover', (event) => {
    if (!carriesFiles(event.dataTransfer)) return;
    // Without this the browser would open the file itself in place of the page.
    event.preventDefault();
    event.dataTransfer.dropEffect = 'copy';
  });
  area.addEventListener('dragleave', () => {
    depth -= 1;
    if (depth <= 0) hide();
  });
  area.addEventListener('drop', (event) => {
    if (!carriesFiles(event.dataTransfer)) return;
    event.preventDefault();
    hide();
    const item = [...event.dataTransfer.items].find((entry) => entry.kind === 'file');
    const file = item?.getAsFile() ?? event.dataTransfer.files[0];
    if (!file) return;
    if (item?.webkitGetAsEntry()?.isDirectory) {
      reader.notAFile(file.name);
      return;
    }
    readTableFile(file, reader);
  });
  return hint;
}
