// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the organism shown and its health, the buttons of the desktop's main window,
// and behind "Advanced options" the organism table, the file and history buttons, the
// parameters and the links. This first script is kept small: it says that the page is
// loading in the page's language (the HTML says it in English before any script runs),
// and once that is painted has the WebAssembly compiled as it downloads and the catalogue
// fetched, while the rest of the page comes as a part of its own (page_start.ts: the
// engine, the views, a population sent as a link, the journal).
import { texts } from './texts';
import { catalogueBytes, startLanguage } from './language';
import { textBeforeEngine } from './catalogue';
import { kStartTable } from './start_table';
import { compileEngine } from './engine_compile';
import { unpacked } from './packed';
import engineWasm from 'vantrel-engine-files/vantrel_engine.wasm?url';

// The language the page starts in, for what it shows before the engine runs.
let startCode = 'en';

// Resolves once what the page shows now has been painted (a frame, then a task), or after
// `fallback` ms where no frame comes (a tab opened in the background).
function afterPaint(fallback = 100): Promise<void> {
  return new Promise((resolve) => {
    setTimeout(resolve, fallback);
    requestAnimationFrame(() => setTimeout(resolve));
  });
}

async function start(app: HTMLElement): Promise<void> {
  const code = startLanguage();
  startCode = code;
  const loading = textBeforeEngine(kStartTable, code, texts.loading);
  // The HTML's English sentence stays where it is the language's, so that it is painted once.
  if (app.querySelector('.before-engine')?.textContent !== loading) app.textContent = loading;
  // The page's first paint comes before the downloads below, which would slow it on a slow
  // connection, and after which the page has nothing new to show for a while.
  await afterPaint();
  const compiling = compileEngine(engineWasm, unpacked);
  const page = import('./page_start');
  // The catalogue comes while the WebAssembly compiles.
  const catalogue = await catalogueBytes(code);
  const compiled = await compiling;
  await (await page).startPage(app, compiled, code, catalogue);
}

const app = document.getElementById('app');
if (app && typeof WebAssembly !== 'object') {
  app.textContent = texts.needs;
  app.setAttribute('aria-busy', 'false');
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
