// SPDX-License-Identifier: GPL-3.0-or-later
// The single file carries its WebAssembly and catalogues gzip-compressed, to stay small;
// the served site's come as they are (the server compresses them on the way).
import { gunzipSync } from 'fflate';

// `bytes` unpacked when they are gzip data (they start with its two magic bytes), else as
// they are: neither WebAssembly ("\0asm") nor a catalogue ("vantrel-catalogue") starts so.
export function unpacked(bytes: Uint8Array<ArrayBuffer>): Uint8Array<ArrayBuffer> {
  return bytes[0] === 0x1f && bytes[1] === 0x8b ? new Uint8Array(gunzipSync(bytes)) : bytes;
}
