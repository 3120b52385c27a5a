// SPDX-License-Identifier: GPL-3.0-or-later
// "Class results…": many runs files chosen or dropped at once, pooled by the engine into
// the class's summary, its box plots per lesson and what was skipped, with the summary as
// text, the pooled runs as CSV and as a workbook to take away. A file larger than the
// engine pools is refused from its size, before it is read. Loaded when first asked for.
import type { ClassResults, VantrelEngineModule } from 'vantrel-engine';
import { boxPlot, boxText } from './box_plot';
import { dialogButton, showDialog } from './dialog';
import { downloadBytes } from './download';
import { texts } from './texts';
import { workbookBytes } from './workbook';
import { whenIdle } from './idle';
import { make } from './make_element';

const t = texts.classResults;

// The page's own timings of a pooling (tests/web/measure_class_results.mjs reports them):
// from the files' choice to the results in the document, the engine's pooling alone, and
// to the first frame that shows them.
const kClassResultsMeasures = {
  shown: 'vantrel-class-results',
  pool: 'vantrel-class-pool',
  painted: 'vantrel-class-results-painted',
} as const;

// The results laid out: the summary, each lesson's box plot with its numbers, the skipped.
function resultsView(results: ClassResults, refused: string[]): HTMLElement {
  const view = make('div', 'class-results');
  const summary = make('pre', 'class-summary', results.summary());
  summary.tabIndex = 0;
  view.append(summary);
  results.groups().forEach((group, index) => {
    if (group.runs === 0) return;
    if (index > 0) view.append(make('h3', '', `${t.otherLesson} ${group.lesson}`));
    view.append(
      make('div', 'box-plot-frame', boxPlot(group.plot)),
      make('ul', 'box-numbers', ...group.plot.boxes.map((box) => make('li', '', boxText(box)))),
    );
  });
  const skipped = [...refused, ...results.skipped()];
  if (skipped.length > 0) {
    view.append(
      make('h3', '', t.skipped),
      make('ul', 'class-skipped', ...skipped.map((line) => make('li', '', line))),
    );
  }
  return view;
}

export function showClassResults(vantrel: VantrelEngineModule): Promise<void> {
  const most = vantrel.lessonLimits().runsFileBytes;
  const body = make('div', 'class-dialog');
  const picker = document.createElement('input');
  picker.type = 'file';
  picker.multiple = true;
  picker.accept = '.csv,text/csv';
  picker.hidden = true;
  const choose = dialogButton(t.choose);
  choose.addEventListener('click', () => picker.click());
  const drop = make('p', 'class-drop', t.drop);
  const shown = make('div', '');
  const saveSummary = dialogButton(t.saveSummary);
  const saveCsv = dialogButton(t.saveCsv);
  const saveWorkbook = dialogButton(t.saveWorkbook);
  const saves = [saveSummary, saveCsv, saveWorkbook];
  for (const save of saves) save.disabled = true;
  let results: ClassResults | undefined;

  const pool = async (files: File[]): Promise<void> => {
    const start = performance.now();
    const refused = files.filter((file) => file.size > most).map((file) => t.tooLarge(file.name));
    const read = await Promise.all(
      files
        .filter((file) => file.size <= most)
        .map(async (file) => ({
          name: file.name,
          bytes: new Uint8Array(await file.arrayBuffer()),
        })),
    );
    results?.delete();
    const pooling = performance.now();
    results = new vantrel.ClassResults(read);
    performance.measure(kClassResultsMeasures.pool, { start: pooling });
    shown.replaceChildren(resultsView(results, refused));
    for (const save of saves) save.disabled = false;
    performance.measure(kClassResultsMeasures.shown, { start });
    requestAnimationFrame(() =>
      setTimeout(() => performance.measure(kClassResultsMeasures.painted, { start })),
    );
  };
  picker.addEventListener('change', () => void pool([...(picker.files ?? [])]));
  body.addEventListener('dragover', (event) => {
    event.preventDefault();
    event.stopPropagation();
  });
  body.addEventListener('drop', (event) => {
    event.preventDefault();
    event.stopPropagation();
    void pool([...(event.dataTransfer?.files ?? [])]);
  });
  const text = (value: string): Uint8Array<ArrayBuffer> => new TextEncoder().encode(value);
  saveSummary.addEventListener('click', () => {
    if (results) downloadBytes(text(results.summary()), t.summaryName, 'text/plain');
  });
  saveCsv.addEventListener('click', () => {
    if (results) downloadBytes(text(results.pooledCsv()), t.pooledName, 'text/csv');
  });
  saveWorkbook.addEventListener('click', () => {
    if (!results) return;
    void workbookBytes([{ format: results.sheet(), cells: [results.sheetCells()] }]).then((bytes) =>
      downloadBytes(
        bytes,
        t.workbookName,
        'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
      ),
    );
  });
  body.append(make('div', 'buttons', choose, ...saves), picker, drop, shown);
  // While the teacher picks the files, a pooling of no runs has the browser compile the
  // engine's reading and pooling, which a first pooling would otherwise wait for.
  whenIdle(() => {
    if (results) return;
    const empty = new vantrel.ClassResults([{ name: '', bytes: text(vantrel.sweepCsv([])) }]);
    resultsView(empty, []);
    empty.delete();
  });
  const close = dialogButton(t.close);
  return showDialog(t.title, body, [close], choose, 'class').finally(() => results?.delete());
}
