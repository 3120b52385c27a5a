// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures as files: an organism copied to the clipboard as a PNG, or saved as PNG or SVG,
// and the population saved as one picture (the contact sheet), each drawn by the engine
// and downloaded under the name the desktop offers. Copied and saved pictures are the big
// drawing's size, 350 pixels square, whatever the screen's pixel density.
import { download } from './download';
import type { ContactSheet, Engine, VantrelEngineModule } from 'vantrel-engine';
import { dialogButton, showDialog, showMessage } from './dialog';
import { kPictureSize } from './picture';
import { texts } from './texts';

export type PictureFormat = 'png' | 'svg';

// A canvas holding `rgba`, width x height pixels.
function canvasOf(rgba: Uint8Array, width: number, height: number): HTMLCanvasElement {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  canvas
    .getContext('2d')
    ?.putImageData(
      new ImageData(new Uint8ClampedArray(rgba.buffer as ArrayBuffer), width, height),
      0,
      0,
    );
  return canvas;
}

function pngOf(canvas: HTMLCanvasElement): Promise<Blob> {
  return new Promise((resolve, reject) => {
    canvas.toBlob(
      (blob) => (blob ? resolve(blob) : reject(new Error(texts.pictures.noPng))),
      'image/png',
    );
  });
}

// The organism's picture as the desktop copies and saves it.
function organismCanvas(engine: Engine, dna: string): HTMLCanvasElement {
  const side = kPictureSize;
  return canvasOf(engine.pictureRgba(dna, side, 1), side, side);
}

// The sheet's pixels with each ID written centred in its box below its picture.
export function sheetCanvas(sheet: ContactSheet): HTMLCanvasElement {
  const canvas = canvasOf(sheet.rgba, sheet.width, sheet.height);
  const context = canvas.getContext('2d');
  if (!context) return canvas;
  context.font = `${String(sheet.fontSize)}px sans-serif`;
  context.fillStyle = sheet.textColour;
  context.textAlign = 'center';
  context.textBaseline = 'middle';
  for (const label of sheet.labels) {
    context.save();
    context.beginPath();
    context.rect(label.left, label.top, label.width, label.height);
    context.clip();
    context.fillText(label.id, label.left + label.width / 2, label.top + label.height / 2);
    context.restore();
  }
  return canvas;
}

// "organism-12.png" as "organism-12.svg" for SVG.
function named(name: string, format: PictureFormat): string {
  return format === 'svg' ? name.replace(/\.png$/, '.svg') : name;
}

// Asks PNG or SVG in a small dialog titled `title`, each described as `descriptions` say
// (PNG's, then SVG's) with the name of the file it would be saved as; resolves with the
// choice, or undefined when the user cancels.
export function askFormat(
  title: string,
  name: string,
  descriptions: string[],
): Promise<PictureFormat | undefined> {
  const body = document.createElement('fieldset');
  body.className = 'picture-format';
  const legend = document.createElement('legend');
  legend.textContent = texts.pictures.format;
  body.append(legend);
  const group = `format-${String(Date.now())}`;
  const radios = (['png', 'svg'] as const).map((format, i) => {
    const radio = document.createElement('input');
    radio.type = 'radio';
    radio.name = group;
    radio.value = format;
    radio.checked = format === 'png';
    const label = document.createElement('label');
    label.append(radio, ` ${descriptions[i] ?? format} `);
    const file = document.createElement('span');
    file.className = 'file-name';
    file.textContent = named(name, format);
    label.append(file);
    body.append(label);
    return radio;
  });
  const save = dialogButton(texts.pictures.save);
  const cancel = dialogButton(texts.pictures.cancel);
  let chosen: PictureFormat | undefined;
  // Before the dialog's own handler, which closes it.
  save.addEventListener('click', () => {
    chosen = radios.find((radio) => radio.checked)?.value as PictureFormat;
  });
  body.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    save.click();
  });
  const first = radios[0] ?? save;
  return showDialog(title, body, [save, cancel], first).then(() => chosen);
}

// Puts the organism's picture on the clipboard as a PNG image; a refusal is told.
export async function copyPicture(engine: Engine, dna: string): Promise<void> {
  const png = pngOf(organismCanvas(engine, dna));
  try {
    // The item takes the promise, so the clipboard is written within the user's click.
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
  } catch (error) {
    await showMessage(`${texts.pictures.copyFailed} ${String(error)}`, true);
  }
}

// Saves the organism `dna` (ID `id`) as PNG or SVG, as the user chooses.
export async function savePicture(
  vantrel: VantrelEngineModule,
  engine: Engine,
  dna: string,
  id: string,
): Promise<void> {
  const name = vantrel.pictureFileName(id);
  const format = await askFormat(texts.pictures.saveTitle, name, vantrel.pictureFormats());
  if (!format) return;
  if (format === 'svg') {
    download(new Blob([vantrel.organismSvg(dna)], { type: 'image/svg+xml' }), named(name, format));
  } else {
    download(await pngOf(organismCanvas(engine, dna)), name);
  }
}

// Saves the first organisms of the table as one picture, PNG or SVG as the user chooses,
// and tells when the table holds more than one picture shows.
export async function saveAllPictures(vantrel: VantrelEngineModule, engine: Engine): Promise<void> {
  const name = texts.pictures.sheetName;
  const format = await askFormat(texts.pictures.saveAllTitle, name, vantrel.pictureFormats());
  if (!format) return;
  const total = engine.rowCount();
  const shown = Math.min(total, vantrel.contactSheetLimit());
  const organisms = shown > 0 ? engine.rows(1, shown).map(({ id, dna }) => ({ id, dna })) : [];
  if (format === 'svg') {
    download(
      new Blob([vantrel.contactSheetSvg(organisms)], { type: 'image/svg+xml' }),
      named(name, format),
    );
  } else {
    download(await pngOf(sheetCanvas(vantrel.contactSheet(organisms))), name);
  }
  const note = vantrel.contactSheetNote(shown, total);
  if (note) await showMessage(note);
}
