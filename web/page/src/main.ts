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

// Resolves once the page has first painted something, as the browser reports it (not by
// timers, which a test's installed clock may hold), or after `fallback` ms where nothing
// is painted (a tab opened in the background).
function afterFirstPaint(fallback = 100): Promise<void> {
  return new Promise((resolve) => {
    setTimeout(resolve, fallback);
    // A browser that does not report paints starts after the fallback.
    if (!globalThis.PerformanceObserver?.supportedEntryTypes?.includes('paint')) return;
    const observer = new PerformanceObserver((entries) => {
      if (entries.getEntriesByName('first-contentful-paint').length === 0) return;
      observer.disconnect();
      resolve();
    });
    observer.observe({ type: 'paint', buffered: true });
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
  await afterFirstPaint();
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
