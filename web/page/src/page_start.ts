// SPDX-License-Identifier: GPL-3.0-or-later
// The page once its WebAssembly is compiled: the engine started, the views made, a
// population sent as a link opened, and the journal. Loaded by main.ts as a part of its
// own while the WebAssembly downloads, so that the page says it is loading as soon as its
// first, small script has come.
import type { Change, Engine } from 'vantrel-engine';
import { acceptDrops } from './drop';
import { setLargestTableFile } from './files';
import { keepOffline } from './offline';
import { openLinkedPopulation } from './share';
import { PageJournal } from './journal';
import { kFirstOrganismMark } from './picture';
import { catalogueBytes, rememberLanguage, speakOnPage } from './language';
import { startEngine } from './engine_start';
import { nextTask } from './next_task';
import { type Kept, makePage } from './make_page';

// Starts the engine from `compiled` and shows the page in language `code`, whose
// catalogue is `catalogue`.
export async function startPage(
  app: HTMLElement,
  compiled: WebAssembly.Module,
  code: string,
  catalogue: Uint8Array,
): Promise<void> {
  // The start in tasks of its own, each short enough for the page to answer in between on
  // a slow device: instantiating, the first population, the views.
  const vantrel = await startEngine(compiled);
  speakOnPage(vantrel, code, catalogue);
  await nextTask();
  // Seeded from the clock, as the desktop program seeds itself.
  const engine: Engine = new vantrel.Engine();
  await nextTask();

  const kept = { app, compiled, vantrel, engine } as Kept;
  // Every step goes to the journal after the frame that shows it.
  kept.journal = new PageJournal(engine, vantrel, (change) => kept.page.show(change));
  kept.dropHint = acceptDrops(app, {
    load: (bytes, name) => kept.page.reader.load(bytes, name),
    cannotOpen: (name) => kept.page.reader.cannotOpen(name),
    notAFile: (name) => kept.page.reader.notAFile(name),
    tooLarge: (name) => kept.page.reader.tooLarge(name),
  });
  setLargestTableFile(vantrel.largestTableFile());
  void makePage(kept, changeLanguage);
  performance.mark(kFirstOrganismMark);
  keepOffline();
  // A population or a lesson sent as a link comes first, before anything else the page
  // offers; the page goes on whatever the link holds.
  const show = (change: Change): void => kept.page.show(change);
  await (
    vantrel.isLessonLink(location.hash)
      ? import('./lesson_open').then(({ openLinkedLesson }) =>
          openLinkedLesson(vantrel, engine, show),
        )
      : openLinkedPopulation(engine, show)
  ).catch(() => undefined);
  app.setAttribute('aria-busy', 'false');
  // The journal opens once the first organism is shown; then a run that ended
  // unexpectedly is offered, after anything else the page shows at start.
  await kept.journal.start();
  await kept.journal.offerCrashedRun();
}

// Switches the page to language `code` in place: the engine keeps the population, its
// undo history and the notebook's runs; only the views are made again, with what was
// open opened again and the focus back on the language choice.
async function changeLanguage(kept: Kept, code: string): Promise<void> {
  rememberLanguage(code);
  speakOnPage(kept.vantrel, code, await catalogueBytes(code));
  await makePage(kept, changeLanguage, kept.page.views());
  document.getElementById('language')?.focus();
}
