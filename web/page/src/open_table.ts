// SPDX-License-Identifier: GPL-3.0-or-later
// Opening table files one at a time. A big file first says that it is being opened, and
// the page shows that before the engine takes it in; the table on screen stays until the
// engine has taken the new one whole (a refused file changes nothing). Once taken, the
// status names the file and its organisms until the next file is opened.
import { texts } from './texts';

export const kOpenMeasure = 'vantrel-open';

// Files from this size on say that they are being opened (about 30,000 organisms).
const kBigFile = 1 << 20;

// Resolves once the page has painted what it shows now; in a hidden tab, which paints
// nothing, after a moment.
function painted(): Promise<void> {
  return new Promise((resolve) => {
    const timer = setTimeout(resolve, 100);
    requestAnimationFrame(() =>
      setTimeout(() => {
        clearTimeout(timer);
        resolve();
      }),
    );
  });
}

export class TableOpener {
  // The progress text, read out politely, then what the last file opened holds.
  readonly status: HTMLParagraphElement;
  private queue: Promise<void> = Promise.resolve();

  constructor(
    // Opens the bytes; returns the status line to show, "" when the file was refused.
    private readonly open: (bytes: Uint8Array, name: string) => string,
  ) {
    this.status = document.createElement('p');
    this.status.className = 'status';
    this.status.setAttribute('role', 'status');
  }

  // Opens the file's bytes after any file still being opened.
  load(bytes: Uint8Array, name: string): void {
    this.queue = this.queue.then(() => this.run(bytes, name));
  }

  private async run(bytes: Uint8Array, name: string): Promise<void> {
    let opened = '';
    if (bytes.length >= kBigFile) {
      this.status.textContent = texts.opening(name);
      await painted();
    }
    const began = performance.now();
    try {
      opened = this.open(bytes, name);
    } finally {
      // For tests/web/measure_loads.mjs: the engine's load and the page's showing of it.
      performance.measure(kOpenMeasure, { start: began });
      this.status.textContent = opened;
    }
  }
}
