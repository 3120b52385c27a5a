// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the page speaks, by their codes, and the choice among the browser's
// preferred languages.

// The languages the page offers, each named in itself.
export const kLanguages = [
  { code: 'en', name: 'English' },
  { code: 'nl', name: 'Nederlands' },
  { code: 'de', name: 'Deutsch' },
] as const;
// The codes the page understands; the pseudo-language of the tests is one of them.
const kCodes = ['en', 'nl', 'de', 'pseudo'];

// The page's code for a language tag ("de-AT" -> "de"), or "" when it does not speak it.
export function codeOf(tag: string): string {
  const primary = tag.trim().toLowerCase().split(/[-_.]/)[0] ?? '';
  return kCodes.includes(primary) ? primary : '';
}

// The first of `preferred` (best first) the page speaks, else English. The
// pseudo-language is only ever chosen by name.
export function preferredLanguage(preferred: readonly string[]): string {
  for (const tag of preferred) {
    const code = codeOf(tag);
    if (code && code !== 'pseudo') return code;
  }
  return 'en';
}
