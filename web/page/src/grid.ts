// SPDX-License-Identifier: GPL-3.0-or-later
// The organism table as an accessible grid. Only the rows in view (and a few around them)
// are in the page, read from the engine at each drawing, so a table of thousands of
// organisms scrolls and steps as quickly as one of ten. Clicks, taps and the arrow keys
// ask for a selection; the engine decides it and the grid shows what it says.
import type { Engine } from 'vantrel-engine';
import { texts } from './texts';

export const kRowHeight = 24; // CSS pixels; every row has this height
const kOverscan = 4; // rows drawn beyond each edge of the view

// The row a key moves the selection to from `selected` among `count` rows, when the key
// moves it at all; `page` rows fit in the view.
export function rowAfterKey(
  key: string,
  selected: number,
  count: number,
  page: number,
): number | undefined {
  if (count < 1) return undefined;
  const steps: Record<string, number> = {
    ArrowDown: selected + 1,
    ArrowUp: selected - 1,
    PageDown: selected + page,
    PageUp: selected - page,
    Home: 1,
    End: count,
  };
  const next = steps[key];
  return next === undefined ? undefined : Math.min(Math.max(next, 1), count);
}

export class OrganismGrid {
  readonly element: HTMLDivElement;
  private readonly body: HTMLDivElement;

  constructor(
    private readonly engine: Engine,
    onSelect: (row: number) => void,
  ) {
    this.element = document.createElement('div');
    this.element.className = 'grid';
    this.element.setAttribute('role', 'grid');
    this.element.setAttribute('aria-label', texts.tableCaption);
    this.element.setAttribute('aria-colcount', String(texts.columns.length));
    this.element.tabIndex = 0;
    const head = document.createElement('div');
    head.setAttribute('role', 'rowgroup');
    head.className = 'grid-head';
    const titles = document.createElement('div');
    titles.setAttribute('role', 'row');
    titles.setAttribute('aria-rowindex', '1');
    titles.className = 'grid-row';
    for (const title of texts.columns) {
      const cell = document.createElement('div');
      cell.setAttribute('role', 'columnheader');
      cell.textContent = title;
      titles.append(cell);
    }
    head.append(titles);
    this.body = document.createElement('div');
    this.body.setAttribute('role', 'rowgroup');
    this.body.className = 'grid-body';
    this.element.append(head, this.body);

    this.element.addEventListener('scroll', () => this.draw());
    this.element.addEventListener('click', (event) => {
      const row = (event.target as HTMLElement).closest('[data-row]');
      if (row instanceof HTMLElement) onSelect(Number(row.dataset.row));
    });
    this.element.addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.metaKey || event.altKey) return;
      const next = rowAfterKey(
        event.key,
        this.engine.selectedRow(),
        this.engine.rowCount(),
        Math.max(1, Math.floor(this.viewHeight() / kRowHeight) - 1),
      );
      if (next === undefined) return;
      event.preventDefault();
      onSelect(next);
    });
  }

  // Shows the engine's table and selection, the selected row scrolled into view.
  update(): void {
    const count = this.engine.rowCount();
    this.element.setAttribute('aria-rowcount', String(count + 1));
    this.body.style.height = `${String(count * kRowHeight)}px`;
    const selected = this.engine.selectedRow();
    if (selected > 0) {
      const top = (selected - 1) * kRowHeight;
      const view = this.viewHeight();
      if (top < this.element.scrollTop) this.element.scrollTop = top;
      else if (top + kRowHeight > this.element.scrollTop + view)
        this.element.scrollTop = top + kRowHeight - view;
    }
    this.draw();
  }

  // The height in which body rows show, below the title row.
  private viewHeight(): number {
    return Math.max(kRowHeight, this.element.clientHeight - kRowHeight);
  }

  private draw(): void {
    const count = this.engine.rowCount();
    const selected = this.engine.selectedRow();
    const first = Math.max(1, Math.floor(this.element.scrollTop / kRowHeight) + 1 - kOverscan);
    const shown = Math.ceil(this.viewHeight() / kRowHeight) + 2 * kOverscan + 1;
    const rows = this.engine.rows(first, Math.min(shown, Math.max(0, count - first + 1)));
    this.body.replaceChildren(
      ...rows.map((organism, i) => {
        const index = first + i;
        const row = document.createElement('div');
        row.setAttribute('role', 'row');
        row.className = 'grid-row';
        row.id = `organism-${String(index)}`;
        row.dataset.row = String(index);
        row.setAttribute('aria-rowindex', String(index + 1));
        row.setAttribute('aria-selected', String(index === selected));
        row.style.top = `${String((index - 1) * kRowHeight)}px`;
        for (const text of [
          organism.id,
          organism.p1,
          organism.p2,
          organism.dna,
          organism.survival,
        ]) {
          const cell = document.createElement('div');
          cell.setAttribute('role', 'gridcell');
          cell.textContent = text;
          row.append(cell);
        }
        return row;
      }),
    );
    if (selected > 0 && selected >= first && selected < first + rows.length) {
      this.element.setAttribute('aria-activedescendant', `organism-${String(selected)}`);
    } else {
      this.element.removeAttribute('aria-activedescendant');
    }
  }
}
