// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the organism shown and its health, the buttons of the desktop's main window,
// and behind "Advanced options" the organism table, the file and history buttons, the
// parameters and the links. This first script is kept small: it says that the page is
// loading, in the page's language, and has the WebAssembly compiled as it downloads and
// the catalogue fetched, while the rest of the page comes as a part of its own
// (page_start.ts: the engine, the views, a population sent as a link, the journal).
import { texts } from './texts';
import { catalogueBytes, startLanguage } from './language';
import { textBeforeEngine } from './catalogue';
import { kStartTable } from './start_table';
import { compileEngine } from './engine_compile';
import { unpacked } from './packed';
import engineWasm from 'vantrel-engine-files/vantrel_engine.wasm?url';

// The language the page starts in, for what it shows before the engine runs.
let startCode = 'en';

async function start(app: HTMLElement): Promise<void> {
  app.setAttribute('aria-busy', 'true');
  const code = startLanguage();
  startCode = code;
  const compiling = compileEngine(engineWasm, unpacked);
  app.textContent = textBeforeEngine(kStartTable, code, texts.loading);
  const page = import('./page_start');
  // The catalogue comes while the WebAssembly compiles.
  const catalogue = await catalogueBytes(code);
  const compiled = await compiling;
  await (await page).startPage(app, compiled, code, catalogue);
}

const app = document.getElementById('app');
if (app && typeof WebAssembly !== 'object') {
  app.textContent = texts.needs;
  // Then in the page's language.
  const code = startLanguage();
  app.textContent = textBeforeEngine(kStartTable, code, texts.needs);
  document.documentElement.lang = code === 'pseudo' ? 'en' : code;
} else if (app) {
  start(app).catch((error: unknown) => {
    app.textContent = `${textBeforeEngine(kStartTable, startCode, texts.loadFailed)} ${String(error)}`;
    app.setAttribute('aria-busy', 'false');
  });
}
