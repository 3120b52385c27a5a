// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the engine from its WebAssembly already compiled, so the page and each automatic
// runs' worker share one compilation (a compiled module can be posted to a worker) and
// neither carries its own copy of the bytes.
import createVantrelEngine from 'vantrel-engine';
import type { VantrelEngineModule } from 'vantrel-engine';

export function startEngine(compiled: WebAssembly.Module): Promise<VantrelEngineModule> {
  return new Promise((resolve, reject) => {
    createVantrelEngine({
      instantiateWasm(imports, done) {
        // A failed instantiation would leave the engine's own promise pending for ever.
        WebAssembly.instantiate(compiled, imports).then(
          (instance) => done(instance, compiled),
          reject,
        );
        return {};
      },
    }).then(resolve, reject);
  });
}
