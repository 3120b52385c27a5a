// SPDX-License-Identifier: GPL-3.0-or-later
// The page is built into build/web/site/ with the engine's module from the WebAssembly
// build (VANTREL_ENGINE_MODULE, else the wasm preset's build folder): a folder of static
// files with a manifest and a service worker. `vite build --mode single` instead writes
// build/web/vantrel.html, everything inlined, which opens from a file:// address.
import { execFileSync } from 'node:child_process';
import { mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { defineConfig } from 'vite';
import { viteSingleFile } from 'vite-plugin-singlefile';
import { inlineIcon, inlineScriptsLast, offlinePage } from './offline/plugin.mjs';
import { contentSecurityPolicy } from './offline/policy.mjs';

const root = new URL('../..', import.meta.url).pathname;
const engineModule =
  process.env['VANTREL_ENGINE_MODULE'] ?? `${root}build/wasm/web/vantrel_engine.mjs`;
// The module's folder, which holds its WebAssembly (vantrel_engine.wasm) beside it.
const engineFolder = engineModule.replace(/[^/]*$/, '');
// The translations' catalogues the same build made (vantrel_<code>.cat), beside its web/.
const catalogueFolder = process.env['VANTREL_CATALOGUES'] ?? `${engineFolder}../catalogues/`;
const icon = `${root}resources/vantrel.svg`;

// The single file carries its WebAssembly and catalogues gzip-compressed (the page unpacks
// them), as a web server would send them: base64 of the raw WebAssembly alone would make
// the file half as big again. Zopfli writes gzip a twentieth smaller than zlib's best, which
// the browser unpacks as fast; zlib stands in where it is not installed. The
// pseudo-language, which only the tests of the served site speak, stays out. Writes the
// packed copies under build/web/packed/ with the names the page imports, and returns their
// folders.
function gzipped(file) {
  try {
    return execFileSync('zopfli', ['-c', file], { maxBuffer: 1 << 28 });
  } catch (error) {
    if (error.code !== 'ENOENT') throw error;
    console.warn('zopfli is not installed: the single file is packed with zlib, 5 % larger');
    return gzipSync(readFileSync(file), { level: 9 });
  }
}

function packedInputs() {
  const packed = `${root}build/web/packed/`;
  rmSync(packed, { recursive: true, force: true });
  const pack = (from, to, names) => {
    mkdirSync(to, { recursive: true });
    for (const name of names) writeFileSync(`${to}${name}`, gzipped(`${from}${name}`));
    return to;
  };
  const catalogues = readdirSync(catalogueFolder).filter(
    (name) => name.endsWith('.cat') && name !== 'vantrel_pseudo.cat',
  );
  return {
    engine: pack(engineFolder, `${packed}engine/`, ['vantrel_engine.wasm']),
    catalogues: pack(catalogueFolder, `${packed}catalogues/`, catalogues),
  };
}

export default defineConfig(({ mode }) => {
  const single = mode === 'single';
  const inputs = single ? packedInputs() : { engine: engineFolder, catalogues: catalogueFolder };
  return {
    base: './',
    // Where shared links lead: VANTREL_LINK_BASE when the build names it, else the page's
    // own address.
    define: { __VANTREL_LINK_BASE__: JSON.stringify(process.env['VANTREL_LINK_BASE'] ?? '') },
    resolve: {
      alias: {
        'vantrel-engine': engineModule,
        // What the page shows before the engine runs, which the engine wrote beside itself.
        'vantrel-start': `${engineFolder}vantrel_start.json`,
        // The WebAssembly, which the page compiles itself: its own file in the site (kept by
        // the service worker with the others), a data: address in the single file.
        'vantrel-engine-files': inputs.engine,
        // The catalogue of the language chosen: its own file in the site, fetched when
        // chosen; a data: address in the single file.
        'vantrel-catalogues': inputs.catalogues,
        // The desktop's button pictures, the same files its build compiles in.
        'vantrel-icons': `${root}resources/icons`,
        // The automatic runs' workers: from their own file, or inlined in the single file.
        'autorun-workers': `${root}web/page/src/workers_${single ? 'inline' : 'served'}.ts`,
      },
    },
    // Chromium refuses a module worker from a Blob URL in a page opened from a disk, so the
    // single file's worker is a classic script.
    worker: { format: single ? 'iife' : 'es' },
    publicDir: false,
    plugins: single
      ? [
          inlineIcon(icon),
          viteSingleFile({ outputFileName: 'vantrel.html' }),
          inlineScriptsLast(),
          contentSecurityPolicy(true),
        ]
      : [contentSecurityPolicy(false), offlinePage(icon)],
    build: {
      // The single file goes beside the site's folder, which it leaves alone.
      outDir: single ? `${root}build/web` : `${root}build/web/site`,
      emptyOutDir: !single,
      target: 'es2022',
    },
  };
});
