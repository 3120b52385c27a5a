// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one workbook writer: puts the sheets the engine defines (their cells and
// types, widths and tables, all from the core) into the parts of an .xlsx file and zips
// them. It knows the file's format and nothing of what a sheet holds.
import { strToU8, zip, zipSync, type Zippable } from 'fflate';
import type { SheetCells, SheetFormat } from 'vantrel-engine';
import { joinBytes } from './bytes';
import { nextTask } from './next_task';

// A sheet to write: its format and its cells, slices of whole rows in order from the first.
export interface WorkbookSheet {
  format: SheetFormat;
  cells: readonly SheetCells[];
}

const kSpreadsheetMl = 'http://schemas.openxmlformats.org/spreadsheetml/2006/main';
const kRelationships = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships';
const kPackageRelationships = 'http://schemas.openxmlformats.org/package/2006/relationships';
const kContentType = 'application/vnd.openxmlformats-officedocument.spreadsheetml';
const kDeclaration = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n';

// A text as XML character data. The engine's texts are already as the file holds them;
// only XML's own characters are left.
function xmlText(text: string): string {
  // Most texts (digits, plain words) need nothing: one test instead of four replacements.
  if (!/[&<>"]/.test(text)) return text;
  return text
    .replace(/&/g, '&amp;')
    .replace(/</g, '&lt;')
    .replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;');
}

// The file's name of the cell in `row` and `col`, both from 0: "A1", "AA6".
function cellName(row: number, col: number): string {
  let letters = '';
  for (let number = col + 1; number > 0; number = Math.floor((number - 1) / 26)) {
    letters = String.fromCharCode(65 + ((number - 1) % 26)) + letters;
  }
  return `${letters}${String(row + 1)}`;
}

function relationships(links: [type: string, target: string][]): string {
  return (
    `${kDeclaration}<Relationships xmlns="${kPackageRelationships}">` +
    links
      .map(
        ([type, target], i) =>
          `<Relationship Id="rId${String(i + 1)}" Type="${kRelationships}/${type}" Target="${target}"/>`,
      )
      .join('') +
    '</Relationships>'
  );
}

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

// The workbook's shared texts: each distinct text once, cells by index.
class SharedTexts {
  readonly indices = new Map<string, number>();
  count = 0;

  indexOf(text: string): number {
    this.count += 1;
    let index = this.indices.get(text);
    if (index === undefined) {
      index = this.indices.size;
      this.indices.set(text, index);
    }
    return index;
  }

  async part(): Promise<Uint8Array> {
    const part = new ByteBlocks();
    part.add(
      `${kDeclaration}<sst xmlns="${kSpreadsheetMl}" count="${String(this.count)}" ` +
        `uniqueCount="${String(this.indices.size)}">`,
    );
    let written = 0;
    for (const text of this.indices.keys()) {
      if (written > 0 && written % kTextsPerTask === 0) {
        part.flush();
        await nextTask();
      }
      part.add(`<si><t xml:space="preserve">${xmlText(text)}</t></si>`);
      written += 1;
    }
    part.add('</sst>');
    return part.bytes();
  }
}

// The block a sheet's table covers.
function tableRange({ rows, columns }: SheetFormat): string {
  return `A1:${cellName(rows - 1, columns - 1)}`;
}

async function sheetPart(
  { format, cells }: WorkbookSheet,
  shared: SharedTexts,
): Promise<Uint8Array> {
  const part = new ByteBlocks();
  part.add(`${kDeclaration}<worksheet xmlns="${kSpreadsheetMl}" xmlns:r="${kRelationships}">`);
  if (format.columns) {
    part.add('<cols>');
    format.widths.forEach((width, c) => {
      const n = String(c + 1);
      part.add(`<col min="${n}" max="${n}" width="${String(width)}" customWidth="1"/>`);
    });
    part.add('</cols>');
  }
  part.add('<sheetData>');
  let row = 0;
  for (const { text, lengths, numbers } of cells) {
    let at = 0;
    for (let first = 0; first < lengths.length; first += format.columns, row += 1) {
      if (row > 0 && row % kRowsPerTask === 0) {
        part.flush();
        await nextTask();
      }
      const written: string[] = [];
      for (let col = 0; col < format.columns; col += 1) {
        const length = lengths[first + col] ?? 0;
        const value = text.slice(at, at + length);
        at += length;
        if (!value) continue; // blank cells are left out
        const name = cellName(row, col);
        written.push(
          numbers[first + col]
            ? `<c r="${name}"><v>${value}</v></c>`
            : `<c r="${name}" t="s"><v>${String(shared.indexOf(value))}</v></c>`,
        );
      }
      if (written.length) part.add(`<row r="${String(row + 1)}">${written.join('')}</row>`);
    }
  }
  part.add('</sheetData>');
  if (format.table) part.add('<tableParts count="1"><tablePart r:id="rId1"/></tableParts>');
  part.add('</worksheet>');
  // Joined into one block in a task of its own: at 100,000 organisms the sheet alone is
  // several megabytes to copy.
  await nextTask();
  return part.bytes();
}

// The table over a sheet's block, named by its header row or without one.
function tablePart(format: SheetFormat, id: number): string {
  const range = tableRange(format);
  const columns = format.columnNames
    .map((name, c) => `<tableColumn id="${String(c + 1)}" name="${xmlText(name)}"/>`)
    .join('');
  const name = `Table${String(id)}`;
  return (
    `${kDeclaration}<table xmlns="${kSpreadsheetMl}" id="${String(id)}" name="${name}" ` +
    `displayName="${name}" ref="${range}"${format.headerRow ? '' : ' headerRowCount="0"'} ` +
    `totalsRowShown="0">${format.headerRow ? `<autoFilter ref="${range}"/>` : ''}` +
    `<tableColumns count="${String(format.columnNames.length)}">${columns}</tableColumns>` +
    '<tableStyleInfo name="TableStyleMedium9" showFirstColumn="0" showLastColumn="0" ' +
    'showRowStripes="1" showColumnStripes="0"/></table>'
  );
}

const kStyles =
  `${kDeclaration}<styleSheet xmlns="${kSpreadsheetMl}">` +
  '<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>' +
  '<fills count="2"><fill><patternFill patternType="none"/></fill>' +
  '<fill><patternFill patternType="gray125"/></fill></fills>' +
  '<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>' +
  '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>' +
  '<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>' +
  '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>' +
  '</styleSheet>';

// The bytes of a workbook of `sheets`. The parts are compressed in workers, off the page's
// thread (a sheet of 100,000 rows takes seconds); where no worker can start, on the page's
// thread. Every part carries one fixed time, so that equal workbooks give equal files.
export async function workbookBytes(
  sheets: readonly WorkbookSheet[],
): Promise<Uint8Array<ArrayBuffer>> {
  const shared = new SharedTexts();
  const parts: Record<string, string | Uint8Array> = {};
  const overrides: [string, string][] = [
    ['/xl/workbook.xml', 'sheet.main'],
    ['/xl/styles.xml', 'styles'],
    ['/xl/sharedStrings.xml', 'sharedStrings'],
  ];
  let tables = 0;
  for (const [i, sheet] of sheets.entries()) {
    const n = String(i + 1);
    parts[`xl/worksheets/sheet${n}.xml`] = await sheetPart(sheet, shared);
    overrides.push([`/xl/worksheets/sheet${n}.xml`, 'worksheet']);
    if (sheet.format.table) {
      tables += 1;
      const t = String(tables);
      parts[`xl/worksheets/_rels/sheet${n}.xml.rels`] = relationships([
        ['table', `../tables/table${t}.xml`],
      ]);
      parts[`xl/tables/table${t}.xml`] = tablePart(sheet.format, tables);
      overrides.push([`/xl/tables/table${t}.xml`, 'table']);
    }
  }
  parts['xl/sharedStrings.xml'] = await shared.part();
  parts['xl/styles.xml'] = kStyles;
  parts['[Content_Types].xml'] =
    `${kDeclaration}<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">` +
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>' +
    '<Default Extension="xml" ContentType="application/xml"/>' +
    overrides
      .map(
        ([part, type]) =>
          `<Override PartName="${part}" ContentType="${kContentType}.${type}+xml"/>`,
      )
      .join('') +
    '</Types>';
  parts['_rels/.rels'] = relationships([['officeDocument', 'xl/workbook.xml']]);
  parts['xl/workbook.xml'] =
    `${kDeclaration}<workbook xmlns="${kSpreadsheetMl}" xmlns:r="${kRelationships}"><sheets>` +
    sheets
      .map(
        ({ format }, i) =>
          `<sheet name="${xmlText(format.name)}" sheetId="${String(i + 1)}" r:id="rId${String(i + 1)}"/>`,
      )
      .join('') +
    '</sheets></workbook>';
  parts['xl/_rels/workbook.xml.rels'] = relationships([
    ...sheets.map((_, i): [string, string] => [
      'worksheet',
      `worksheets/sheet${String(i + 1)}.xml`,
    ]),
    ['styles', 'styles.xml'],
    ['sharedStrings', 'sharedStrings.xml'],
  ]);
  // The content types first, where readers look for them.
  const files: Zippable = { '[Content_Types].xml': new Uint8Array() };
  for (const [name, part] of Object.entries(parts)) {
    files[name] = typeof part === 'string' ? strToU8(part) : part;
  }
  const options = { level: 6, mtime: new Date(1980, 0, 1) } as const;
  const onThread = () => zipSync(files, { ...options, level: 1 }) as Uint8Array<ArrayBuffer>;
  return new Promise((resolve, reject) => {
    try {
      zip(files, options, (error, bytes) => {
        resolve(error ? onThread() : (bytes as Uint8Array<ArrayBuffer>));
      });
    } catch {
      try {
        resolve(onThread());
      } catch (error: unknown) {
        reject(error instanceof Error ? error : new Error(String(error)));
      }
    }
  });
}
