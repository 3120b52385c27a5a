// SPDX-License-Identifier: GPL-3.0-or-later
// The organism table: one row per organism, the one shown marked as selected.
import type { Engine } from 'vantrel-engine';
import { texts } from './texts';

export function makeTable(onSelect: (row: number) => void): HTMLTableElement {
  const table = document.createElement('table');
  table.createCaption().textContent = texts.tableCaption;
  const head = table.createTHead().insertRow();
  for (const title of texts.columns) {
    const cell = document.createElement('th');
    cell.scope = 'col';
    cell.textContent = title;
    head.append(cell);
  }
  table.createTBody();
  table.addEventListener('click', (event) => {
    const row = (event.target as HTMLElement).closest('tbody tr');
    if (row instanceof HTMLTableRowElement) onSelect(row.sectionRowIndex + 1);
  });
  return table;
}

export function fillTable(table: HTMLTableElement, engine: Engine): void {
  const body = table.tBodies[0];
  if (!body) return;
  const rows = engine.rows(1, engine.rowCount()).map((organism) => {
    const row = document.createElement('tr');
    for (const text of [organism.id, organism.p1, organism.p2, organism.dna, organism.survival]) {
      row.insertCell().textContent = text;
    }
    return row;
  });
  body.replaceChildren(...rows);
  markSelected(table, engine.selectedRow());
}

export function markSelected(table: HTMLTableElement, selected: number): void {
  const body = table.tBodies[0];
  if (!body) return;
  for (const row of body.rows) {
    row.setAttribute('aria-selected', String(row.sectionRowIndex + 1 === selected));
  }
}
