// SPDX-License-Identifier: GPL-3.0-or-later
// Offers data as a download: the page's way of saving a file.

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
  // The download has taken the bytes once the click has been handled.
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

// Offers `bytes` of MIME type `type` as a download named `name`.
export function downloadBytes(bytes: Uint8Array<ArrayBuffer>, name: string, type: string): void {
  download(new Blob([bytes], { type }), name);
}
