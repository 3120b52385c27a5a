// SPDX-License-Identifier: GPL-3.0-or-later
// Changing the page's elements only where something changed: a step rewrites a few hundred
// elements in the table and the population view, and an element written or put in again,
// even unchanged, would have the browser style it and lay it out anew.

// Shows the first `count` elements that `elementAt` gives as the children of `parent`,
// which already holds the first of them in that order: those beyond `count` go and those
// missing come at the end, the others staying in place, as an element put in again would
// be styled and laid out anew.
export function showFirst(
  parent: HTMLElement,
  count: number,
  elementAt: (index: number) => HTMLElement | undefined,
): void {
  while (parent.childElementCount > count) parent.lastElementChild?.remove();
  for (let index = parent.childElementCount; index < count; index += 1) {
    const element = elementAt(index);
    if (element) parent.append(element);
  }
}

const kTextNode = 3; // Node.TEXT_NODE, named here for pages' code that runs without a DOM

// Writes to an element that the page alone changes, remembering what it wrote: reading
// the element back (getAttribute, style, textContent) is a call into the browser each
// time. An unchanged value is not written again.
export class Written<Element extends HTMLElement = HTMLElement> {
  private readonly values = new Map<string, string>();

  constructor(readonly element: Element) {}

  attribute(name: string, value: string): void {
    if (this.changed(`@${name}`, value)) this.element.setAttribute(name, value);
  }

  style(name: 'left' | 'top' | 'width' | 'height' | 'transform', value: string): void {
    if (this.changed(name, value)) this.element.style[name] = value;
  }

  className(value: string): void {
    if (this.changed('class', value)) this.element.className = value;
  }

  // A new text goes into the element's own text node: textContent would put a new node in
  // its place, which the browser then styles and lays out as new.
  text(value: string): void {
    if (!this.changed('text', value)) return;
    const node = this.element.firstChild;
    if (node?.nodeType === kTextNode && node === this.element.lastChild && value !== '')
      (node as Text).data = value;
    else this.element.textContent = value;
  }

  private changed(key: string, value: string): boolean {
    if (this.values.get(key) === value) return false;
    this.values.set(key, value);
    return true;
  }
}
