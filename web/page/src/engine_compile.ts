// SPDX-License-Identifier: GPL-3.0-or-later
// Fetches and compiles the engine's WebAssembly from `url`: its own file beside the page
// (the served site) or a data: address inside the page (the single file). Compiled while it
// downloads when the response says application/wasm; hosts that serve .wasm under another
// type are common and streaming refuses them, so those bytes are compiled whole. The single
// file's bytes are gzip-compressed: they are unpacked as they are compiled, in short steps,
// by the browser's own DecompressionStream, else whole by `unpack`.
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
  const bytes = new Uint8Array(await response.arrayBuffer());
  const gzip = bytes[0] === 0x1f && bytes[1] === 0x8b;
  if (gzip && typeof DecompressionStream === 'function') {
    const unpacking = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    return WebAssembly.compileStreaming(
      new Response(unpacking, { headers: { 'content-type': 'application/wasm' } }),
    );
  }
  return WebAssembly.compile(unpack(bytes));
}
