// SPDX-License-Identifier: GPL-3.0-or-later
// "Advanced options": the button that shows and hides them, and what it shows: the
// organism table, the file and history buttons, the parameters and the links.
import { texts } from './texts';
import { button, link, section } from './widgets';

export interface AdvancedParts {
  // The organism table, drawn anew each time the options open.
  grid: { element: HTMLElement; update(): void };
  buttons: HTMLElement[];
  parameters: HTMLElement;
  links: { makerHomePage: string; productPage: string };
}

export class AdvancedOptions {
  readonly button: HTMLButtonElement;
  readonly element: HTMLDivElement;

  constructor({ grid, buttons, parameters, links }: AdvancedParts) {
    const marker = document.createElement('span');
    marker.setAttribute('aria-hidden', 'true');
    marker.className = 'marker';
    marker.textContent = texts.advanced.collapsed;
    this.button = button(texts.advanced.name, texts.advanced.name, () => {
      const open = this.element.hidden;
      this.element.hidden = !open;
      this.button.setAttribute('aria-expanded', String(open));
      marker.textContent = open ? texts.advanced.expanded : texts.advanced.collapsed;
      if (open) grid.update();
    });
    this.button.append(' ', marker);
    this.button.setAttribute('aria-expanded', 'false');
    this.button.setAttribute('aria-controls', 'advanced');
    this.button.className = 'advanced-button';
    this.element = section(
      'advanced',
      grid.element,
      section('buttons', ...buttons),
      parameters,
      section(
        'links',
        section(
          '',
          `${texts.yetAnother} `,
          link(texts.maker, links.makerHomePage),
          ` ${texts.creation}`,
        ),
        link(texts.homePage, links.productPage),
      ),
    );
    this.element.id = 'advanced';
    this.element.hidden = true;
  }

  get isOpen(): boolean {
    return !this.element.hidden;
  }
}
