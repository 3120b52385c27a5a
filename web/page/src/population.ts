// SPDX-License-Identifier: GPL-3.0-or-later
// The population view: every organism's picture with its ID and survival under it, the
// selected one framed. One canvas the size of the view draws only the cells in sight, and
// transparent options over them carry each organism's text alternative and take clicks
// and taps, with the captions as text above: 100,000 organisms scroll as lightly as ten.
// The engine decides the selection; the view shows what it says.
import type { Engine, Gallery } from 'vantrel-engine';
import { onMenuRequest } from './context_menu';
import { dialogOpen } from './dialog';
import { paintInvisibleHint } from './invisible_hint';
import { takesTyping } from './keys';
import { GalleryLayout } from './layout';
import type { Rect } from './layout';
import { ThumbnailCache } from './thumbnails';
import { texts } from './texts';

const kLabelHeight = 18; // the caption's line (page.css: .caption)
const kFrameWidth = 3;
const kZoomStep = 8; // pixels per wheel notch
const kWheelNotch = 100; // Chromium's pixels of wheel delta per notch
// Milliseconds of new pictures a frame draws; the rest come in the next frames, so a view
// opened or scrolled onto pictures not drawn before answers at once.
const kRasterBudget = 8;
const kColors = {
  waiting: '#eee',
  frame: '#0b57d0',
  border: '#888',
};

// 1234567 as "1,234,567", as the desktop writes counts (without the cost of a locale).
export function grouped(count: number): string {
  return String(count).replace(/\B(?=(\d{3})+$)/g, ',');
}

export class PopulationView {
  readonly element: HTMLElement;
  private readonly scroller: HTMLDivElement;
  private readonly content: HTMLDivElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly options: HTMLDivElement;
  private readonly captions: HTMLDivElement;
  private readonly slider: HTMLInputElement;
  private readonly sizeText: HTMLOutputElement;
  private readonly countText: HTMLSpanElement;
  private readonly hint: HTMLParagraphElement;
  private readonly cache: ThumbnailCache;
  private layout: GalleryLayout;
  private size: number;
  private opener: Element | null = null;
  private pending = 0; // the animation frame that will draw, if one is asked for
  private zoomCarry = 0; // wheel movement short of a whole pixel
  private readonly touches = new Map<number, { x: number; y: number }>();
  private pinch: { distance: number; size: number } | undefined;
  private drawnWidth = 0;
  private drawnHeight = 0;
  // The picture menu for organism `row` at (x, y), and whether a DNA draws with the
  // invisible pen (its picture then says so); set by the page.
  pictureMenu: (row: number, x: number, y: number) => void = () => undefined;
  penInvisible: (dna: string) => boolean = () => false;

  constructor(
    private readonly engine: Engine,
    private readonly gallery: Gallery,
    private readonly pictureSide: (size: number, ratio: number) => number,
    private readonly onSelect: (row: number) => void,
  ) {
    this.cache = new ThumbnailCache(engine);
    this.size = gallery.defaultPictureSize;
    this.layout = this.makeLayout();

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
    this.slider.setAttribute('aria-label', texts.population.size.name);
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
    this.options = document.createElement('div');
    this.content = document.createElement('div');
    this.content.className = 'population-content';
    // The captions are text in the page over the canvas, hidden from assistive technology
    // (each option's name is the whole tooltip) and from the pointer (clicks reach the
    // options).
    this.captions = document.createElement('div');
    this.captions.setAttribute('aria-hidden', 'true');
    this.content.append(this.canvas, this.options, this.captions);
    this.scroller = document.createElement('div');
    this.scroller.className = 'population-scroller';
    this.scroller.setAttribute('role', 'listbox');
    this.scroller.setAttribute('aria-label', texts.population.pictures);
    this.scroller.tabIndex = 0;
    this.scroller.append(this.content);
    this.hint = document.createElement('p');
    this.hint.textContent = gallery.emptyHint;
    this.element.append(heading, bar, this.hint, this.scroller);

    this.scroller.addEventListener('scroll', () => this.drawSoon());
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
      const { clientWidth, clientHeight } = this.scroller;
      if (this.isOpen && (clientWidth !== this.drawnWidth || clientHeight !== this.drawnHeight))
        this.update();
    }).observe(this.scroller);
    document.addEventListener('keydown', (event) => this.programKey(event));
  }

  get isOpen(): boolean {
    return !this.element.hidden;
  }

  get pictureSize(): number {
    return this.size;
  }

  open(): void {
    if (!this.isOpen) {
      this.opener = document.activeElement;
      this.element.hidden = false;
      this.update();
    }
    this.scroller.focus();
  }

  close(): void {
    if (!this.isOpen) return;
    this.element.hidden = true;
    if (this.opener instanceof HTMLElement && this.opener.isConnected) this.opener.focus();
  }

  // Shows the engine's table and selection, the selected picture scrolled into view.
  update(): void {
    if (!this.isOpen) return;
    this.layout = this.makeLayout();
    this.content.style.height = `${String(this.layout.contentHeight)}px`;
    this.hint.hidden = this.layout.count > 0;
    this.sizeText.textContent = `${String(this.size)} px`;
    const count = this.layout.count;
    this.countText.textContent =
      count === 1 ? texts.population.oneOrganism : `${grouped(count)} ${texts.organisms}`;
    this.showSelection();
    this.draw();
  }

  // The picture size within the desktop's limits; the selection stays in view.
  setSize(size: number): void {
    const kept = Math.min(
      Math.max(Math.round(size), this.gallery.minPictureSize),
      this.gallery.maxPictureSize,
    );
    this.slider.value = String(kept);
    if (kept === this.size || Number.isNaN(kept)) return;
    this.size = kept;
    this.update();
  }

  private makeLayout(): GalleryLayout {
    const width = this.scroller?.clientWidth ?? 0;
    return new GalleryLayout(
      this.engine.rowCount(),
      this.size,
      kLabelHeight,
      this.gallery.padding,
      width,
    );
  }

  private showSelection(): void {
    const selected = this.engine.selectedRow();
    if (selected < 1 || selected > this.layout.count) return;
    const cell = this.layout.cell(selected - 1);
    const view = this.scroller.clientHeight;
    if (cell.top < this.scroller.scrollTop) this.scroller.scrollTop = cell.top;
    else if (cell.top + cell.height > this.scroller.scrollTop + view)
      this.scroller.scrollTop = cell.top + cell.height - view;
  }

  private drawSoon(): void {
    if (this.pending) return;
    this.pending = requestAnimationFrame(() => {
      this.pending = 0;
      this.draw();
    });
  }

  // Draws the cells in sight, and puts an option over each.
  private draw(): void {
    const width = (this.drawnWidth = this.scroller.clientWidth);
    const height = (this.drawnHeight = this.scroller.clientHeight);
    const ratio = window.devicePixelRatio || 1;
    const top = this.scroller.scrollTop;
    this.canvas.style.width = `${String(width)}px`;
    this.canvas.style.height = `${String(height)}px`;
    this.canvas.width = Math.round(width * ratio);
    this.canvas.height = Math.round(height * ratio);
    const context = this.canvas.getContext('2d');
    const first = this.layout.firstIndexIn(top);
    const end = this.layout.endIndexIn(top + height);
    const rows = end > first ? this.engine.rows(first + 1, end - first) : [];
    const selected = this.engine.selectedRow();
    const side = this.pictureSide(this.size, ratio);
    const options: HTMLElement[] = [];
    const captions: HTMLElement[] = [];
    const deadline = performance.now() + kRasterBudget;
    let painted = 0;
    if (context) {
      context.setTransform(ratio, 0, 0, ratio, 0, 0);
    }
    rows.forEach((organism, i) => {
      const index = first + i;
      const row = index + 1;
      const cell = this.layout.cell(index);
      const picture = this.layout.picture(index);
      const label = this.layout.label(index);
      const isSelected = row === selected;
      if (context) {
        const y = picture.top - top;
        if (isSelected) {
          context.fillStyle = kColors.frame;
          context.beginPath();
          context.roundRect(
            picture.left - kFrameWidth,
            y - kFrameWidth,
            picture.width + 2 * kFrameWidth,
            picture.height + label.height + kFrameWidth,
            4,
          );
          context.fill();
        }
        const thumbnail =
          this.cache.find(organism.dna, side) ??
          (performance.now() < deadline
            ? this.cache.get(organism.dna, this.size, ratio, side)
            : undefined);
        if (thumbnail) {
          context.putImageData(thumbnail, Math.round(picture.left * ratio), Math.round(y * ratio));
          if (this.penInvisible(organism.dna))
            paintInvisibleHint(context, picture.left, y, picture.width, picture.height);
          painted += 1;
        } else {
          context.fillStyle = kColors.waiting;
          context.fillRect(picture.left, y, picture.width, picture.height);
        }
        if (!isSelected) {
          context.strokeStyle = kColors.border;
          context.lineWidth = 1;
          context.strokeRect(picture.left + 0.5, y + 0.5, picture.width - 1, picture.height - 1);
        }
      }
      const option = document.createElement('div');
      option.setAttribute('role', 'option');
      option.id = `picture-${String(row)}`;
      option.dataset.row = String(row);
      option.setAttribute('aria-selected', String(isSelected));
      const tooltip = this.engine.tooltip(row);
      option.setAttribute('aria-label', tooltip);
      option.title = tooltip;
      option.style.left = `${String(cell.left)}px`;
      option.style.top = `${String(cell.top)}px`;
      option.style.width = `${String(cell.width)}px`;
      option.style.height = `${String(cell.height)}px`;
      captions.push(this.caption(organism.id, organism.survival, label, isSelected));
      options.push(option);
    });
    this.options.replaceChildren(...options);
    this.captions.replaceChildren(...captions);
    if (selected > first && selected <= end)
      this.scroller.setAttribute('aria-activedescendant', `picture-${String(selected)}`);
    else this.scroller.removeAttribute('aria-activedescendant');
    // For the tests and measurements: pictures painted now, those still to come, and those
    // the engine has drawn so far.
    this.canvas.dataset.painted = String(painted);
    this.canvas.dataset.waiting = String(rows.length - painted);
    if (context && painted < rows.length) this.drawSoon();
    this.canvas.dataset.drawn = String(this.cache.drawn);
  }

  // The ID on the left, the survival on the right, each cut to half the width when longer.
  private caption(id: string, survival: string, label: Rect, selected: boolean): HTMLElement {
    const left = document.createElement('span');
    left.textContent = id;
    const right = document.createElement('span');
    right.textContent = `${texts.population.survivalMark}${survival}`;
    const caption = document.createElement('div');
    caption.className = selected ? 'caption selected' : 'caption';
    caption.style.left = `${String(label.left)}px`;
    caption.style.top = `${String(label.top)}px`;
    caption.style.width = `${String(label.width)}px`;
    caption.style.height = `${String(kLabelHeight)}px`;
    caption.append(left, right);
    return caption;
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
    const target = this.layout.step(selected - 1, move[0], move[1]);
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

  // G opens the view, Escape closes it; never under a dialog or while the user types.
  private programKey(event: KeyboardEvent): void {
    if (dialogOpen() || takesTyping(event.target)) return;
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key === 'g' || event.key === 'G') {
      event.preventDefault();
      this.open();
    } else if (event.key === 'Escape' && this.isOpen) {
      event.preventDefault();
      this.close();
    }
  }
}
