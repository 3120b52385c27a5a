// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the pseudo-language walks, as tests/desktop/pseudo/pseudo_text.cc and
// known_findings.cc hold them for the desktop: which pieces of a shown text lie outside the
// brackets of "[Open ~~]" and still say something in words, how a finding is written so
// that it is the same every run, and the list of findings still allowed.
import { readFileSync } from 'node:fs';

// Words the same in every language: names, key hints, file names and paths, IDs.
const kSameEverywhere = new RegExp(
  [
    '\\b(?:Vantrel|Quorvane|Excel)\\b',
    // Each language by its own name, as a language choice lists them.
    '\\b(?:English|Nederlands|Deutsch)\\b',
    '\\([A-Z]\\)',
    '\\b(?:(?:Ctrl|Alt|Shift)\\+)+[A-Z0-9]\\b',
    '\\bEsc\\b',
    '[\\w*~-]+\\.[a-z][a-z0-9]{1,4}\\b',
    '(?:/[\\w.-]+)+',
    '\\b[A-Z]{1,2}\\d+\\b',
    '#\\d+',
  ].join('|'),
  'gu',
);

function saysSomething(piece) {
  return /\p{L}/u.test(piece.replace(kSameEverywhere, ''));
}

function addPieces(outside, pieces) {
  for (const line of outside.split('\n')) {
    const piece = line.trim();
    if (saysSomething(piece)) pieces.push(piece);
  }
}

// The pieces of `text` outside brackets that say something, one trimmed line each.
// Brackets nest; an opening bracket never closed leaves the rest of the text outside.
export function untranslatedPieces(text) {
  const pieces = [];
  let outside = '';
  let depth = 0;
  let openedAt = 0;
  const chars = [...text];
  chars.forEach((c, i) => {
    if (c === '[') {
      if (depth++ === 0) {
        addPieces(outside, pieces);
        outside = '';
        openedAt = i;
      }
    } else if (c === ']' && depth > 0) {
      --depth;
    } else if (depth === 0) {
      outside += c;
    }
  });
  if (depth > 0) outside += chars.slice(openedAt).join('');
  addPieces(outside, pieces);
  return pieces;
}

// A finding with every number written "N": clock times, counts and DNA vary, words do not.
export function stableFinding(finding) {
  return finding.replace(/\d+/g, 'N');
}

// The findings of one section ("desktop", "page") of the list file; null without it.
export function readKnownFindings(file, section) {
  const known = new Set();
  let found = false;
  let inside = false;
  for (const raw of readFileSync(file, 'utf8').split('\n')) {
    const line = raw.trim();
    if (!line) continue;
    if (line.startsWith('[') && line.endsWith(']') && !line.includes(' ')) {
      inside = line === `[${section}]`;
      found ||= inside;
      continue;
    }
    if (inside) known.add(line);
  }
  return found ? known : null;
}

// The report of what keeps the walk (a Map of finding to places) and the list apart;
// empty when they agree.
export function compareWithKnown(findings, known) {
  const lines = [];
  for (const [finding, places] of [...findings].sort(([a], [b]) => (a < b ? -1 : a > b ? 1 : 0))) {
    if (!known.has(finding)) {
      const shown = [...places].slice(0, 3).join('; ');
      const more = places.size > 3 ? ` and ${places.size - 3} more` : '';
      lines.push(`  new: "${finding}"  at ${shown}${more}`);
    }
  }
  for (const entry of known) {
    if (!findings.has(entry)) lines.push(`  no longer found, remove it from the list: "${entry}"`);
  }
  return lines.join('\n');
}
