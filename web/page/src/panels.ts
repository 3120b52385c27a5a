// SPDX-License-Identifier: GPL-3.0-or-later
// The panels beside the organism (population view, family tree, lab notebook, automatic
// runs) can be open together; Escape closes one at a time: the panel that holds the
// focus, else the one opened last. Never under a dialog or a menu, nor while the user
// types. On a narrow screen, where each fills it, the one opened last lies on top.
import { menuOpen } from './context_menu';
import type { Keymap } from './keymap';

interface Panel {
  element: HTMLElement;
  close(): void;
}

const opened: Panel[] = [];

// `panel` was opened (again): it is now the last one.
export function panelOpened(panel: Panel): void {
  panelClosed(panel);
  opened.push(panel);
  // Where panels fill a narrow screen, the one opened last lies on top.
  opened.forEach((each, at) => (each.element.style.zIndex = String(at + 1)));
}

export function panelClosed(panel: Panel): void {
  const at = opened.indexOf(panel);
  if (at >= 0) opened.splice(at, 1);
}

// What had the focus when each panel opened, to be given it back on closing.
const openers = new WeakMap<Panel, Element | null>();

// Opens `panel` (the last one opened now): shows it if hidden, noting what had the focus,
// and then runs `shown`. The caller focuses what should have the focus.
export function openPanel(panel: Panel, shown: () => void): void {
  panelOpened(panel);
  if (!panel.element.hidden) return;
  openers.set(panel, document.activeElement);
  panel.element.hidden = false;
  shown();
}

// Hides `panel` and gives the focus back to what had it when the panel opened.
export function closePanel(panel: Panel): void {
  panelClosed(panel);
  if (panel.element.hidden) return;
  panel.element.hidden = true;
  const opener = openers.get(panel);
  if (opener instanceof HTMLElement && opener.isConnected) opener.focus();
}

// The panel Escape would close for a key pressed on `target`.
export function panelForEscape(target: EventTarget | null): Panel | undefined {
  // A panel the page replaced when the language changed is no longer on the page.
  const live = opened.filter((panel) => panel.element.isConnected);
  const holder = live.find((panel) => target instanceof Node && panel.element.contains(target));
  return holder ?? live.at(-1);
}

// Something Escape stops before it closes any panel ("Judge like me" while it plays).
export interface EscapeFirst {
  applies(): boolean;
  act(): void;
}

// Escape stops `first` while it applies, else closes the panel that holds the focus, else
// the one opened last; never under a menu (the dialogs and typing keep every key:
// keymap.ts).
export function bindEscape(keymap: Keymap, first?: EscapeFirst): void {
  keymap.bind(
    'Escape',
    (event) => {
      if (first?.applies()) first.act();
      else panelForEscape(event.target)?.close();
    },
    (event) =>
      !menuOpen() && (first?.applies() === true || panelForEscape(event.target) !== undefined),
  );
}
