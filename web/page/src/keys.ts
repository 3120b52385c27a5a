// SPDX-License-Identifier: GPL-3.0-or-later
// The program's keys by name, as aria-keyshortcuts writes them: "F", "Control+Z",
// "Control+Shift+Z", "Alt+Shift+R", "Alt+ArrowLeft", "Escape". None acts while the user
// types.

interface KeyPress {
  key: string;
  code?: string;
  ctrlKey: boolean;
  metaKey: boolean;
  shiftKey: boolean;
  altKey: boolean;
}

// The name of a key press among the program's keys, if it can be one. Command stands in
// for Ctrl on a Mac; a key without Ctrl is the same key with Shift (F and Shift+F feed).
// Alt+Shift+R goes by the key's place, as Alt changes the character on a Mac.
export function keyName(press: KeyPress): string | undefined {
  const command = press.ctrlKey || press.metaKey;
  const key = press.key.length === 1 ? press.key.toUpperCase() : press.key;
  if (press.altKey) {
    if (command) return undefined;
    if (press.shiftKey) return press.code === 'KeyR' ? 'Alt+Shift+R' : undefined;
    return key === 'ArrowLeft' ? 'Alt+ArrowLeft' : undefined;
  }
  if (command) return `Control+${press.shiftKey ? 'Shift+' : ''}${key}`;
  return key;
}

// Input types that take no typing: a key there still belongs to the program.
const kNoTyping = new Set([
  'button',
  'checkbox',
  'radio',
  'range',
  'color',
  'file',
  'reset',
  'submit',
  'image',
]);

// Whether `target` takes typed text, so the program's keys must leave it alone.
export function takesTyping(target: EventTarget | null): boolean {
  if (!(target instanceof HTMLElement)) return false;
  if (target.isContentEditable) return true;
  if (target instanceof HTMLTextAreaElement || target instanceof HTMLSelectElement) return true;
  return target instanceof HTMLInputElement && !kNoTyping.has(target.type);
}
