// SPDX-License-Identifier: GPL-3.0-or-later
// The organism selected, large: its picture (with the hint where its pen is invisible and
// its menu by right click, long press or key), its health, and its words read out after
// each step without interrupting.
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import { onMenuRequest } from './context_menu';
import { framedWithHint } from './invisible_hint';
import { drawOrganism, kPictureSize } from './picture';
import { showPictureMenu } from './picture_menus';
import { texts } from './texts';
import { Written } from './written';

export class OrganismView {
  // The picture in its frame, and the health with its label.
  readonly picture: HTMLElement;
  readonly health: HTMLElement[];
  // The live region that reads the organism out.
  readonly spoken: HTMLParagraphElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly framed: ReturnType<typeof framedWithHint>;
  private readonly value: Written<HTMLSpanElement>;
  private readonly words: Written<HTMLParagraphElement>;
  private readonly label: Written<HTMLCanvasElement>;

  constructor(
    private readonly vantrel: VantrelEngineModule,
    private readonly engine: Engine,
  ) {
    const canvas = document.createElement('canvas');
    canvas.className = 'picture';
    canvas.setAttribute('role', 'img');
    // Focusable, for the picture menu's keys.
    canvas.tabIndex = 0;
    canvas.setAttribute('aria-keyshortcuts', 'Shift+F10');
    onMenuRequest(canvas, (at) => {
      showPictureMenu(vantrel, engine, engine.selectedRow(), at.x, at.y, false);
    });
    this.canvas = canvas;
    this.framed = framedWithHint(canvas);
    this.picture = this.framed.element;
    const value = document.createElement('span');
    value.className = 'health-value';
    this.value = new Written(value);
    const label = document.createElement('span');
    label.textContent = `${texts.health} `;
    this.health = [label, value];
    this.spoken = document.createElement('p');
    this.spoken.className = 'visually-hidden spoken';
    this.spoken.setAttribute('aria-live', 'polite');
    this.words = new Written(this.spoken);
    this.label = new Written(canvas);
  }

  refresh(): void {
    const { engine, vantrel } = this;
    const selected = engine.selectedRow();
    const organism = selected > 0 ? engine.rows(selected, 1)[0] : undefined;
    // Written into the elements' own text nodes, which the browser lays out again alone.
    this.value.text(organism?.survival ?? '0');
    const words = organism ? engine.organismWords() : texts.noOrganism;
    this.label.attribute('aria-label', `${texts.organismPicture}: ${words}`);
    this.words.text(words);
    this.framed.show(organism !== undefined && vantrel.penInvisible(organism.dna));
    drawOrganism(this.canvas, engine, vantrel.pictureSide(kPictureSize, window.devicePixelRatio));
  }
}
