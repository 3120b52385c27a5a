// SPDX-License-Identifier: GPL-3.0-or-later
// The page's small building blocks: buttons named by their words, links that open in a
// new tab, and sections.
import { texts } from './texts';

// A button named by its visible word, as speech input calls it, with the desktop's
// longer tooltip as its description, and the desktop's picture before the word where
// the desktop's button has one.
export function button(
  label: string,
  tooltip: string,
  act: () => void,
  keys = '',
  icon = '',
): HTMLButtonElement {
  const element = document.createElement('button');
  element.type = 'button';
  if (icon) {
    element.className = 'with-icon';
    const picture = document.createElement('img');
    picture.className = 'button-icon';
    picture.src = icon;
    picture.alt = '';
    picture.width = picture.height = 24;
    element.append(picture);
  }
  element.append(label);
  if (tooltip !== label) element.title = tooltip;
  if (keys) element.setAttribute('aria-keyshortcuts', keys);
  element.addEventListener('click', act);
  return element;
}

export function link(text: string, address: string): HTMLAnchorElement {
  const anchor = document.createElement('a');
  anchor.href = address;
  anchor.target = '_blank';
  anchor.rel = 'noopener noreferrer';
  anchor.textContent = text;
  const note = document.createElement('span');
  note.className = 'visually-hidden';
  note.textContent = ` ${texts.newTab}`;
  anchor.append(note);
  return anchor;
}

export function section(className: string, ...children: (Node | string)[]): HTMLDivElement {
  const element = document.createElement('div');
  element.className = className;
  element.append(...children);
  return element;
}
