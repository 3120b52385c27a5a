// SPDX-License-Identifier: GPL-3.0-or-later
// Table files of any size in the desktop's format (" text #" for every column but the ID,
// CR LF after every line), for the page's tests and measurements: the same rows every time.
//
//   node make_table.mjs ROWS OUTPUT.str
import { writeFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

// The text of a table of `rows` organisms under the desktop's title row, one character a
// byte; self-contained, so that a page can run it too.
export function makeTableText(rows) {
  const lines = [' P1 # P2 # DNA # Survival #'];
  let state = 12345;
  const next = () => (state = (Math.imul(state, 1103515245) + 12345) >>> 0);
  for (let row = 1; row <= rows; ++row) {
    let dna = '';
    for (let digit = 0; digit < 13; ++digit) dna += String((next() >>> 16) % 10);
    lines.push(` ${row >> 1} # ${row >> 2} # ${dna} # ${row % 7} #`);
  }
  return `${lines.join('\r\n')}\r\n`;
}

// The bytes of that table.
export function makeTable(rows) {
  return Buffer.from(makeTableText(rows), 'latin1');
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [rows, output] = process.argv.slice(2);
  writeFileSync(output, makeTable(Number(rows)));
}
