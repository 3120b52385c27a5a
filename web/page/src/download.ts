// SPDX-License-Identifier: GPL-3.0-or-later
// Offers data as a download: the page's way of saving a file.

// How long a download's address stays valid. The browser reads the bytes some time after
// the click, later still on a busy machine; revoking the address before that loses the
// download without a word, so it is freed only once that time has surely passed.
export const downloadAddressLifetimeMs = 60_000;

// Offers `blob` as a download named `name`.
export function download(blob: Blob, name: string): void {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), downloadAddressLifetimeMs);
}

// Offers `bytes` of MIME type `type` as a download named `name`.
export function downloadBytes(bytes: Uint8Array<ArrayBuffer>, name: string, type: string): void {
  download(new Blob([bytes], { type }), name);
}
