// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the translations: its texts looked up by their English source, plural
// forms and the numbers it shows, all asked of the engine, which reads the catalogue of the
// language shown (see language.ts) and writes numbers as the desktop does. Until the engine
// runs (while it compiles, or in a browser without WebAssembly) the texts are English.
import type { StartTable, VantrelEngineModule } from 'vantrel-engine';

// Every text of the page's own is in this context; a text the desktop shows too is found
// under its source in whichever context its translation lives.
export const kPageContext = 'Page';

// The engine's calls the page's texts and numbers need.
export type Speaker = Pick<
  VantrelEngineModule,
  'tr' | 'trN' | 'arg' | 'localDecimal' | 'localDateTime'
>;

let speaker: Speaker | undefined;
let currentCode = 'en';

// The code the page speaks ("en", "nl", "de", "pseudo") and the engine that speaks it, its
// catalogue already handed over.
export function useCatalogue(code: string, engine: Speaker): void {
  currentCode = code;
  speaker = engine;
}

export function languageCode(): string {
  return currentCode;
}

function engine(): Speaker {
  if (!speaker)
    throw new Error('The engine writes the sentences and numbers; it is not running yet.');
  return speaker;
}

// A text shown before the engine runs (while it compiles, when it cannot start, or in a
// browser without WebAssembly) in language `code`, from the table the engine wrote when it
// was built. Every other text, and every plural form, the engine reads.
export function textBeforeEngine(table: StartTable, code: string, source: string): string {
  return table.texts[code]?.[source] ?? source;
}

// `source` in the language shown. A text with plural forms, here or in a desktop window
// ("%1 runs in %2 s."), goes through trN: this takes a record's first form, the singular.
export function tr(source: string, context = kPageContext): string {
  return speaker ? speaker.tr(context, source) : source;
}

// `text` with %1 ... %9 replaced in one pass, so that an argument's own "%2" stays.
export function fill(text: string, ...args: string[]): string {
  return engine().arg(text, args);
}

// `count` as the language writes a shown number: in English plainly ("1234", "2.5"), in
// Dutch and German with their separators ("1.234", "2,5"); with `fractionDigits` places.
export function formatNumber(count: number, fractionDigits = -1): string {
  return engine().localDecimal(count, fractionDigits);
}

// A moment (milliseconds since 1970) as the language writes a date and time, as the
// desktop writes it, in the browser's time zone.
export function formatDateTime(unixMilliseconds: number): string {
  return engine().localDateTime(unixMilliseconds);
}

// The plural form for `count` of a text whose English forms are `one` and `other` ("%n"
// stands for the count, grouped; %1 ... are the caller's to fill).
export function trN(one: string, other: string, count: number, context = kPageContext): string {
  return engine().trN(context, one, other, count);
}
