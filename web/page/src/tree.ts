// SPDX-License-Identifier: GPL-3.0-or-later
// The family tree: the shown organism and its ancestors five generations back, one row
// per generation, each card with its picture, ID and DNA, every digit in the colour and
// mark of where it came from. The cards, texts, colours and marks are the engine's, as the
// desktop's window draws them, with a line from each child to each parent (the first
// parent's solid, the second's dashed, in their digits' colours). A living ancestor's card
// selects its row (and the tree follows it); a dead one's shows its own tree, and Back
// (Alt+Left) returns.
import { closePanel, openPanel } from './panels';
import type { Engine, FamilyTree, FamilyTreeTexts, TreeCard } from 'vantrel-engine';
import type { Keymap } from './keymap';
import { ThumbnailCache } from './thumbnails';
import { texts } from './texts';

// CSS pixels a side, as the desktop's cards draw them.
const kFocusPicture = 160;
const kAncestorPicture = 72;
// The tree is built again after every step, and most of its pictures stay the same.
const kPictureBudget = 4 << 20;
const kSvg = 'http://www.w3.org/2000/svg';

export class FamilyTreeView {
  readonly element: HTMLElement;
  private readonly rows: HTMLDivElement;
  private readonly lines: SVGSVGElement;
  private links: { child: HTMLElement; parent: HTMLElement; first: boolean }[] = [];
  private readonly scroller: HTMLDivElement;
  private readonly backButton: HTMLButtonElement;
  private readonly pictures: ThumbnailCache;
  private shown = -1; // the serial whose tree is shown; -1 follows the selection
  private back: number[] = []; // the trees shown before each dead ancestor's
  private built = ''; // what the cards were built from, to skip building them again

  constructor(
    private readonly engine: Engine,
    private readonly words: FamilyTreeTexts,
    private readonly pictureSide: (size: number, ratio: number) => number,
    private readonly onSelect: (row: number) => void,
  ) {
    this.pictures = new ThumbnailCache(engine, kPictureBudget);
    this.element = document.createElement('section');
    this.element.className = 'family-tree';
    this.element.hidden = true;
    const heading = document.createElement('h2');
    heading.id = 'family-tree-title';
    heading.textContent = words.title;
    this.element.setAttribute('aria-labelledby', heading.id);

    this.backButton = document.createElement('button');
    this.backButton.type = 'button';
    this.backButton.textContent = words.back;
    // Named by its word, as speech input calls it; the tooltip describes it.
    this.backButton.title = words.backTooltip;
    this.backButton.setAttribute('aria-keyshortcuts', 'Alt+ArrowLeft');
    this.backButton.hidden = true;
    this.backButton.addEventListener('click', () => this.goBack());
    const close = document.createElement('button');
    close.type = 'button';
    close.textContent = texts.familyTree.close;
    close.setAttribute('aria-keyshortcuts', 'Escape');
    close.addEventListener('click', () => this.close());
    const bar = document.createElement('div');
    bar.className = 'family-tree-bar';
    bar.append(this.backButton, close);

    this.rows = document.createElement('div');
    this.rows.className = 'family-tree-rows';
    this.lines = document.createElementNS(kSvg, 'svg');
    this.lines.setAttribute('aria-hidden', 'true');
    this.lines.classList.add('family-tree-lines');
    this.scroller = document.createElement('div');
    this.scroller.className = 'family-tree-scroller';
    this.scroller.tabIndex = 0;
    this.scroller.setAttribute('role', 'region');
    this.scroller.setAttribute('aria-label', texts.familyTree.cards);
    this.scroller.append(this.rows);
    // The cards move when the tree's width changes (a narrow screen wraps its rows).
    new ResizeObserver(() => this.drawLines()).observe(this.rows);
    this.element.append(heading, bar, this.legend(), this.scroller);

    this.rows.addEventListener('click', (event) => {
      const card = (event.target as HTMLElement).closest('button[data-serial]');
      if (card instanceof HTMLElement) this.cardClicked(Number(card.dataset.serial));
    });
  }

  get isOpen(): boolean {
    return !this.element.hidden;
  }

  open(): void {
    openPanel(this, () => this.follow());
    this.scroller.focus();
  }

  close(): void {
    closePanel(this);
  }

  // After a step, undo, redo or a click on a row: the tree of the shown organism.
  update(): void {
    if (this.isOpen) this.follow();
  }

  private follow(): void {
    this.back = [];
    this.shown = -1;
    this.show();
  }

  private goBack(): void {
    const serial = this.back.pop();
    if (serial === undefined) return;
    this.shown = serial;
    this.show();
    // The focus stays in the tree when the button it was on goes.
    if (this.backButton.hidden && document.activeElement === document.body) this.scroller.focus();
  }

  private cardClicked(serial: number): void {
    const card = this.engine.familyTree(serial).cards[0];
    if (!card) return;
    if (card.alive && card.row > 0) {
      // The page then shows the row's organism, and the tree follows the selection.
      this.onSelect(card.row);
    } else {
      this.back.push(this.shown < 0 ? this.engine.familyTree(-1).serial : this.shown);
      this.shown = serial;
      this.show();
    }
    this.scroller.focus();
  }

  private show(): void {
    this.backButton.hidden = this.back.length === 0;
    const tree = this.engine.familyTree(this.shown);
    const key = JSON.stringify(tree);
    if (key === this.built) return;
    this.built = key;
    this.build(tree);
  }

  private build(tree: FamilyTree): void {
    const [focus, ...ancestors] = tree.cards;
    if (!focus) {
      const none = document.createElement('p');
      none.textContent = this.words.noOrganism;
      this.rows.replaceChildren(none);
      this.links = [];
      return;
    }
    const focusRow = document.createElement('div');
    focusRow.className = 'family-tree-row';
    focusRow.append(this.card(focus, kFocusPicture, false));
    const parts: HTMLElement[] = [focusRow];
    let generation = 0;
    let list: HTMLUListElement | undefined;
    for (const card of ancestors) {
      if (card.generation !== generation || !list) {
        generation = card.generation;
        const heading = document.createElement('h3');
        heading.textContent = this.words.generations[generation - 1] ?? '';
        list = document.createElement('ul');
        list.className = 'family-tree-row';
        parts.push(heading, list);
      }
      const item = document.createElement('li');
      item.append(this.card(card, kAncestorPicture, true));
      list.append(item);
    }
    this.rows.replaceChildren(this.lines, ...parts);
    const elements = new Map<number, HTMLElement>();
    for (const element of this.rows.querySelectorAll<HTMLElement>('.tree-card'))
      elements.set(Number(element.dataset.serial), element);
    this.links = [];
    for (const card of tree.cards) {
      const child = elements.get(card.serial);
      for (const [parent, first] of [
        [card.firstParent, true],
        [card.secondParent, false],
      ] as const) {
        const found = elements.get(parent);
        if (child && found) this.links.push({ child, parent: found, first });
      }
    }
    this.drawLines();
  }

  // A line from each child to each parent shown: the first parent's from the child's left
  // third, the second's from its right third, so the two stay apart when both are near.
  private drawLines(): void {
    const box = this.rows.getBoundingClientRect();
    this.lines.setAttribute('width', String(this.rows.scrollWidth));
    this.lines.setAttribute('height', String(this.rows.scrollHeight));
    const drawn: SVGLineElement[] = [];
    for (const { child, parent, first } of this.links) {
      const from = child.getBoundingClientRect();
      const to = parent.getBoundingClientRect();
      const style = this.words.origins[first ? 0 : 1];
      const line = document.createElementNS(kSvg, 'line');
      line.setAttribute('x1', String(from.left - box.left + (from.width * (first ? 1 : 2)) / 3));
      line.setAttribute('y1', String(from.bottom - box.top));
      line.setAttribute('x2', String(to.left - box.left + to.width / 2));
      line.setAttribute('y2', String(to.top - box.top));
      line.setAttribute('stroke', style?.colour ?? '#000');
      line.setAttribute('stroke-width', '2');
      if (!first) line.setAttribute('stroke-dasharray', '6 4');
      drawn.push(line);
    }
    this.lines.replaceChildren(...drawn);
  }

  // One card: a button for an ancestor, plain for the organism the tree is about.
  private card(card: TreeCard, size: number, clickable: boolean): HTMLElement {
    const element = document.createElement(clickable ? 'button' : 'div');
    element.className = `tree-card${card.root ? ' root' : ''}`;
    element.dataset.serial = String(card.serial);
    if (element instanceof HTMLButtonElement) element.type = 'button';
    const ratio = window.devicePixelRatio || 1;
    const side = this.pictureSide(size, ratio);
    const canvas = document.createElement('canvas');
    canvas.width = canvas.height = side;
    canvas.style.width = canvas.style.height = `${String(size)}px`;
    canvas.setAttribute('aria-hidden', 'true');
    canvas.getContext('2d')?.putImageData(this.pictures.get(card.dna, size, ratio, side), 0, 0);
    const caption = document.createElement('span');
    caption.className = 'tree-caption';
    caption.textContent = card.caption;
    const dna = document.createElement('span');
    dna.className = 'tree-dna';
    dna.setAttribute('aria-hidden', 'true');
    [...card.dna].forEach((digit, i) => dna.append(this.digit(digit, card.origins[i] ?? 3)));
    // The DNA in words, run by run, as the desktop's card describes itself.
    const words = document.createElement('span');
    words.className = 'visually-hidden';
    words.textContent = `${texts.familyTree.dna} ${card.dna}: ${card.description}`;
    element.append(canvas, caption, dna, words);
    if (card.details) {
      const details = document.createElement('span');
      details.className = 'tree-details';
      details.textContent = card.details;
      element.append(details);
    }
    return element;
  }

  // A digit in its origin's colour, marked for those who cannot tell colours apart.
  private digit(digit: string, origin: number): HTMLSpanElement {
    const span = document.createElement('span');
    const style = this.words.origins[origin];
    span.textContent = digit;
    span.dataset.origin = String(origin);
    if (style) {
      span.className = `digit ${style.mark}`;
      if (style.mark === 'boxed') span.style.backgroundColor = style.colour;
      else span.style.color = style.colour;
    }
    return span;
  }

  private legend(): HTMLParagraphElement {
    const legend = document.createElement('p');
    legend.className = 'family-tree-legend';
    const { lead, entries, tail } = this.words.legend;
    legend.append(lead);
    for (const entry of entries) legend.append(this.digit(entry.digit, entry.origin), entry.text);
    legend.append(tail);
    return legend;
  }

  // T opens the tree (Escape closes it: panels.ts), Alt+Left goes back while it can.
  bindKeys(keymap: Keymap): void {
    keymap.bind('T', () => this.open());
    keymap.bind(
      'Alt+ArrowLeft',
      () => this.goBack(),
      () => this.isOpen && this.back.length > 0,
    );
  }
}
