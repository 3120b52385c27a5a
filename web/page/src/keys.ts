// SPDX-License-Identifier: GPL-3.0-or-later
// The program's keys, as the desktop binds them: F feeds, S shoots, N starts a new gene
// pool, R says the goal is reached, Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo. None acts
// while the user types.

export type KeyAction = 'feed' | 'shoot' | 'newGenePool' | 'reached' | 'undo' | 'redo';

interface KeyPress {
  key: string;
  code?: string;
  ctrlKey: boolean;
  metaKey: boolean;
  shiftKey: boolean;
  altKey: boolean;
}

// The action a key press asks for, if any. Command stands in for Ctrl on a Mac.
export function programKey(press: KeyPress): KeyAction | undefined {
  if (press.altKey) return undefined;
  const key = press.key.toLowerCase();
  if (press.ctrlKey || press.metaKey) {
    if (key === 'z') return press.shiftKey ? 'redo' : 'undo';
    if (key === 'y' && !press.shiftKey) return 'redo';
    return undefined;
  }
  const plain: Record<string, KeyAction> = {
    f: 'feed',
    s: 'shoot',
    n: 'newGenePool',
    r: 'reached',
  };
  return plain[key];
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

// Alt+Shift+R restores the last run (the desktop's Ctrl+Shift+R reloads a browser's page).
// By the key's place, as Alt changes the character on a Mac.
export function isRestoreKey(press: KeyPress): boolean {
  return (
    press.altKey && press.shiftKey && !press.ctrlKey && !press.metaKey && press.code === 'KeyR'
  );
}
