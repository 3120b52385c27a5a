// SPDX-License-Identifier: GPL-3.0-or-later
// The run table as a workbook of its own, as the desktop's "To spreadsheet" writes it: one
// sheet named "Runs", every cell text, the whole block a table with filter buttons under
// the default table style, each column as wide as its longest text plus room for the
// button (9 to 80 characters). The file is a ZIP of stored (uncompressed) parts: the table
// is small.
import { strToU8, zipSync, type Zippable } from 'fflate';

const kMinColumnWidth = 9;
const kMaxColumnWidth = 80;
const kFilterButtonWidth = 3;
export const kSheetName = 'Runs';

// The files as one ZIP archive, each stored as it is, all with one fixed time (1980-01-01)
// so that equal tables give equal files.
function storedZip(files: [string, string][]): Uint8Array<ArrayBuffer> {
  const entries: Zippable = {};
  for (const [name, text] of files) entries[name] = strToU8(text);
  return zipSync(entries, { level: 0, mtime: new Date(1980, 0, 1) }) as Uint8Array<ArrayBuffer>;
}

function xml(text: string): string {
  return text
    .replace(/&/g, '&amp;')
    .replace(/</g, '&lt;')
    .replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;')
    .replace(/[\u0000-\u0008\u000b\u000c\u000e-\u001f]/g, '');
}

// "A", "B", … "Z", "AA", … for column `index` from 0.
export function columnName(index: number): string {
  let name = '';
  for (let n = index + 1; n > 0; n = Math.floor((n - 1) / 26)) {
    name = String.fromCharCode(65 + ((n - 1) % 26)) + name;
  }
  return name;
}

const kHead = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n';
const kMain = 'http://schemas.openxmlformats.org/spreadsheetml/2006/main';
const kRel = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships';
const kPackageRel = 'http://schemas.openxmlformats.org/package/2006/relationships';
const kType = 'application/vnd.openxmlformats-officedocument.spreadsheetml';

function relationships(type: string, target: string): string {
  return `${kHead}<Relationships xmlns="${kPackageRel}"><Relationship Id="rId1" Type="${kRel}/${type}" Target="${target}"/></Relationships>`;
}

// The workbook of `rows` (the first the column names), its bytes.
export function runsWorkbook(rows: string[][]): Uint8Array<ArrayBuffer> {
  const columns = rows[0]?.length ?? 0;
  const last = `${columnName(Math.max(0, columns - 1))}${String(Math.max(1, rows.length))}`;
  const withTable = rows.length >= 2 && columns > 0;
  const widths = Array.from({ length: columns }, (_, col) => {
    const longest = Math.max(0, ...rows.map((row) => row[col]?.length ?? 0));
    return Math.min(kMaxColumnWidth, Math.max(kMinColumnWidth, longest + kFilterButtonWidth));
  });
  const sheetData = rows
    .map((row, r) => {
      const cells = row
        .map((text, c) =>
          text
            ? `<c r="${columnName(c)}${String(r + 1)}" t="inlineStr"><is><t xml:space="preserve">${xml(text)}</t></is></c>`
            : '',
        )
        .join('');
      return `<row r="${String(r + 1)}">${cells}</row>`;
    })
    .join('');
  const cols = widths
    .map(
      (width, c) =>
        `<col min="${String(c + 1)}" max="${String(c + 1)}" width="${String(width)}" customWidth="1"/>`,
    )
    .join('');
  const sheet = `${kHead}<worksheet xmlns="${kMain}" xmlns:r="${kRel}">${cols ? `<cols>${cols}</cols>` : ''}<sheetData>${sheetData}</sheetData>${withTable ? '<tableParts count="1"><tablePart r:id="rId1"/></tableParts>' : ''}</worksheet>`;
  const tableColumns = (rows[0] ?? [])
    .map((name, c) => `<tableColumn id="${String(c + 1)}" name="${xml(name)}"/>`)
    .join('');
  const table = `${kHead}<table xmlns="${kMain}" id="1" name="Table1" displayName="Table1" ref="A1:${last}" totalsRowShown="0"><autoFilter ref="A1:${last}"/><tableColumns count="${String(columns)}">${tableColumns}</tableColumns><tableStyleInfo name="TableStyleMedium9" showFirstColumn="0" showLastColumn="0" showRowStripes="1" showColumnStripes="0"/></table>`;
  const overrides = [
    ['/xl/workbook.xml', `${kType}.sheet.main+xml`],
    ['/xl/worksheets/sheet1.xml', `${kType}.worksheet+xml`],
    ...(withTable ? [['/xl/tables/table1.xml', `${kType}.table+xml`]] : []),
  ]
    .map(([part, type]) => `<Override PartName="${part ?? ''}" ContentType="${type ?? ''}"/>`)
    .join('');
  const files: [string, string][] = [
    [
      '[Content_Types].xml',
      `${kHead}<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/>${overrides}</Types>`,
    ],
    ['_rels/.rels', relationships('officeDocument', 'xl/workbook.xml')],
    [
      'xl/workbook.xml',
      `${kHead}<workbook xmlns="${kMain}" xmlns:r="${kRel}"><sheets><sheet name="${xml(kSheetName)}" sheetId="1" r:id="rId1"/></sheets></workbook>`,
    ],
    ['xl/_rels/workbook.xml.rels', relationships('worksheet', 'worksheets/sheet1.xml')],
    ['xl/worksheets/sheet1.xml', sheet],
  ];
  if (withTable) {
    files.push(
      ['xl/worksheets/_rels/sheet1.xml.rels', relationships('table', '../tables/table1.xml')],
      ['xl/tables/table1.xml', table],
    );
  }
  return storedZip(files);
}
