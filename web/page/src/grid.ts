// SPDX-License-Identifier: GPL-3.0-or-later
// The organism table as an accessible grid. Only the rows in view (and a few around them)
// are in the page, read from the engine at each drawing, so a table of thousands of
// organisms scrolls and steps as quickly as one of ten. Clicks, taps and the arrow keys
// ask for a selection; the engine decides it and the grid shows what it says.
import type { Engine } from 'vantrel-engine';
import { whenIdle } from './idle';
import { texts } from './texts';
import { showFirst, Written } from './written';

export const kRowHeight = 24; // CSS pixels; every row has this height
// Rows drawn beyond each edge of the view, so that a scroll shows them at once. A step
// draws none of them, only the rows in sight, and the rest once the page is idle: a
// step's random selection rewrites every row drawn, and those beyond the view would
// otherwise make up a sixth to a third of its drawing.
const kOverscan = 4;
const kStepOverscan = 0;
// The columns' widths in em, as page.css lays them out (ID, P1, P2, DNA, Survival), and
// of any further column a table file brings, as the desktop widens its own.
const kColumnWidths = [3.5, 3.5, 3.5, 9, 5];
const kExtraColumnWidth = 3.5;

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

// A body row with a cell for each of the table's columns, filled in when drawn.
interface Row {
  row: Written<HTMLDivElement>;
  cells: Written<HTMLDivElement>[];
}

function makeRow(columns: number): Row {
  const row = document.createElement('div');
  row.setAttribute('role', 'row');
  row.className = 'grid-row';
  const cells = Array.from({ length: columns }, () => {
    const cell = document.createElement('div');
    cell.setAttribute('role', 'gridcell');
    row.append(cell);
    return new Written(cell);
  });
  return { row: new Written(row), cells };
}

export class OrganismGrid {
  readonly element: HTMLDivElement;
  private readonly body: HTMLDivElement;
  private readonly titles: HTMLDivElement;
  // The titles shown, as the engine gave them: the table's columns.
  private shownTitles: string[] = [];
  private pool: Row[] = [];
  private clientHeight = 0;
  private drawnFirst = 0;
  private drawnOverscan = 0;
  private pendingFill = false; // the rows beyond the view are drawn when the page is idle
  private scrollTarget: number | undefined; // where the next frame scrolls to, if anywhere

  constructor(
    private readonly engine: Engine,
    onSelect: (row: number) => void,
  ) {
    this.element = document.createElement('div');
    this.element.className = 'grid';
    this.element.setAttribute('role', 'grid');
    this.element.setAttribute('aria-label', texts.tableCaption);
    this.element.tabIndex = 0;
    const head = document.createElement('div');
    head.setAttribute('role', 'rowgroup');
    head.className = 'grid-head';
    const titles = document.createElement('div');
    titles.setAttribute('role', 'row');
    titles.setAttribute('aria-rowindex', '1');
    titles.className = 'grid-row';
    this.titles = titles;
    head.append(titles);
    this.body = document.createElement('div');
    this.body.setAttribute('role', 'rowgroup');
    this.body.className = 'grid-body';
    this.element.append(head, this.body);
    this.showTitles();

    // A scroll the grid made itself has already been drawn.
    this.element.addEventListener('scroll', () => {
      if (this.firstShown(this.element.scrollTop, this.drawnOverscan) !== this.drawnFirst)
        this.draw();
    });
    // The view's height, kept so that drawing never has to ask the browser for its layout.
    new ResizeObserver(() => {
      this.clientHeight = this.element.clientHeight;
      this.fitTitles();
      this.draw();
    }).observe(this.element);
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

  // Shows the table's column titles, as many as it has columns; when they change, the
  // rows are made again with that many cells.
  private showTitles(): void {
    const titles = this.engine.columnTitles();
    const same =
      titles.length === this.shownTitles.length &&
      titles.every((title, col) => title === this.shownTitles[col]);
    if (same) return;
    this.shownTitles = titles;
    this.element.setAttribute('aria-colcount', String(titles.length));
    this.titles.replaceChildren(
      ...titles.map((title) => {
        const cell = document.createElement('div');
        cell.setAttribute('role', 'columnheader');
        cell.textContent = title;
        return cell;
      }),
    );
    if (this.pool[0]?.cells.length !== titles.length) {
      this.pool = [];
      this.body.replaceChildren();
    }
    this.fitTitles();
  }

  // Widens a column whose title is longer than the column (as in another language), in
  // every row alike; measured once the grid is laid out, never while drawing a step.
  private fitTitles(): void {
    if (this.clientHeight === 0) return;
    const em = parseFloat(getComputedStyle(this.titles).fontSize);
    const range = document.createRange();
    let widened = false;
    const widths = [...this.titles.children].map((cell, col) => {
      range.selectNodeContents(cell);
      // A title may reach into its cell's left padding, as the English ones do; a wider
      // column has room for the title and both paddings.
      const title = range.getBoundingClientRect().width;
      const width = kColumnWidths[col] ?? kExtraColumnWidth;
      if (title + 0.4 * em <= width * em) return width;
      widened = true;
      return Math.ceil((title / em + 0.8) * 10) / 10;
    });
    // The page's style lays out the program's own five columns.
    if (!widened && widths.length === kColumnWidths.length) {
      this.element.style.removeProperty('--grid-columns');
      this.element.style.removeProperty('--grid-width');
      return;
    }
    this.element.style.setProperty('--grid-columns', widths.map((w) => `${String(w)}em`).join(' '));
    const total = widths.reduce((sum, w) => sum + w, 0);
    this.element.style.setProperty('--grid-width', `${String(total)}em`);
  }

  // Shows the engine's table and selection, the selected row scrolled into view.
  update(): void {
    // Read before anything is written, and scrolled in the frame, so that a step never has
    // the browser lay the page out before its frame.
    const before = this.scrollTarget ?? this.element.scrollTop;
    this.showTitles();
    const count = this.engine.rowCount();
    // A shorter table leaves the browser scrolled no further than its end.
    let scrollTop = Math.min(before, Math.max(0, (count + 1) * kRowHeight - this.clientHeight));
    this.element.setAttribute('aria-rowcount', String(count + 1));
    this.body.style.height = `${String(count * kRowHeight)}px`;
    const selected = this.engine.selectedRow();
    if (selected > 0) {
      const top = (selected - 1) * kRowHeight;
      const view = this.viewHeight();
      if (top < scrollTop) scrollTop = top;
      else if (top + kRowHeight > scrollTop + view) scrollTop = top + kRowHeight - view;
    }
    if (scrollTop !== before) {
      if (this.scrollTarget === undefined)
        requestAnimationFrame(() => {
          if (this.scrollTarget !== undefined) this.element.scrollTop = this.scrollTarget;
          this.scrollTarget = undefined;
        });
      this.scrollTarget = scrollTop;
    }
    this.draw(scrollTop, kStepOverscan);
    this.fillLater();
  }

  // Draws the rows beyond the view's edges once the page is idle, where a scroll asked
  // for and not made yet will put them.
  private fillLater(): void {
    if (this.pendingFill) return;
    this.pendingFill = true;
    whenIdle(() => {
      this.pendingFill = false;
      if (this.drawnOverscan < kOverscan) this.draw(this.scrollTarget ?? this.element.scrollTop);
    });
  }

  // The height in which body rows show, below the title row.
  private viewHeight(): number {
    return Math.max(kRowHeight, this.clientHeight - kRowHeight);
  }

  // The first row drawn for the scroll position, `overscan` rows before the view included.
  private firstShown(scrollTop = this.element.scrollTop, overscan = kOverscan): number {
    return Math.max(1, Math.floor(scrollTop / kRowHeight) + 1 - overscan);
  }

  private draw(scrollTop = this.element.scrollTop, overscan = kOverscan): void {
    const count = this.engine.rowCount();
    const selected = this.engine.selectedRow();
    const first = this.firstShown(scrollTop, overscan);
    this.drawnFirst = first;
    this.drawnOverscan = overscan;
    const shown = Math.ceil(this.viewHeight() / kRowHeight) + 2 * overscan + 1;
    const rows = this.engine.shownRows(first, Math.min(shown, Math.max(0, count - first + 1)));
    // The row elements are kept and only what changed is written: new elements, or new
    // text where it is the same, would have the browser style and lay them out again.
    while (this.pool.length < rows.length) this.pool.push(makeRow(this.shownTitles.length));
    showFirst(this.body, rows.length, (index) => this.pool[index]?.row.element);
    rows.forEach((shownCells, i) => {
      const index = first + i;
      const { row, cells } = this.pool[i] ?? {};
      if (!row || !cells) return;
      row.attribute('id', `organism-${String(index)}`);
      row.attribute('data-row', String(index));
      row.attribute('aria-rowindex', String(index + 1));
      row.attribute('aria-selected', String(index === selected));
      row.style('top', `${String((index - 1) * kRowHeight)}px`);
      shownCells.forEach((text, col) => cells[col]?.text(text));
    });
    if (selected > 0 && selected >= first && selected < first + rows.length) {
      this.element.setAttribute('aria-activedescendant', `organism-${String(selected)}`);
    } else {
      this.element.removeAttribute('aria-activedescendant');
    }
  }
}
