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

export class OrganismView {
  // The picture in its frame, and the health with its label.
  readonly picture: HTMLElement;
  readonly health: HTMLElement[];
  // The live region that reads the organism out.
  readonly spoken: HTMLParagraphElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly framed: ReturnType<typeof framedWithHint>;
  private readonly value: HTMLSpanElement;

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
    this.value = document.createElement('span');
    this.value.className = 'health-value';
    const label = document.createElement('span');
    label.textContent = `${texts.health} `;
    this.health = [label, this.value];
    this.spoken = document.createElement('p');
    this.spoken.className = 'visually-hidden';
    this.spoken.setAttribute('aria-live', 'polite');
  }

  refresh(): void {
    const { engine, vantrel } = this;
    const selected = engine.selectedRow();
    const organism = selected > 0 ? engine.rows(selected, 1)[0] : undefined;
    this.value.textContent = organism?.survival ?? '0';
    const words = organism ? engine.organismWords() : texts.noOrganism;
    this.canvas.setAttribute('aria-label', `${texts.organismPicture}: ${words}`);
    this.spoken.textContent = words;
    this.framed.show(organism !== undefined && vantrel.penInvisible(organism.dna));
    drawOrganism(this.canvas, engine, vantrel.pictureSide(kPictureSize, window.devicePixelRatio));
  }
}
