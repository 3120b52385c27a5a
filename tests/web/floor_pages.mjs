// SPDX-License-Identifier: GPL-3.0-or-later
// For measure_steps.mjs, the pages its shot is measured against, each timed by the page's
// own step_timing.ts. The floor page does next to nothing at a key: new pixels in a
// 350 x 350 canvas, a new number in a paragraph. The content floor page draws at each key
// what a shot at 1,000 organisms shows with the table and the population view, and nothing
// more. No engine, no names for screen readers, no selection to follow: eleven new rows of
// five cells in a table styled as the page's, scrolled elsewhere; twenty pictures (made in
// advance) with their borders and forty captions on a canvas the population view's size,
// scrolled elsewhere; new pixels in the organism's 350 x 350 canvas and a new health. What
// the browser takes for that much drawing is the least any page showing a shot can take on
// this machine.
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pageScript } from './page_source.mjs';

const kFloorPage = `<!doctype html><html lang="en"><meta charset="utf-8"><title>Floor</title>
<canvas width="350" height="350"></canvas><p></p>
<script type="module">
import { timeStep } from './step_timing.js';
const canvas = document.querySelector('canvas');
const context = canvas.getContext('2d');
const pixels = context.createImageData(350, 350);
const text = document.querySelector('p');
let steps = 0;
document.addEventListener('keydown', (event) =>
  timeStep(event.timeStamp, () => {
    steps += 1;
    pixels.data.fill(steps % 256);
    context.putImageData(pixels, 0, 0);
    text.textContent = String(steps);
  }),
);
</script>`;

const kContentFloorPage = `<!doctype html><html lang="en"><meta charset="utf-8"><title>Content floor</title>
<style>
body { font: 16px system-ui, sans-serif; margin: 12px; }
.views { display: flex; gap: 14px; align-items: flex-start; }
.grid { height: 264px; width: 420px; overflow: auto; border: 1px solid #888;
  font-variant-numeric: tabular-nums; font-size: 0.9rem; contain: strict; }
.body { position: relative; height: 24000px; }
.row { position: absolute; left: 0; right: 0; height: 24px; line-height: 24px;
  contain: strict; display: grid; grid-template-columns: 3.5em 3.5em 3.5em 9em 5em; }
.row > * { padding: 0 0.4em; text-align: right; white-space: nowrap; overflow: hidden;
  text-overflow: ellipsis; }
.row.selected { background: #cde; }
.population { width: 450px; height: 660px; overflow-y: auto; border: 1px solid #888;
  contain: strict; }
.population > div { position: relative; height: 32000px; }
.population canvas { position: sticky; top: 0; display: block; }
</style>
<div class="views">
  <div><canvas width="350" height="350"></canvas><p></p></div>
  <div class="grid"><div class="body"></div></div>
  <div class="population"><div><canvas width="450" height="660"></canvas></div></div>
</div>
<script type="module">
import { timeStep } from './step_timing.js';
const [organism, pictures] = [...document.querySelectorAll('canvas')].map((canvas) =>
  canvas.getContext('2d'),
);
const pixels = organism.createImageData(350, 350);
const health = document.querySelector('p');
const grid = document.querySelector('.grid');
const population = document.querySelector('.population');
const rows = Array.from({ length: 11 }, () => {
  const row = document.createElement('div');
  row.className = 'row';
  const cells = Array.from({ length: 5 }, () => row.appendChild(document.createElement('div')));
  grid.firstElementChild.append(row);
  return { row, cells };
});
const bitmaps = Array.from({ length: 200 }, (_, i) => {
  const canvas = new OffscreenCanvas(96, 96);
  const context = canvas.getContext('2d');
  context.strokeStyle = \`hsl(\${(i * 37) % 360} 60% 40%)\`;
  context.lineWidth = 2;
  context.beginPath();
  context.arc(48, 48, 10 + (i % 30), 0, 2 * Math.PI);
  context.stroke();
  return canvas.transferToImageBitmap();
});
const dna = () => Array.from({ length: 13 }, () => Math.floor(Math.random() * 10)).join('');
let steps = 0;
function step() {
  steps += 1;
  pixels.data.fill(steps % 256);
  organism.putImageData(pixels, 0, 0);
  health.textContent = String(steps % 5);
  const first = 1 + Math.floor(Math.random() * 980);
  rows.forEach(({ row, cells }, i) => {
    row.classList.toggle('selected', i === 0);
    row.style.top = \`\${(first + i - 1) * 24}px\`;
    [first + i, 0, 0, dna(), steps % 7].forEach((text, col) => {
      cells[col].textContent = String(text);
    });
  });
  pictures.clearRect(0, 0, 450, 660);
  pictures.font = '12px system-ui, sans-serif';
  pictures.strokeStyle = '#888';
  const at = (i) => [16 + (i % 4) * 108, 8 + Math.floor(i / 4) * 126];
  for (let i = 0; i < 20; i += 1) {
    const [x, y] = at(i);
    pictures.drawImage(bitmaps[(steps * 7 + i) % bitmaps.length], x, y);
    pictures.strokeRect(x + 0.5, y + 0.5, 95, 95);
  }
  for (const [align, colour, text] of [['left', '#000', (i) => String(first + i)], ['right', '#555', () => \`\\u2665 \${steps % 4}\`]]) {
    pictures.textAlign = align;
    pictures.fillStyle = colour;
    for (let i = 0; i < 20; i += 1) {
      const [x, y] = at(i);
      pictures.fillText(text(i), align === 'left' ? x + 3 : x + 93, y + 110);
    }
  }
  requestAnimationFrame(() => {
    grid.scrollTop = (first - 1) * 24;
    population.scrollTop = Math.floor(Math.random() * 240) * 126;
  });
}
document.addEventListener('keydown', (event) => timeStep(event.timeStamp, step));
</script>`;

// A new folder holding `page` as its index.html beside step_timing.js.
function writeTimedPage(page) {
  const folder = mkdtempSync(path.join(tmpdir(), 'step-floor-'));
  writeFileSync(path.join(folder, 'step_timing.js'), pageScript('step_timing.ts'));
  writeFileSync(path.join(folder, 'index.html'), page);
  return folder;
}

export const writeFloorPage = () => writeTimedPage(kFloorPage);
export const writeContentFloorPage = () => writeTimedPage(kContentFloorPage);
