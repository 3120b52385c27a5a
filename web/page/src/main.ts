// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the organism shown and its health, the buttons of the desktop's main window,
// and behind "Advanced options" the organism table, the file and history buttons, the
// parameters and the links. It starts the engine, keeps it while the views are made again
// in another language, and opens a population sent as a link.
import type { Change, Engine } from 'vantrel-engine';
import { acceptDrops } from './drop';
import { setLargestTableFile } from './files';
import { keepOffline } from './offline';
import { openLinkedPopulation } from './share';
import { PageJournal } from './journal';
import { kFirstOrganismMark } from './picture';
import { texts } from './texts';
import { catalogueBytes, rememberLanguage, speakOnPage, startLanguage } from './language';
import { textBeforeEngine } from './catalogue';
import { kStartTable } from './start_table';
import { compileEngine } from './engine_compile';
import { unpacked } from './packed';
import { startEngine } from './engine_start';
import engineWasm from 'vantrel-engine-files/vantrel_engine.wasm?url';
import { type Kept, makePage } from './make_page';

// The language the page starts in, for what it shows before the engine runs.
let startCode = 'en';

async function start(app: HTMLElement): Promise<void> {
  app.setAttribute('aria-busy', 'true');
  const code = startLanguage();
  startCode = code;
  const compiling = compileEngine(engineWasm, unpacked);
  app.textContent = textBeforeEngine(kStartTable, code, texts.loading);
  // The catalogue comes while the WebAssembly compiles.
  const catalogue = await catalogueBytes(code);
  const compiled = await compiling;
  const vantrel = await startEngine(compiled);
  speakOnPage(vantrel, code, catalogue);
  // Seeded from the clock, as the desktop program seeds itself.
  const engine: Engine = new vantrel.Engine();

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
  makePage(kept, changeLanguage);
  performance.mark(kFirstOrganismMark);
  // A population sent as a link comes first, before anything else the page offers; the
  // page goes on whatever the link holds.
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
  makePage(kept, changeLanguage, kept.page.views());
  document.getElementById('language')?.focus();
}

const app = document.getElementById('app');
if (app && typeof WebAssembly !== 'object') {
  app.textContent = texts.needs;
  // Then in the page's language.
  const code = startLanguage();
  app.textContent = textBeforeEngine(kStartTable, code, texts.needs);
  document.documentElement.lang = code === 'pseudo' ? 'en' : code;
} else if (app) {
  keepOffline();
  start(app).catch((error: unknown) => {
    app.textContent = `${textBeforeEngine(kStartTable, startCode, texts.loadFailed)} ${String(error)}`;
    app.setAttribute('aria-busy', 'false');
  });
}
