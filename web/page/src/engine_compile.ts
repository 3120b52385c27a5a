// SPDX-License-Identifier: GPL-3.0-or-later
// Fetches and compiles the engine's WebAssembly from `url`: its own file beside the page
// (the served site) or a data: address inside the page (the single file). Compiled while it
// downloads when the response says application/wasm; from the whole bytes otherwise, since
// hosts that serve .wasm under another type are common and streaming refuses them.
export async function compileEngine(url: string): Promise<WebAssembly.Module> {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: HTTP ${response.status}`);
  const type = response.headers.get('content-type') ?? '';
  if (type.split(';')[0]?.trim() === 'application/wasm') {
    return WebAssembly.compileStreaming(response);
  }
  return WebAssembly.compile(await response.arrayBuffer());
}
