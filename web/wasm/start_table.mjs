// SPDX-License-Identifier: GPL-3.0-or-later
// Writes vantrel_start.json beside the engine's module when the module is built: what the
// page shows before the engine runs (while it compiles, when it cannot start, in a browser
// without WebAssembly), read by the engine itself from the catalogues, so that the page
// holds no reader of its own. See StartTable in vantrel_engine.d.ts.
//
//   node --no-experimental-fetch start_table.mjs vantrel_engine.mjs CATALOGUE_DIR OUT.json
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [modulePath, catalogueFolder, out] = process.argv.slice(2);
const absolute = path.resolve(modulePath);
// Emscripten's loader for Node is CommonJS: lend it require and __dirname, and hand it its
// WebAssembly, which it would otherwise fetch by path.
globalThis.require = createRequire(absolute);
globalThis.__dirname = path.dirname(absolute);
const { default: createVantrelEngine } = await import(pathToFileURL(absolute).href);
const engine = await createVantrelEngine({
  wasmBinary: readFileSync(absolute.replace(/\.m?js$/, '.wasm')),
});

const texts = {};
const languages = engine.languages();
for (const { code } of languages) {
  const file = path.join(catalogueFolder, `vantrel_${code}.cat`);
  engine.setLanguage(
    code,
    existsSync(file) ? new Uint8Array(readFileSync(file)) : new Uint8Array(),
  );
  texts[code] = Object.fromEntries(engine.translatedTexts('PageBeforeEngine'));
}
const table = {
  codes: languages.map(({ code }) => code),
  // Those the engine would take from a browser's preferences: the pseudo-language is not.
  choices: languages.filter(({ code }) => engine.preferredLanguage([code]) === code),
  texts,
};
writeFileSync(out, `${JSON.stringify(table)}\n`);
