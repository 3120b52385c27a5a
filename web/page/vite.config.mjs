// SPDX-License-Identifier: GPL-3.0-or-later
// The page is built into build/web/site/ with the engine's module from the WebAssembly
// build (VANTREL_ENGINE_MODULE, else the wasm preset's build folder).
import { defineConfig } from 'vite';

const root = new URL('../..', import.meta.url).pathname;
const engineModule =
  process.env['VANTREL_ENGINE_MODULE'] ?? `${root}build/wasm/web/vantrel_engine.mjs`;

export default defineConfig({
  base: './',
  resolve: { alias: { 'vantrel-engine': engineModule } },
  build: { outDir: `${root}build/web/site`, emptyOutDir: true, target: 'es2022' },
});
