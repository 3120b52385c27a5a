// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the engine's ES module under Node. Emscripten 3.1.6 writes Node's part of the
// loader as CommonJS (require, __dirname), which an ES module lacks: they are lent to it
// here before it is imported. Its WebAssembly (vantrel_engine.wasm beside it) is read here
// and handed over, since the loader would fetch it by path wherever Node has a fetch.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

export async function loadEngineModule(modulePath) {
  const absolute = path.resolve(modulePath);
  globalThis.require ??= createRequire(absolute);
  globalThis.__dirname ??= path.dirname(absolute);
  const wasmBinary = readFileSync(absolute.replace(/\.m?js$/, '.wasm'));
  const { default: createVantrelEngine } = await import(pathToFileURL(absolute).href);
  return createVantrelEngine({ wasmBinary });
}
