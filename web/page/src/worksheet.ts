// SPDX-License-Identifier: GPL-3.0-or-later
// "Print worksheet": one A4 page for the pupil, printed by the browser: the lesson's title,
// its goal as the notebook words it, the experiment's steps, a table to write each run's
// counts in, and the experiment's questions with room for the answers. The texts are the
// engine's, in the language shown. On screen it is never shown; the print stylesheet shows
// it alone.
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import { make } from './make_element';
import { texts } from './texts';

const kRows = 6;
const kAnswerLines = 2;

export function printWorksheet(vantrel: VantrelEngineModule, engine: Engine): void {
  const lesson = engine.lesson();
  const notebook = engine.notebook();
  const experiment = lesson?.experiment ?? 0;
  const parts = vantrel.worksheet(experiment);
  const sheet = make('section', 'worksheet');
  sheet.append(make('h1', '', lesson?.title || texts.title));
  if (notebook.goal) {
    sheet.append(make('h2', '', texts.notebook.goal), make('p', '', notebook.goal));
  }
  const page = experiment ? vantrel.experimentsHelp().pages[experiment] : undefined;
  if (page) {
    // The help's first paragraph is the experiment's one-line title.
    sheet.append(make('h2', '', page.caption), make('p', '', page.text.split('\n\n')[0] ?? ''));
  }
  if (parts.steps.length > 0) {
    sheet.append(
      make('h2', '', parts.stepsHeading),
      make('ol', '', ...parts.steps.map((s) => make('li', '', s))),
    );
  }
  const head = make('tr', '', ...parts.countColumns.map((t) => make('th', '', t)));
  const body = make('tbody');
  for (let row = 1; row <= kRows; row++) {
    body.append(
      make(
        'tr',
        '',
        make('td', '', String(row)),
        ...parts.countColumns.slice(1).map(() => make('td')),
      ),
    );
  }
  sheet.append(
    make('h2', '', parts.countsHeading),
    make('table', '', make('thead', '', head), body),
  );
  if (parts.questions.length > 0) {
    const list = make('ol');
    for (const question of parts.questions) {
      const item = make('li', '', question);
      for (let line = 0; line < kAnswerLines; line++) {
        item.append(make('div', 'worksheet-answer'));
      }
      list.append(item);
    }
    sheet.append(make('h2', '', parts.questionsHeading), list);
  }
  document.querySelector('.worksheet')?.remove();
  document.body.append(sheet);
  window.print();
}
