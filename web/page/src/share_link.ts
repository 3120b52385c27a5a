// SPDX-License-Identifier: GPL-3.0-or-later
// A population in an address: a header line naming the format and its version, a line
// with the three parameters, then the table file's bytes, all compressed (deflate-raw)
// and written in base64url after '#'. The part after '#' never reaches a server, and the
// address works as well for the single file opened from a disk.
import type { Parameters } from 'vantrel-engine';

export const kLinkHeader = 'vantrel-population 1';
export const kFragmentKey = 'population=';
// Longer addresses are cut short by some mail programs, chats and browsers.
export const kMaxLinkLength = 8000;
// Deflate shrinks a stream to no less than 1/1032 of its size (258 bytes a code of at
// least two bits), so a link of kMaxLinkLength characters, three bytes every four, never
// inflates beyond this.
export const kMostInflatedBytes = Math.ceil((kMaxLinkLength * 3) / 4) * 1032;

export interface SharedPopulation {
  table: Uint8Array;
  parameters: Parameters;
}

async function transformed(bytes: Uint8Array, stream: GenericTransformStream): Promise<Uint8Array> {
  const body = new Blob([bytes as BlobPart]).stream().pipeThrough(stream);
  return new Uint8Array(await new Response(body).arrayBuffer());
}

// The deflate-raw stream `packed` inflated; undefined when it is damaged or inflates to
// more than `most` bytes, where inflating stops.
export async function inflated(packed: Uint8Array, most: number): Promise<Uint8Array | undefined> {
  const reader = new Blob([packed as BlobPart])
    .stream()
    .pipeThrough(new DecompressionStream('deflate-raw'))
    .getReader();
  const chunks: Uint8Array[] = [];
  let total = 0;
  try {
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      total += value.length;
      if (total > most) {
        reader.cancel().catch(() => undefined);
        return undefined;
      }
      chunks.push(value);
    }
  } catch {
    return undefined;
  }
  const whole = new Uint8Array(total);
  let at = 0;
  for (const chunk of chunks) {
    whole.set(chunk, at);
    at += chunk.length;
  }
  return whole;
}

export function toBase64Url(bytes: Uint8Array): string {
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

// The bytes of base64url `text`; undefined when it is not base64url.
export function fromBase64Url(text: string): Uint8Array | undefined {
  if (!/^[A-Za-z0-9_-]*$/.test(text) || text.length % 4 === 1) return undefined;
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

// The part after '#' that carries `population`.
export async function encodePopulation(population: SharedPopulation): Promise<string> {
  const { startOrganisms, creativity, bonus } = population.parameters;
  const head = new TextEncoder().encode(
    `${kLinkHeader}\n${String(startOrganisms)} ${String(creativity)} ${String(bonus)}\n`,
  );
  const whole = new Uint8Array(head.length + population.table.length);
  whole.set(head);
  whole.set(population.table, head.length);
  return kFragmentKey + toBase64Url(await transformed(whole, new CompressionStream('deflate-raw')));
}

// The population a fragment (without its '#') carries; undefined for a damaged or foreign
// one: longer than a shared link can be (not decoded at all), bad base64url, a stream
// that does not inflate or inflates beyond what such a link can carry, another header or
// version, or parameters that are not three whole numbers.
export async function decodePopulation(fragment: string): Promise<SharedPopulation | undefined> {
  if (fragment.length > kMaxLinkLength || !fragment.startsWith(kFragmentKey)) return undefined;
  const packed = fromBase64Url(fragment.slice(kFragmentKey.length));
  if (!packed || packed.length === 0) return undefined;
  const whole = await inflated(packed, kMostInflatedBytes);
  if (!whole) return undefined;
  const firstEnd = whole.indexOf(10);
  const secondEnd = whole.indexOf(10, firstEnd + 1);
  if (firstEnd < 0 || secondEnd < 0) return undefined;
  const text = new TextDecoder();
  if (text.decode(whole.subarray(0, firstEnd)) !== kLinkHeader) return undefined;
  const numbers = text.decode(whole.subarray(firstEnd + 1, secondEnd)).split(' ');
  if (numbers.length !== 3 || !numbers.every((n) => /^-?\d{1,9}$/.test(n))) return undefined;
  const [startOrganisms, creativity, bonus] = numbers.map(Number) as [number, number, number];
  return { table: whole.slice(secondEnd + 1), parameters: { startOrganisms, creativity, bonus } };
}

// The page's address without its fragment: where a shared link leads unless the build
// names another base.
export function linkBase(configured: string, here: string): string {
  if (configured) return configured.replace(/#.*$/, '');
  return here.replace(/#.*$/, '');
}
