// SPDX-License-Identifier: GPL-3.0-or-later
// "Print worksheet": one A4 page for the pupil, printed by the browser: the lesson's title,
// the goal as the notebook words it, the experiment's help, and a table to write each run's
// counts in. On screen it is never shown; the print stylesheet shows it alone.
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import { texts } from './texts';

const kRows = 6;

function make<K extends keyof HTMLElementTagNameMap>(
  name: K,
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const node = document.createElement(name);
  node.append(...children);
  return node;
}

export function printWorksheet(vantrel: VantrelEngineModule, engine: Engine): void {
  const lesson = engine.lesson();
  const notebook = engine.notebook();
  const sheet = make('section');
  sheet.className = 'worksheet';
  sheet.append(make('h1', lesson?.title || texts.title));
  if (notebook.goalText) {
    sheet.append(make('h2', texts.notebook.goal), make('p', notebook.goalText));
  }
  const page = lesson?.experiment ? vantrel.experimentsHelp().pages[lesson.experiment] : undefined;
  if (page) {
    sheet.append(make('h2', page.caption));
    for (const paragraph of page.text.split('\n\n')) sheet.append(make('p', paragraph));
  }
  const head = make(
    'tr',
    ...[texts.notebook.run, ...texts.notebook.counters].map((t) => make('th', t)),
  );
  const body = make('tbody');
  for (let row = 1; row <= kRows; row++) {
    body.append(
      make('tr', make('td', String(row)), ...texts.notebook.counters.map(() => make('td'))),
    );
  }
  sheet.append(make('table', make('thead', head), body));
  document.querySelector('.worksheet')?.remove();
  document.body.append(sheet);
  window.print();
}
