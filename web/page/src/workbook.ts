// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook the desktop's "Excel" writes, made in the page: one sheet of texts from cell
// A1, under the default table style with the first row as column headers when it can name
// them, the columns widened to fit. The cells' texts come from the engine; this module only
// puts them into the parts of an .xlsx file and zips them.
import { strToU8, zip, zipSync } from 'fflate';
import { joinBytes } from './bytes';
import { nextTask } from './next_task';

// Column widths in characters, with room for the header's filter button, as the desktop's.
const kMinColumnWidth = 9;
const kMaxColumnWidth = 80;
const kFilterButtonWidth = 3;
// Excel keeps table column names to this many characters.
const kMaxHeaderLength = 255;

const kSpreadsheetMl = 'http://schemas.openxmlformats.org/spreadsheetml/2006/main';
const kRelationships = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships';
const kPackageRelationships = 'http://schemas.openxmlformats.org/package/2006/relationships';
const kDeclaration = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n';

// A text as XML character data; characters XML cannot hold are written as _xHHHH_, the
// form spreadsheets read back as the character.
export function xmlText(text: string): string {
  // Most texts (digits, plain words) need nothing: one test instead of five replacements.
  if (!/[&<>"\u0000-\u0008\u000b\u000c\u000e-\u001f]/.test(text)) return text;
  return text
    .replace(/&/g, '&amp;')
    .replace(/</g, '&lt;')
    .replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;')
    .replace(
      /[\u0000-\u0008\u000b\u000c\u000e-\u001f]/g,
      (c) => `_x${c.charCodeAt(0).toString(16).toUpperCase().padStart(4, '0')}_`,
    );
}

// The sheet's name of the cell in `row` and `col`, both from 0: "A1", "AA6".
export function cellName(row: number, col: number): string {
  let letters = '';
  for (let number = col + 1; number > 0; number = Math.floor((number - 1) / 26)) {
    letters = String.fromCharCode(65 + ((number - 1) % 26)) + letters;
  }
  return `${letters}${String(row + 1)}`;
}

// Whether the first row can name a table's columns: every title present, plain text, not
// too long, and unique regardless of case.
export function usableAsHeaders(titles: readonly string[]): boolean {
  const seen = new Set<string>();
  for (const title of titles) {
    if (!title || title.length > kMaxHeaderLength || /[\u0000-\u001f]/.test(title)) return false;
    const folded = title.toLowerCase();
    if (seen.has(folded)) return false;
    seen.add(folded);
  }
  return true;
}

// Each column's width: its longest text plus the filter button, within the limits.
export function columnWidths(cells: readonly (readonly string[])[]): number[] {
  const widths: number[] = [];
  for (const row of cells) {
    row.forEach((text, col) => (widths[col] = Math.max(widths[col] ?? 0, text.length)));
  }
  return widths.map((longest) =>
    Math.min(Math.max(longest + kFilterButtonWidth, kMinColumnWidth), kMaxColumnWidth),
  );
}

// The sheet's rows and its shared strings: each distinct text once, cells by index.
// Rows and texts are written between two yields to the page, so that it stays responsive,
// and turned into bytes as they come: no one task encodes a whole sheet.
const kRowsPerTask = 5000;
const kTextsPerTask = 20000;

// Text gathered piece by piece and kept as UTF-8 bytes, one block per flush.
class ByteBlocks {
  private readonly blocks: Uint8Array[] = [];
  private pending: string[] = [];

  add(text: string): void {
    this.pending.push(text);
  }

  flush(): void {
    if (this.pending.length) this.blocks.push(strToU8(this.pending.join('')));
    this.pending = [];
  }

  bytes(): Uint8Array {
    this.flush();
    return joinBytes(this.blocks);
  }
}

async function sheetParts(
  cells: readonly (readonly string[])[],
): Promise<{ sheet: Uint8Array; strings: Uint8Array }> {
  const cols = columnWidths(cells)
    .map((width, c) => {
      const n = String(c + 1);
      return `<col min="${n}" max="${n}" width="${String(width)}" customWidth="1"/>`;
    })
    .join('');
  const sheet = new ByteBlocks();
  sheet.add(`${kDeclaration}<worksheet xmlns="${kSpreadsheetMl}" xmlns:r="${kRelationships}">`);
  if (cols) sheet.add(`<cols>${cols}</cols>`);
  sheet.add('<sheetData>');
  const indices = new Map<string, number>();
  let count = 0;
  for (const [r, row] of cells.entries()) {
    if (r > 0 && r % kRowsPerTask === 0) {
      sheet.flush();
      await nextTask();
    }
    const written: string[] = [];
    row.forEach((text, c) => {
      if (!text) return; // blank cells are left out
      let index = indices.get(text);
      if (index === undefined) {
        index = indices.size;
        indices.set(text, index);
      }
      count += 1;
      written.push(`<c r="${cellName(r, c)}" t="s"><v>${String(index)}</v></c>`);
    });
    if (written.length) sheet.add(`<row r="${String(r + 1)}">${written.join('')}</row>`);
  }
  sheet.add('</sheetData>');
  if (tableRange(cells)) sheet.add('<tableParts count="1"><tablePart r:id="rId1"/></tableParts>');
  sheet.add('</worksheet>');

  const strings = new ByteBlocks();
  strings.add(
    `${kDeclaration}<sst xmlns="${kSpreadsheetMl}" count="${String(count)}" ` +
      `uniqueCount="${String(indices.size)}">`,
  );
  let written = 0;
  for (const text of indices.keys()) {
    if (written > 0 && written % kTextsPerTask === 0) {
      strings.flush();
      await nextTask();
    }
    strings.add(`<si><t xml:space="preserve">${xmlText(text)}</t></si>`);
    written += 1;
  }
  strings.add('</sst>');
  // Each part joined into one block in a task of its own: at 100,000 organisms the sheet
  // alone is several megabytes to copy.
  const stringBytes = strings.bytes();
  await nextTask();
  const sheetBytes = sheet.bytes();
  await nextTask();
  return { sheet: sheetBytes, strings: stringBytes };
}

// The block the table covers, "" for a sheet without cells.
function tableRange(cells: readonly (readonly string[])[]): string {
  const width = cells[0]?.length ?? 0;
  return width ? `A1:${cellName(cells.length - 1, width - 1)}` : '';
}

// The table over the whole block: named columns when the first row can name them and a row
// follows it, else the style alone without a header row.
function tablePart(cells: readonly (readonly string[])[]): string {
  const range = tableRange(cells);
  const titles = cells[0] ?? [];
  const headers = cells.length > 1 && usableAsHeaders(titles);
  const columns = titles
    .map((title, c) => {
      const name = headers ? title : `Column${String(c + 1)}`;
      return `<tableColumn id="${String(c + 1)}" name="${xmlText(name)}"/>`;
    })
    .join('');
  return (
    `${kDeclaration}<table xmlns="${kSpreadsheetMl}" id="1" name="Table1" ` +
    `displayName="Table1" ref="${range}"${headers ? '' : ' headerRowCount="0"'} ` +
    `totalsRowShown="0">${headers ? `<autoFilter ref="${range}"/>` : ''}` +
    `<tableColumns count="${String(titles.length)}">${columns}</tableColumns>` +
    '<tableStyleInfo name="TableStyleMedium9" showFirstColumn="0" showLastColumn="0" ' +
    'showRowStripes="1" showColumnStripes="0"/></table>'
  );
}

// The bytes of a workbook holding `cells` (rows of texts) on one sheet named `sheetName`.
// The parts are compressed in workers, off the page's thread (a sheet of 100,000 rows
// takes seconds); where no worker can start, on the page's thread.
export async function workbookBytes(
  cells: readonly (readonly string[])[],
  sheetName: string,
): Promise<Uint8Array> {
  const { sheet, strings } = await sheetParts(cells);
  const hasTable = tableRange(cells) !== '';
  const type = 'application/vnd.openxmlformats-officedocument';
  const parts: Record<string, string | Uint8Array> = {
    '[Content_Types].xml':
      `${kDeclaration}<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">` +
      '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>' +
      '<Default Extension="xml" ContentType="application/xml"/>' +
      `<Override PartName="/xl/workbook.xml" ContentType="${type}.spreadsheetml.sheet.main+xml"/>` +
      `<Override PartName="/xl/worksheets/sheet1.xml" ContentType="${type}.spreadsheetml.worksheet+xml"/>` +
      `<Override PartName="/xl/styles.xml" ContentType="${type}.spreadsheetml.styles+xml"/>` +
      `<Override PartName="/xl/sharedStrings.xml" ContentType="${type}.spreadsheetml.sharedStrings+xml"/>` +
      (hasTable
        ? `<Override PartName="/xl/tables/table1.xml" ContentType="${type}.spreadsheetml.table+xml"/>`
        : '') +
      '</Types>',
    '_rels/.rels':
      `${kDeclaration}<Relationships xmlns="${kPackageRelationships}">` +
      `<Relationship Id="rId1" Type="${kRelationships}/officeDocument" Target="xl/workbook.xml"/>` +
      '</Relationships>',
    'xl/workbook.xml':
      `${kDeclaration}<workbook xmlns="${kSpreadsheetMl}" xmlns:r="${kRelationships}">` +
      `<sheets><sheet name="${xmlText(sheetName)}" sheetId="1" r:id="rId1"/></sheets></workbook>`,
    'xl/_rels/workbook.xml.rels':
      `${kDeclaration}<Relationships xmlns="${kPackageRelationships}">` +
      `<Relationship Id="rId1" Type="${kRelationships}/worksheet" Target="worksheets/sheet1.xml"/>` +
      `<Relationship Id="rId2" Type="${kRelationships}/styles" Target="styles.xml"/>` +
      `<Relationship Id="rId3" Type="${kRelationships}/sharedStrings" Target="sharedStrings.xml"/>` +
      '</Relationships>',
    'xl/styles.xml':
      `${kDeclaration}<styleSheet xmlns="${kSpreadsheetMl}">` +
      '<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>' +
      '<fills count="2"><fill><patternFill patternType="none"/></fill>' +
      '<fill><patternFill patternType="gray125"/></fill></fills>' +
      '<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>' +
      '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>' +
      '<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>' +
      '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>' +
      '</styleSheet>',
    'xl/sharedStrings.xml': strings,
    'xl/worksheets/sheet1.xml': sheet,
  };
  if (hasTable) {
    parts['xl/worksheets/_rels/sheet1.xml.rels'] =
      `${kDeclaration}<Relationships xmlns="${kPackageRelationships}">` +
      `<Relationship Id="rId1" Type="${kRelationships}/table" Target="../tables/table1.xml"/>` +
      '</Relationships>';
    parts['xl/tables/table1.xml'] = tablePart(cells);
  }
  const files: Record<string, Uint8Array> = {};
  for (const [name, part] of Object.entries(parts)) {
    files[name] = typeof part === 'string' ? strToU8(part) : part;
  }
  return new Promise((resolve, reject) => {
    try {
      zip(files, { level: 6 }, (error, bytes) => {
        if (!error) resolve(bytes);
        else resolve(zipSync(files, { level: 1 }));
      });
    } catch {
      try {
        resolve(zipSync(files, { level: 1 }));
      } catch (error: unknown) {
        reject(error instanceof Error ? error : new Error(String(error)));
      }
    }
  });
}
