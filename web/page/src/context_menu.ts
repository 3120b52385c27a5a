// SPDX-License-Identifier: GPL-3.0-or-later
// Context menus without hovering: a right click, a long press of a finger or pen (held
// still for half a second), or the Menu key or Shift+F10 on the focused element open the
// same menu. The menu itself is a popup list of commands (role menu): arrows, Home and End
// move, Enter or Space choose, Escape or Tab or a press outside close it, and the focus
// goes back to where it was.

export interface MenuCommand {
  label: string;
  act: () => void;
}

// Where a menu was asked for: the element under the pointer (or the focused one) and the
// point for the menu's corner, in the viewport's CSS pixels.
export interface MenuRequest {
  target: Element;
  x: number;
  y: number;
  byKeyboard: boolean;
}

export const kLongPressMs = 500;
// A finger moves a little while it rests; further than this it scrolls instead.
const kLongPressSlop = 10;

let openMenu: { element: HTMLElement; close: (refocus: boolean) => void } | undefined;

// Whether a context menu is open.
export function menuOpen(): boolean {
  return openMenu !== undefined;
}

// Shows `commands` as a menu at (x, y), kept inside the viewport, its first command
// focused; `label` names it. Any menu already open closes first.
export function showMenu(commands: MenuCommand[], x: number, y: number, label: string): void {
  openMenu?.close(false);
  const opener = document.activeElement;
  const menu = document.createElement('div');
  menu.className = 'context-menu';
  menu.setAttribute('role', 'menu');
  menu.setAttribute('aria-label', label);
  const items = commands.map((command) => {
    const item = document.createElement('div');
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    item.textContent = command.label;
    item.addEventListener('click', () => {
      close(true);
      command.act();
    });
    return item;
  });
  menu.append(...items);
  const focusAt = (index: number): void => {
    const count = items.length;
    items[((index % count) + count) % count]?.focus();
  };
  const current = (): number => items.findIndex((item) => item === document.activeElement);
  menu.addEventListener('keydown', (event) => {
    const keys: Record<string, () => void> = {
      ArrowDown: () => focusAt(current() + 1),
      ArrowUp: () => focusAt(current() - 1),
      Home: () => focusAt(0),
      End: () => focusAt(items.length - 1),
      Enter: () => (document.activeElement as HTMLElement | null)?.click(),
      ' ': () => (document.activeElement as HTMLElement | null)?.click(),
      Escape: () => close(true),
      Tab: () => close(true),
    };
    const key = keys[event.key];
    // Every key stays in the menu: the program's own keys do nothing while it is open.
    event.stopPropagation();
    if (!key) return;
    event.preventDefault();
    key();
  });
  const outside = (event: PointerEvent): void => {
    if (!menu.contains(event.target as Node)) close(false);
  };
  const close = (refocus: boolean): void => {
    if (openMenu?.element !== menu) return;
    openMenu = undefined;
    document.removeEventListener('pointerdown', outside, true);
    menu.remove();
    if (refocus && opener instanceof HTMLElement && opener.isConnected) opener.focus();
  };
  openMenu = { element: menu, close };
  document.body.append(menu);
  const { width, height } = menu.getBoundingClientRect();
  menu.style.left = `${String(Math.max(0, Math.min(x, window.innerWidth - width)))}px`;
  menu.style.top = `${String(Math.max(0, Math.min(y, window.innerHeight - height)))}px`;
  document.addEventListener('pointerdown', outside, true);
  focusAt(0);
}

// Calls `request` whenever a context menu is asked for over `element`: a right click, a
// long press, or the Menu key or Shift+F10 while it (or something in it) has the focus.
export function onMenuRequest(element: HTMLElement, request: (at: MenuRequest) => void): void {
  let press: { id: number; x: number; y: number; timer: number } | undefined;
  // The moment a long press opened the menu: the browser's own context menu event and the
  // click that follow the same press are not acted on again. Likewise the context menu
  // event that may follow the Menu key.
  let pressedAt = -Infinity;
  let keyedAt = -Infinity;
  const cancel = (): void => {
    if (press) clearTimeout(press.timer);
    press = undefined;
  };
  element.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    const now = performance.now();
    if (now - pressedAt < 1000 || now - keyedAt < 1000) return;
    request({
      target: event.target as Element,
      x: event.clientX,
      y: event.clientY,
      byKeyboard: false,
    });
  });
  element.addEventListener('pointerdown', (event) => {
    cancel();
    // A mouse press is no key: the context menu event after it is the user's own.
    if (event.pointerType === 'mouse') keyedAt = -Infinity;
    if (event.pointerType === 'mouse' || !event.isPrimary) return;
    const target = event.target as Element;
    const { clientX: x, clientY: y } = event;
    press = {
      id: event.pointerId,
      x,
      y,
      timer: window.setTimeout(() => {
        press = undefined;
        pressedAt = performance.now();
        request({ target, x, y, byKeyboard: false });
      }, kLongPressMs),
    };
  });
  element.addEventListener('pointermove', (event) => {
    if (
      press?.id === event.pointerId &&
      Math.hypot(event.clientX - press.x, event.clientY - press.y) > kLongPressSlop
    )
      cancel();
  });
  for (const type of ['pointerup', 'pointercancel', 'pointerleave'] as const)
    element.addEventListener(type, cancel);
  element.addEventListener(
    'click',
    (event) => {
      if (performance.now() - pressedAt < 1000) {
        event.stopPropagation();
        event.preventDefault();
        pressedAt = -Infinity;
      }
    },
    true,
  );
  element.addEventListener('keydown', (event) => {
    const menuKey = event.key === 'ContextMenu' || (event.shiftKey && event.key === 'F10');
    if (!menuKey || event.ctrlKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    keyedAt = performance.now();
    const focused = document.activeElement instanceof Element ? document.activeElement : element;
    const box = focused.getBoundingClientRect();
    request({
      target: focused,
      x: box.left + box.width / 2,
      y: box.top + box.height / 2,
      byKeyboard: true,
    });
  });
}
