// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the page speaks and where its catalogue comes from. The language is the
// one the user chose on this page before (kept in the browser's storage), else the first
// of the browser's preferred languages the page speaks, else English; "?lang=" in the
// address overrides both (also for the pseudo-language of the tests). A language fetches
// its vantrel_<code>.cat when chosen, a file of the site or a data: address inside the
// single file; English has none to load.
import type { VantrelEngineModule } from 'vantrel-engine';
import { useCatalogue } from './catalogue';
import { codeOf, preferredLanguage } from './language_codes';
import { unpacked } from './packed';
import { kStartTable } from './start_table';
import { translateTexts } from './texts';

const kStorageKey = 'vantrel-language';

const catalogueAddresses = import.meta.glob<string>('vantrel-catalogues/vantrel_*.cat', {
  query: '?url',
  import: 'default',
  eager: true,
});

function remembered(): string {
  try {
    return codeOf(kStartTable, localStorage.getItem(kStorageKey) ?? '');
  } catch {
    return ''; // storage refused: the browser's preferences decide
  }
}

// The language to start in.
export function startLanguage(): string {
  const asked = codeOf(kStartTable, new URLSearchParams(location.search).get('lang') ?? '');
  return asked || remembered() || preferredLanguage(kStartTable, navigator.languages);
}

// Keeps the user's choice for the next visit; where storage is refused it lasts as long
// as the page.
export function rememberLanguage(code: string): void {
  try {
    localStorage.setItem(kStorageKey, code);
  } catch {
    // The choice holds for this visit only.
  }
}

// The catalogue's bytes for `code`; none when the build made none (English, unless the
// translations give English plural forms) or when they cannot be had, so that the texts
// stay English.
export async function catalogueBytes(code: string): Promise<Uint8Array> {
  const address = Object.entries(catalogueAddresses).find(([path]) =>
    path.endsWith(`/vantrel_${code}.cat`),
  )?.[1];
  if (!address) return new Uint8Array();
  try {
    const response = await fetch(address);
    if (!response.ok) throw new Error(`${String(response.status)} ${response.statusText}`);
    return unpacked(new Uint8Array(await response.arrayBuffer()));
  } catch (error) {
    console.warn(`The ${code} texts could not be loaded, English shows instead:`, error);
    return new Uint8Array();
  }
}

// Makes the engine and the page speak `code` with the catalogue `bytes`: the engine's texts,
// the page's, its numbers and the document's language.
export function speakOnPage(vantrel: VantrelEngineModule, code: string, bytes: Uint8Array): void {
  vantrel.setLanguage(code, bytes);
  useCatalogue(code, vantrel);
  translateTexts();
  document.documentElement.lang = code === 'pseudo' ? 'en' : code;
}
