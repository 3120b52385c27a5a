// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the translations: the catalogue of the language shown (the same bytes
// the engine gets), the page's texts looked up in it by their English source, plural forms
// and numbers as the language writes them. A text the catalogue lacks, or a catalogue that
// is damaged or missing, stays English.

// Every text of the page's own is in this context; a text the desktop shows too is found
// under its source in whichever context its translation lives.
export const kPageContext = 'Page';

const kField = 0x1f;
const kRecord = 0x1e;
const kFormat = 'vantrel-catalogue 1';

export interface Catalogue {
  // The language the first record names ("" when the bytes are no catalogue).
  language: string;
  // By context and source (joined with U+001F), and by source alone.
  byKey: Map<string, string[]>;
  bySource: Map<string, string[]>;
}

export function emptyCatalogue(): Catalogue {
  return { language: '', byKey: new Map(), bySource: new Map() };
}

// Reads a catalogue as the engine does: a record that is not UTF-8 or lacks a field is
// left out, and bytes that do not start with the format's name give an empty catalogue.
export function parseCatalogue(bytes: Uint8Array): Catalogue {
  const catalogue = emptyCatalogue();
  const decoder = new TextDecoder('utf-8', { fatal: true });
  let first = true;
  let start = 0;
  while (start < bytes.length) {
    let end = bytes.indexOf(kRecord, start);
    if (end < 0) end = bytes.length;
    let text: string | null = null;
    try {
      text = decoder.decode(bytes.subarray(start, end));
    } catch {
      text = null;
    }
    start = end + 1;
    const fields = text?.split(String.fromCharCode(kField));
    if (first) {
      if (!fields || fields[0] !== kFormat) return emptyCatalogue();
      catalogue.language = fields[1] ?? '';
      first = false;
      continue;
    }
    if (!fields || fields.length < 3) continue;
    const [context = '', source = '', ...forms] = fields;
    const key = `${context}\u001f${source}`;
    if (!catalogue.byKey.has(key)) catalogue.byKey.set(key, forms);
    if (!catalogue.bySource.has(source)) catalogue.bySource.set(source, forms);
  }
  return catalogue;
}

// The forms of `source` in `context`, else in any context; undefined when it has none.
export function lookUp(
  catalogue: Catalogue,
  source: string,
  context = kPageContext,
): string[] | undefined {
  return catalogue.byKey.get(`${context}\u001f${source}`) ?? catalogue.bySource.get(source);
}

let current: Catalogue = emptyCatalogue();
let currentCode = 'en';

// The code the page speaks ("en", "nl", "de", "pseudo") and the catalogue it reads.
export function useCatalogue(code: string, catalogue: Catalogue): void {
  currentCode = code;
  current = catalogue;
}

export function languageCode(): string {
  return currentCode;
}

// The locale of numbers: the pseudo-language writes them as English does.
export function numberLocale(): string {
  return currentCode === 'nl' || currentCode === 'de' ? currentCode : 'en';
}

// `source` in the language shown. A text with plural forms, here or in a desktop window
// ("%1 runs in %2 s."), goes through trN: this takes a record's first form, the singular.
export function tr(source: string, context = kPageContext): string {
  const forms = lookUp(current, source, context);
  return forms?.[0] || source;
}

// `text` with %1 ... %9 replaced in one pass, so that an argument's own "%2" stays.
export function fill(text: string, ...args: string[]): string {
  return text.replace(/%([1-9])/g, (whole, digit: string) => args[Number(digit) - 1] ?? whole);
}

// `count` as the language writes a shown number: in English as the page always wrote it
// ("1234", "2.5"), in Dutch and German with their separators ("1.234", "2,5").
export function formatNumber(count: number, fractionDigits?: number): string {
  if (numberLocale() === 'en') {
    return fractionDigits === undefined ? String(count) : count.toFixed(fractionDigits);
  }
  return formatter(fractionDigits).format(count);
}

// `count` with its thousands grouped in every language ("1,234" / "1.234").
export function groupedNumber(count: number): string {
  return formatter(undefined).format(count);
}

// Formatters and plural rules are made once per language (and number of digits): making
// one costs more than using it, and the population view words its count at every step.
function madeOnce<T>(made: Map<string, T>, key: string, make: () => T): T {
  let found = made.get(key);
  if (found === undefined) {
    found = make();
    made.set(key, found);
  }
  return found;
}

const formatters = new Map<string, Intl.NumberFormat>();
function formatter(fractionDigits: number | undefined): Intl.NumberFormat {
  return madeOnce(
    formatters,
    `${numberLocale()} ${String(fractionDigits)}`,
    () =>
      new Intl.NumberFormat(
        numberLocale(),
        fractionDigits === undefined
          ? { maximumFractionDigits: 20 }
          : { minimumFractionDigits: fractionDigits, maximumFractionDigits: fractionDigits },
      ),
  );
}

// Makes the language's number formatter and plural rules ahead of their first use: the
// first of them loads the browser's number data, some 20 ms that would otherwise fall on
// whatever first shows a count (opening the population view, say).
export function prepareNumbers(): void {
  groupedNumber(0);
  pluralRules();
}

const pluralRulesByLocale = new Map<string, Intl.PluralRules>();
function pluralRules(): Intl.PluralRules {
  const locale = numberLocale();
  return madeOnce(pluralRulesByLocale, locale, () => new Intl.PluralRules(locale));
}

// The plural form for `count` of a text whose English forms are `one` and `other` ("%n"
// stands for the count; %1 ... are the caller's to fill): the catalogue's form by the
// language's plural rule, else English.
export function trN(one: string, other: string, count: number, context = kPageContext): string {
  const form = pluralRules().select(count) === 'one' ? 0 : 1;
  const forms = lookUp(current, other, context);
  const chosen = forms?.[Math.min(form, forms.length - 1)] || (form === 0 ? one : other);
  return chosen.replaceAll('%n', groupedNumber(count));
}
