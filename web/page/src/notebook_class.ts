// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook's parts for a class: the pupil's "Name" (kept by the browser, stamped by the
// engine on every run and naming the exported runs file), "Class results…" and "Print
// worksheet", whose views are loaded when first asked for.
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import type { NotebookView } from './notebook';
import { texts } from './texts';
import { button } from './widgets';

const kNameKey = 'vantrel-pupil';
// Whether the remembered name has gone to the engine: once a visit, not again each time
// the views are made in another language.
let handedOver = false;

function stored(): string {
  try {
    return localStorage.getItem(kNameKey) ?? '';
  } catch {
    return '';
  }
}

function store(name: string): void {
  try {
    localStorage.setItem(kNameKey, name);
  } catch {
    // Storage refused: the name holds for the visit.
  }
}

export function notebookClassParts(
  vantrel: VantrelEngineModule,
  engine: Engine,
  notebook: NotebookView,
): void {
  const label = document.createElement('label');
  label.className = 'pupil-name';
  const words = document.createElement('span');
  words.textContent = texts.pupil;
  const field = document.createElement('input');
  field.type = 'text';
  field.autocomplete = 'name';
  field.value = stored();
  field.addEventListener('change', () => {
    store(field.value);
    engine.setPupil(field.value);
  });
  label.append(words, field);
  if (field.value && !handedOver) engine.setPupil(field.value);
  handedOver = true;
  const open = button(texts.classResults.open, texts.classResults.open, () => {
    void import('./class_results').then(({ showClassResults }) => showClassResults(vantrel));
  });
  open.id = 'class-results-open';
  const print = button(texts.worksheet, texts.worksheet, () => {
    void import('./worksheet').then(({ printWorksheet }) => printWorksheet(vantrel, engine));
  });
  notebook.automaticRuns.append(open, print);
  notebook.automaticRuns.before(label);
}
