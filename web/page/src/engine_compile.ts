// SPDX-License-Identifier: GPL-3.0-or-later
// Fetches and compiles the engine's WebAssembly from `url`: its own file beside the page
// (the served site) or a data: address inside the page (the single file). Compiled while it
// downloads when the response says application/wasm; from the whole bytes otherwise, since
// hosts that serve .wasm under another type are common and streaming refuses them. The
// whole bytes go through `unpack` first (the single file's are gzip-compressed).
export async function compileEngine(
  url: string,
  unpack: (bytes: Uint8Array<ArrayBuffer>) => Uint8Array<ArrayBuffer> = (bytes) => bytes,
): Promise<WebAssembly.Module> {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url.slice(0, 100)}: HTTP ${response.status}`);
  const type = response.headers.get('content-type') ?? '';
  if (!url.startsWith('data:') && type.split(';')[0]?.trim() === 'application/wasm') {
    return WebAssembly.compileStreaming(response);
  }
  return WebAssembly.compile(unpack(new Uint8Array(await response.arrayBuffer())));
}
