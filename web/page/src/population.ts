// SPDX-License-Identifier: GPL-3.0-or-later
// The population view: every organism's picture with its ID and survival under it, the
// selected one framed. One canvas the size of the view draws only the cells in sight,
// captions included, and transparent options over them carry each organism's text
// alternative and take clicks and taps: 100,000 organisms scroll as lightly as ten. On
// request each picture carries its organism's chance of being kept, as the learner sees
// it, in its corner and in its option's name.
// The engine decides the selection; the view shows what it says.
import { closePanel, openPanel } from './panels';
import type {
  Engine,
  GalleryGeometry,
  GalleryShape,
  TableRow,
  VantrelEngineModule,
} from 'vantrel-engine';
import { CaptionWriter, kFont as kCaptionFont } from './captions';
import { onMenuRequest } from './context_menu';
import { kIdleBudget, whenIdle } from './idle';
import { paintInvisibleHint } from './invisible_hint';
import type { Keymap } from './keymap';
import { type PictureMaker, ThumbnailCache } from './thumbnails';
import { trN } from './catalogue';
import { texts } from './texts';
import { showFirst, Written } from './written';

const kLabelHeight = 18; // the caption's line
const kFrameWidth = 3;
const kZoomStep = 8; // pixels per wheel notch
const kWheelNotch = 100; // Chromium's pixels of wheel delta per notch
// A step, a scroll or opening the view shows at once what is drawn already, new pictures
// as blank cells; the engine draws those when the page is idle (idle.ts).
const kColors = {
  waiting: '#eee',
  frame: '#0b57d0',
  border: '#888',
};

// What the view asks of the module: the desktop gallery's sizes and cell arithmetic, and
// the pictures' side in device pixels.
export type GalleryCalls = Pick<
  VantrelEngineModule,
  'gallery' | 'galleryShape' | 'galleryCell' | 'galleryStep' | 'galleryCells' | 'pictureSide'
>;

// Numbers per picture in galleryCells' boxes, and where its cell, picture and label start.
const kBoxNumbers = 12;
const kCellAt = 0;
const kPictureAt = 4;
const kLabelAt = 8;

// Places an element on the box at `at` in `boxes` (left, top, width, height), `above`
// pixels higher.
function place(element: Written, boxes: Int32Array, at: number, above: number): void {
  const values = [boxes[at], (boxes[at + 1] ?? 0) - above, boxes[at + 2], boxes[at + 3]];
  (['left', 'top', 'width', 'height'] as const).forEach((name, i) => {
    element.style(name, `${String(values[i] ?? 0)}px`);
  });
}

// A picture in the view: a bitmap, with the hint already written on it when its pen is
// invisible, or without OffscreenCanvas (Safari before 16.4) the pixels themselves.
type ViewPicture = ImageBitmap | ImageData;

// Copying a bitmap onto the canvas costs a fraction of putImageData, and the hint's text
// is laid out once for each picture instead of at every drawing.
function bitmapMaker(penInvisible: (dna: string) => boolean): PictureMaker<ViewPicture> {
  let canvas: OffscreenCanvas | undefined;
  return (pixels, dna, size, ratio) => {
    if (typeof OffscreenCanvas === 'undefined') return pixels;
    canvas ??= new OffscreenCanvas(pixels.width, pixels.height);
    if (canvas.width !== pixels.width) canvas.width = pixels.width;
    if (canvas.height !== pixels.height) canvas.height = pixels.height;
    const context = canvas.getContext('2d');
    if (!context) return pixels;
    context.putImageData(pixels, 0, 0);
    if (penInvisible(dna)) {
      context.setTransform(ratio, 0, 0, ratio, 0, 0);
      paintInvisibleHint(context, 0, 0, size, size);
      context.setTransform(1, 0, 0, 1, 0, 0);
    }
    return canvas.transferToImageBitmap();
  };
}

// A chance of being kept in the top left corner of a picture at (left, top), `size` wide:
// dark text on a light plate, cut to the picture.
function paintChance(
  context: CanvasRenderingContext2D,
  text: string,
  left: number,
  top: number,
  size: number,
): void {
  if (context.font !== kCaptionFont) context.font = kCaptionFont;
  context.textAlign = 'left';
  context.textBaseline = 'middle';
  const width = Math.min(size - 4, context.measureText(text).width + 6);
  context.fillStyle = 'rgba(255, 255, 255, 0.9)';
  context.fillRect(left + 2, top + 2, width, 16);
  context.fillStyle = '#000';
  context.save();
  context.beginPath();
  context.rect(left + 2, top + 2, width, 16);
  context.clip();
  context.fillText(text, left + 5, top + 10);
  context.restore();
}

function setIfChanged(element: HTMLElement, name: string, value: string): void {
  if (element.getAttribute(name) !== value) element.setAttribute(name, value);
}

function setText(element: Element | undefined, text: string): void {
  if (element && element.textContent !== text) element.textContent = text;
}

export class PopulationView {
  readonly element: HTMLElement;
  private readonly scroller: HTMLDivElement;
  private readonly content: HTMLDivElement;
  private readonly canvas: HTMLCanvasElement;
  // The options' layer, placed at the top of the first row in sight; each option is placed
  // within it, so a jump to other rows moves the layer alone and the options stay put.
  private readonly options: Written<HTMLDivElement>;
  private captions: CaptionWriter | undefined;
  private readonly slider: HTMLInputElement;
  private readonly sizeText: HTMLOutputElement;
  private readonly countText: HTMLSpanElement;
  private countShown = -1; // the count countText words
  private readonly hint: HTMLParagraphElement;
  private readonly cache: ThumbnailCache<ViewPicture>;
  // The option elements in sight, kept from one drawing to the next, and the row each
  // option's name was last read for.
  private readonly optionPool: Written<HTMLDivElement>[] = [];
  private readonly namedFor: string[] = [];
  // The row and contents each option stands for since the last drawing.
  private readonly holds: { row: number; key: string; chance: string }[] = [];
  private pendingNames = false;
  private geometry: GalleryGeometry;
  private shape: GalleryShape;
  private size: number;
  private pending = 0; // the animation frame that will draw, if one is asked for
  private pendingScroll = 0; // the animation frame that will scroll, if one is asked for
  private pendingRaster = false; // new pictures are asked for when the page is idle
  private waiting: string[] = []; // DNA of the pictures in sight not drawn yet
  private zoomCarry = 0; // wheel movement short of a whole pixel
  private readonly touches = new Map<number, { x: number; y: number }>();
  private pinch: { distance: number; size: number } | undefined;
  // The scroller's size and scroll position as last seen: kept so that a step never has
  // to ask the browser for its layout after the page has written to it.
  private width = 0;
  private height = 0;
  private scrollTop = 0;
  private drawnWidth = 0;
  private drawnHeight = 0;
  // The picture menu for organism `row` at (x, y), and whether a DNA draws with the
  // invisible pen (its picture then says so); set by the page.
  pictureMenu: (row: number, x: number, y: number) => void = () => undefined;
  penInvisible: (dna: string) => boolean = () => false;
  // Organism `row`'s chance of being kept in words, "" while the chances are not shown.
  chanceText: (row: number) => string = () => '';

  constructor(
    private readonly engine: Engine,
    private readonly calls: GalleryCalls,
    private readonly onSelect: (row: number) => void,
  ) {
    const gallery = calls.gallery();
    this.cache = new ThumbnailCache(
      engine,
      undefined,
      bitmapMaker((dna) => this.penInvisible(dna)),
    );
    this.size = gallery.defaultPictureSize;
    this.geometry = this.makeGeometry();
    this.shape = calls.galleryShape(this.geometry);

    this.element = document.createElement('section');
    this.element.className = 'population';
    this.element.hidden = true;
    const heading = document.createElement('h2');
    heading.id = 'population-title';
    heading.textContent = texts.population.title;
    this.element.setAttribute('aria-labelledby', heading.id);

    this.slider = document.createElement('input');
    this.slider.type = 'range';
    this.slider.min = String(gallery.minPictureSize);
    this.slider.max = String(gallery.maxPictureSize);
    this.slider.value = String(this.size);
    this.slider.title = texts.population.size.tooltip;
    this.slider.addEventListener('input', () => this.setSize(Number(this.slider.value)));
    const sizeLabel = document.createElement('label');
    sizeLabel.append(`${texts.population.size.label} `, this.slider);
    this.sizeText = document.createElement('output');
    this.countText = document.createElement('span');
    const close = document.createElement('button');
    close.type = 'button';
    close.textContent = texts.population.close;
    close.setAttribute('aria-keyshortcuts', 'Escape');
    close.addEventListener('click', () => this.close());
    const bar = document.createElement('div');
    bar.className = 'population-bar';
    bar.append(sizeLabel, this.sizeText, this.countText, close);

    this.canvas = document.createElement('canvas');
    this.canvas.className = 'population-canvas';
    this.canvas.setAttribute('aria-hidden', 'true');
    this.options = new Written(document.createElement('div'));
    this.options.className('population-options');
    this.content = document.createElement('div');
    this.content.className = 'population-content';
    // The canvas, captions included, is hidden from assistive technology: each option's
    // name is the whole tooltip.
    this.content.append(this.canvas, this.options.element);
    this.scroller = document.createElement('div');
    this.scroller.className = 'population-scroller';
    this.scroller.setAttribute('role', 'listbox');
    this.scroller.setAttribute('aria-label', texts.population.pictures);
    this.scroller.tabIndex = 0;
    this.scroller.append(this.content);
    this.hint = document.createElement('p');
    this.hint.textContent = gallery.emptyHint;
    this.element.append(heading, bar, this.hint, this.scroller);

    // The view's own scrolling has been drawn already, and waits for its frame to happen.
    this.scroller.addEventListener('scroll', () => {
      if (this.pendingScroll || this.scroller.scrollTop === this.scrollTop) return;
      this.scrollTop = this.scroller.scrollTop;
      this.drawSoon();
    });
    this.scroller.addEventListener('click', (event) => {
      const option = (event.target as HTMLElement).closest('[data-row]');
      if (option instanceof HTMLElement) this.onSelect(Number(option.dataset.row));
    });
    this.scroller.addEventListener('keydown', (event) => this.arrowKey(event));
    // A picture's menu: over the picture pressed, or by key for the selected one.
    onMenuRequest(this.scroller, (at) => {
      const option = at.target.closest('[data-row]');
      const row = option instanceof HTMLElement ? Number(option.dataset.row) : 0;
      if (!at.byKeyboard) {
        if (row > 0) this.pictureMenu(row, at.x, at.y);
        return;
      }
      const selected = this.engine.selectedRow();
      const box = document.getElementById(`picture-${String(selected)}`)?.getBoundingClientRect();
      if (selected > 0 && box)
        this.pictureMenu(selected, box.left + box.width / 2, box.top + box.height / 2);
    });
    this.scroller.addEventListener('wheel', (event) => this.wheel(event), { passive: false });
    this.scroller.addEventListener('pointerdown', (event) => this.touch(event));
    this.scroller.addEventListener('pointermove', (event) => this.touch(event));
    for (const type of ['pointerup', 'pointercancel'] as const)
      this.scroller.addEventListener(type, (event) => {
        this.touches.delete(event.pointerId);
        this.pinch = undefined;
      });
    // Laid out again only when the size differs from the one last drawn at (opening the
    // view reports its size once more).
    new ResizeObserver(() => {
      this.measure();
      if (this.isOpen && (this.width !== this.drawnWidth || this.height !== this.drawnHeight))
        this.update();
    }).observe(this.scroller);
  }

  get isOpen(): boolean {
    return !this.element.hidden;
  }

  get pictureSize(): number {
    return this.size;
  }

  open(): void {
    openPanel(this, () => {
      // Once, on opening: the view has had no size while hidden.
      this.measure();
      this.update();
    });
    this.scroller.focus();
  }

  close(): void {
    closePanel(this);
  }

  // Shows the engine's table and selection, the selected picture scrolled into view.
  update(): void {
    if (!this.isOpen) return;
    this.geometry = this.makeGeometry();
    this.shape = this.calls.galleryShape(this.geometry);
    const contentHeight = `${String(this.shape.contentHeight)}px`;
    if (this.content.style.height !== contentHeight) this.content.style.height = contentHeight;
    // A shorter content leaves the browser scrolled no further than its end.
    this.scrollTop = Math.min(this.scrollTop, this.lastScrollTop());
    const count = this.geometry.count;
    this.hint.hidden = count > 0;
    setText(this.sizeText, `${String(this.size)} px`);
    // Worded again only for a new count: a step keeps it.
    if (count !== this.countShown) {
      this.countShown = count;
      setText(this.countText, trN('%n organism', '%n organisms', count));
    }
    this.showSelection();
    this.draw();
  }

  // The picture size within the desktop's limits; the selection stays in view.
  setSize(size: number): void {
    const gallery = this.calls.gallery();
    const kept = Math.min(
      Math.max(Math.round(size), gallery.minPictureSize),
      gallery.maxPictureSize,
    );
    this.slider.value = String(kept);
    if (kept === this.size || Number.isNaN(kept)) return;
    this.size = kept;
    this.update();
  }

  private measure(): void {
    this.width = this.scroller.clientWidth;
    this.height = this.scroller.clientHeight;
    this.scrollTop = this.scroller.scrollTop;
  }

  private makeGeometry(): GalleryGeometry {
    return {
      count: this.engine.rowCount(),
      pictureSize: this.size,
      labelHeight: kLabelHeight,
      width: this.width,
    };
  }

  private lastScrollTop(): number {
    return Math.max(0, this.shape.contentHeight - this.height);
  }

  // Scrolls in the next frame, just before the browser lays the page out for it: a scroll
  // now would have it lay the page out at once, and again for the frame.
  private scrollTo(top: number): void {
    this.scrollTop = Math.min(top, this.lastScrollTop());
    this.pendingScroll ||= requestAnimationFrame(() => {
      this.pendingScroll = 0;
      this.scroller.scrollTop = this.scrollTop;
    });
  }

  private showSelection(): void {
    const selected = this.engine.selectedRow();
    if (selected < 1 || selected > this.geometry.count) return;
    const cell = this.calls.galleryCell(this.geometry, selected - 1);
    if (cell.top < this.scrollTop) this.scrollTo(cell.top);
    else if (cell.top + cell.height > this.scrollTop + this.height)
      this.scrollTo(cell.top + cell.height - this.height);
  }

  private drawSoon(): void {
    if (this.pending) return;
    this.pending = requestAnimationFrame(() => {
      this.pending = 0;
      this.draw();
    });
  }

  // Has the engine draw the pictures in sight that are not kept yet when the page is idle
  // (after the frame that shows a step or a scroll), for up to kIdleBudget milliseconds
  // at a time, and paints them in the next frame.
  private rasterLater(): void {
    if (this.pendingRaster) return;
    this.pendingRaster = true;
    whenIdle((budget) => {
      this.pendingRaster = false;
      if (!this.isOpen) return;
      const ratio = window.devicePixelRatio || 1;
      const side = this.calls.pictureSide(this.size, ratio);
      const deadline = performance.now() + Math.max(1, Math.min(kIdleBudget, budget));
      for (const dna of this.waiting) {
        if (performance.now() >= deadline) break;
        this.cache.get(dna, this.size, ratio, side);
      }
      this.drawSoon();
    });
  }

  // Draws the cells in sight, and puts an option over each.
  private draw(): void {
    const width = (this.drawnWidth = this.width);
    const height = (this.drawnHeight = this.height);
    const ratio = window.devicePixelRatio || 1;
    const top = this.scrollTop;
    // Setting a canvas's size, even to the same value, clears and reallocates it.
    const [canvasWidth, canvasHeight] = [Math.round(width * ratio), Math.round(height * ratio)];
    if (this.canvas.width !== canvasWidth || this.canvas.height !== canvasHeight) {
      this.canvas.style.width = `${String(width)}px`;
      this.canvas.style.height = `${String(height)}px`;
      this.canvas.width = canvasWidth;
      this.canvas.height = canvasHeight;
    }
    const context = this.canvas.getContext('2d');
    const { first, end, boxes } = this.calls.galleryCells(this.geometry, top, top + height);
    const rows = end > first ? this.engine.rows(first + 1, end - first) : [];
    const selected = this.engine.selectedRow();
    // Each picture's chance of being kept, asked of the engine once a drawing: the picture,
    // its option's key and its name all show it.
    const chances = rows.map((_, i) => this.chanceText(first + i + 1));
    const side = this.calls.pictureSide(this.size, ratio);
    const waiting: string[] = [];
    let painted = 0;
    if (context) {
      context.setTransform(1, 0, 0, 1, 0, 0);
      context.clearRect(0, 0, canvasWidth, canvasHeight);
      context.setTransform(ratio, 0, 0, ratio, 0, 0);
    }
    while (this.optionPool.length < rows.length) {
      const option = document.createElement('div');
      option.setAttribute('role', 'option');
      this.optionPool.push(new Written(option));
    }
    showFirst(this.options.element, rows.length, (index) => this.optionPool[index]?.element);
    if (context) {
      this.captions ??= new CaptionWriter(context);
      painted = this.drawPictures(context, rows, chances, first, boxes, selected, side, waiting);
      // The captions after all the pictures, so that the canvas's text state is set a few
      // times a drawing rather than at every caption. A caption comes with its picture (and
      // the selected one's at once): a step that moves the view elsewhere writes one
      // caption, and the rest come with the pictures drawn when the page is idle.
      const waits = new Set(waiting);
      this.captions.writeAll(
        rows.flatMap((organism, i) => {
          const at = i * kBoxNumbers;
          const isSelected = first + i + 1 === selected;
          if (!isSelected && waits.has(organism.dna)) return [];
          return {
            id: organism.id,
            survival: `${texts.population.survivalMark}${organism.survival}`,
            box: {
              left: boxes[at + kLabelAt] ?? 0,
              top: (boxes[at + kLabelAt + 1] ?? 0) - top,
              width: boxes[at + kLabelAt + 2] ?? 0,
              height: kLabelHeight,
            },
            selected: isSelected,
          };
        }),
      );
    }
    // The options are written after all the drawing: the canvas styles its text from the
    // page's style, which a change to the page makes the browser work out again at the
    // next text drawn, once for every caption were the two interleaved.
    const layerTop = boxes[kCellAt + 1] ?? 0;
    this.options.style('transform', `translateY(${String(layerTop)}px)`);
    rows.forEach((organism, i) => {
      const row = first + i + 1;
      const option = this.optionPool[i];
      if (option)
        this.showOption(
          option,
          i,
          row,
          organism,
          chances[i] ?? '',
          row === selected,
          boxes,
          i * kBoxNumbers,
          layerTop,
        );
    });
    if (selected > first && selected <= end)
      setIfChanged(this.scroller, 'aria-activedescendant', `picture-${String(selected)}`);
    else this.scroller.removeAttribute('aria-activedescendant');
    // For the tests and measurements: pictures painted now, those still to come, and those
    // the engine has drawn so far.
    this.canvas.dataset.painted = String(painted);
    this.canvas.dataset.waiting = String(rows.length - painted);
    this.waiting = waiting;
    if (context && waiting.length > 0) this.rasterLater();
    this.canvas.dataset.drawn = String(this.cache.drawn);
  }

  // Draws the pictures of `rows` (the first of them row `first` + 1) with the selection's
  // frame and the others' borders; puts the DNA of those not drawn yet in `waiting` and
  // returns how many were painted.
  private drawPictures(
    context: CanvasRenderingContext2D,
    rows: TableRow[],
    chances: string[],
    first: number,
    boxes: Int32Array,
    selected: number,
    side: number,
    waiting: string[],
  ): number {
    const ratio = window.devicePixelRatio || 1;
    const top = this.scrollTop;
    const size = this.geometry.pictureSize;
    let painted = 0;
    rows.forEach((organism, i) => {
      const at = i * kBoxNumbers;
      const isSelected = first + i + 1 === selected;
      const left = boxes[at + kPictureAt] ?? 0;
      const y = (boxes[at + kPictureAt + 1] ?? 0) - top;
      if (isSelected) {
        context.fillStyle = kColors.frame;
        context.beginPath();
        context.roundRect(
          left - kFrameWidth,
          y - kFrameWidth,
          size + 2 * kFrameWidth,
          size + (boxes[at + kLabelAt + 3] ?? 0) + kFrameWidth,
          4,
        );
        context.fill();
      }
      const thumbnail = this.cache.find(organism.dna, side);
      const [x, deviceY] = [Math.round(left * ratio), Math.round(y * ratio)];
      if (thumbnail instanceof ImageData) {
        context.putImageData(thumbnail, x, deviceY);
        if (this.penInvisible(organism.dna)) paintInvisibleHint(context, left, y, size, size);
        painted += 1;
      } else if (thumbnail) {
        // Pixel for pixel, in the canvas's own pixels.
        context.setTransform(1, 0, 0, 1, 0, 0);
        context.drawImage(thumbnail, x, deviceY);
        context.setTransform(ratio, 0, 0, ratio, 0, 0);
        painted += 1;
      } else {
        waiting.push(organism.dna);
        context.fillStyle = kColors.waiting;
        context.fillRect(left, y, size, size);
      }
      if (!isSelected) {
        context.strokeStyle = kColors.border;
        context.lineWidth = 1;
        context.strokeRect(left + 0.5, y + 0.5, size - 1, size - 1);
      }
      const chance = chances[i];
      if (chance) paintChance(context, chance, left, y, size);
    });
    return painted;
  }

  // The option over a cell, placed within the options' layer at `layerTop`: its row,
  // whether it is selected, and as its name the tooltip, asked of the engine only when the
  // organism in that place changed.
  private showOption(
    option: Written<HTMLDivElement>,
    slot: number,
    row: number,
    organism: TableRow,
    chance: string,
    selected: boolean,
    boxes: Int32Array,
    at: number,
    layerTop: number,
  ): void {
    option.attribute('id', `picture-${String(row)}`);
    option.attribute('data-row', String(row));
    option.attribute('aria-selected', String(selected));
    const key = [
      organism.id,
      organism.p1,
      organism.p2,
      organism.dna,
      organism.survival,
      chance,
    ].join('\n');
    this.holds[slot] = { row, key, chance };
    // The selected option, which the screen reader reads out at once, and an option never
    // named are named now; the others once the page is idle, as a step moves the view to
    // other organisms and would otherwise ask the engine for every tooltip in sight.
    if (selected || this.namedFor[slot] === undefined) this.name(slot);
    else if (this.namedFor[slot] !== key) this.nameLater();
    place(option, boxes, at + kCellAt, layerTop);
  }

  // Names the option in `slot` after the organism it holds, when that changed.
  private name(slot: number): void {
    const held = this.holds[slot];
    const option = this.optionPool[slot];
    if (!held || !option || this.namedFor[slot] === held.key) return;
    this.namedFor[slot] = held.key;
    const tooltip = this.engine.tooltip(held.row);
    option.attribute('aria-label', held.chance ? `${tooltip} ${held.chance}` : tooltip);
    option.attribute('title', tooltip);
  }

  private nameLater(): void {
    if (this.pendingNames) return;
    this.pendingNames = true;
    whenIdle(() => {
      this.pendingNames = false;
      const shown = this.options.element.childElementCount;
      for (let slot = 0; slot < shown; slot += 1) this.name(slot);
    });
  }

  private arrowKey(event: KeyboardEvent): void {
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    const moves: Record<string, [number, number]> = {
      ArrowLeft: [-1, 0],
      ArrowRight: [1, 0],
      ArrowUp: [0, -1],
      ArrowDown: [0, 1],
    };
    const move = moves[event.key];
    if (!move) return;
    event.preventDefault();
    const selected = this.engine.selectedRow();
    if (selected < 1) return;
    const target = this.calls.galleryStep(this.geometry, selected - 1, move[0], move[1]);
    if (target >= 0) this.onSelect(target + 1);
  }

  private wheel(event: WheelEvent): void {
    if (!event.ctrlKey) return;
    event.preventDefault();
    const pixels =
      event.deltaMode === WheelEvent.DOM_DELTA_PIXEL ? event.deltaY : event.deltaY * kWheelNotch;
    this.zoomCarry -= (pixels / kWheelNotch) * kZoomStep;
    const whole = Math.trunc(this.zoomCarry);
    if (whole === 0) return;
    this.zoomCarry -= whole;
    this.setSize(this.size + whole);
  }

  // Two fingers apart or together zoom by their distance's ratio.
  private touch(event: PointerEvent): void {
    if (event.pointerType !== 'touch') return;
    this.touches.set(event.pointerId, { x: event.clientX, y: event.clientY });
    if (this.touches.size !== 2) return;
    const [a, b] = [...this.touches.values()];
    if (!a || !b) return;
    const distance = Math.hypot(a.x - b.x, a.y - b.y);
    if (!this.pinch) this.pinch = { distance: Math.max(1, distance), size: this.size };
    else this.setSize((this.pinch.size * distance) / this.pinch.distance);
  }

  // G opens the view (Escape closes it: panels.ts).
  bindKeys(keymap: Keymap): void {
    keymap.bind('G', () => this.open());
  }
}
