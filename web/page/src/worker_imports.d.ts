// SPDX-License-Identifier: GPL-3.0-or-later
// Vite's worker imports, as its own client types declare them (the page does not take
// those types whole).
declare module '*?worker&inline' {
  const WorkerConstructor: new (options?: { name?: string }) => Worker;
  export default WorkerConstructor;
}

// The engine's WebAssembly file, as an address (a data: address in the single file).
declare module 'vantrel-engine-files/vantrel_engine.wasm?url' {
  const url: string;
  export default url;
}

// The desktop's button pictures (resources/icons), as addresses (data: addresses, being
// small).
declare module 'vantrel-icons/*.svg?url' {
  const url: string;
  export default url;
}
