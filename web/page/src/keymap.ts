// SPDX-License-Identifier: GPL-3.0-or-later
// The page's keys in one place: one listener on the document for every program key, made
// with the views it acts on and taken away with them, so a page made again (in another
// language) answers each key once.
import { keyName } from './keys';

export type KeyAct = (event: KeyboardEvent) => void;
// Whether a bound key acts at this moment; where it does not, the browser keeps the key.
export type KeyApplies = (event: KeyboardEvent) => boolean;

interface Binding {
  act: KeyAct;
  applies?: KeyApplies | undefined;
}

export class Keymap {
  private readonly bindings = new Map<string, Binding>();
  private readonly listener = (event: KeyboardEvent): void => this.press(event);
  private target: EventTarget | undefined;

  // `quiet` tells when no program key acts: under a dialog, or while the user types.
  constructor(private readonly quiet: (event: KeyboardEvent) => boolean) {}

  // Binds each of `keys`, named as aria-keyshortcuts names them and separated by spaces.
  bind(keys: string, act: KeyAct, applies?: KeyApplies): void {
    for (const key of keys.split(' ').filter(Boolean)) {
      if (this.bindings.has(key)) throw new Error(`${key} is bound twice`);
      this.bindings.set(key, { act, applies });
    }
  }

  // Frees each of `keys` to be bound again.
  unbind(keys: string): void {
    for (const key of keys.split(' ')) this.bindings.delete(key);
  }

  // Listens on `target` (the document) until taken away.
  listen(target: EventTarget): void {
    this.target = target;
    target.addEventListener('keydown', this.listener as EventListener);
  }

  // Stops listening: the views the keys act on are gone.
  takeAway(): void {
    this.target?.removeEventListener('keydown', this.listener as EventListener);
    this.target = undefined;
  }

  private press(event: KeyboardEvent): void {
    const name = keyName(event);
    const binding = name === undefined ? undefined : this.bindings.get(name);
    if (!binding || this.quiet(event) || binding.applies?.(event) === false) return;
    event.preventDefault();
    binding.act(event);
  }
}
