// SPDX-License-Identifier: GPL-3.0-or-later
// A TypeScript file of the page as plain JavaScript, for scripts that load one part of the
// page without building it (its imports must be types only).
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(new URL('../../web/page/package.json', import.meta.url));
const ts = require('typescript');

// The JavaScript of web/page/src/`name`, as an ES module.
export function pageScript(name) {
  const source = readFileSync(new URL(`../../web/page/src/${name}`, import.meta.url), 'utf8');
  return ts.transpileModule(source, {
    compilerOptions: { module: ts.ModuleKind.ESNext, target: ts.ScriptTarget.ES2022 },
  }).outputText;
}
