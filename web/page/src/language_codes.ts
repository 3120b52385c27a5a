// SPDX-License-Identifier: GPL-3.0-or-later
// The language the page speaks for a browser's language tags, before the engine runs: the
// codes and the languages to choose among are the engine's (StartTable).
import type { StartTable } from 'vantrel-engine';

// The code for a language tag ("de-AT" -> "de"), or "" when the engine does not speak it.
export function codeOf(table: StartTable, tag: string): string {
  const primary =
    tag
      .trim()
      .toLowerCase()
      .split(/[-_.@]/)[0] ?? '';
  return table.codes.includes(primary) ? primary : '';
}

// The first of `preferred` (best first) among the languages to choose, else English.
export function preferredLanguage(table: StartTable, preferred: readonly string[]): string {
  for (const tag of preferred) {
    const code = codeOf(table, tag);
    if (table.choices.some((choice) => choice.code === code)) return code;
  }
  return 'en';
}
