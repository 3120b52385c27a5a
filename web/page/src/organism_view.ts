// SPDX-License-Identifier: GPL-3.0-or-later
// The organism selected, large: its picture (with the hint where its pen is invisible and
// its menu by right click, long press or key), its health, and its words read out after
// each step without interrupting; on request, its chance of being kept as the learner
// sees it, over the picture and read out with its words.
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import { onMenuRequest } from './context_menu';
import { framedWithHint } from './invisible_hint';
import type { Chances } from './learner_view';
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
  private readonly chance: Written<HTMLSpanElement>;

  constructor(
    private readonly vantrel: VantrelEngineModule,
    private readonly engine: Engine,
    private readonly chances: Chances = { shown: false },
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
    const chance = document.createElement('span');
    chance.className = 'chance-badge';
    chance.id = 'organism-chance';
    chance.hidden = true;
    this.picture.append(chance);
    this.chance = new Written(chance);
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
    const chance = organism && this.chances.shown ? engine.chanceKeptText(selected) : '';
    this.chance.text(chance);
    this.chance.element.hidden = chance === '';
    const words = organism ? engine.organismWords() : texts.noOrganism;
    const said = chance ? `${words} ${chance}` : words;
    this.label.attribute('aria-label', `${texts.organismPicture}: ${said}`);
    this.words.text(said);
    this.framed.show(organism !== undefined && vantrel.penInvisible(organism.dna));
    drawOrganism(this.canvas, engine, vantrel.pictureSide(kPictureSize, window.devicePixelRatio));
  }
}
