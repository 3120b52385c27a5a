// SPDX-License-Identifier: GPL-3.0-or-later
// A panel whose code comes as a part of its own the first time it is opened, so that the
// page's start neither loads nor makes what its first screen does not show. Until then it
// stands in the page as an empty hidden placeholder, binds only the key that opens it,
// and its refreshes do nothing (a closed panel shows nothing); once made, its own element
// takes the placeholder's place and it binds its own keys.
import type { Keymap } from './keymap';

// What the page asks of a panel.
export interface Panel {
  readonly element: HTMLElement;
  open(): void;
  update?(): void;
  bindKeys?(keymap: Keymap): void;
}

export class LazyPanel<View extends Panel> {
  private readonly placeholder = document.createElement('div');
  private view: View | undefined;
  private made: Promise<View> | undefined;
  private keymap: Keymap | undefined;
  private opening = false;

  // `make` loads the panel's code and makes it (once); `openKey` opens it, as its own
  // bindKeys binds it once it is made.
  constructor(
    private readonly make: () => Promise<View>,
    private readonly openKey = '',
  ) {
    this.placeholder.hidden = true;
  }

  // The panel's element once made, the placeholder before.
  get element(): HTMLElement {
    return this.view?.element ?? this.placeholder;
  }

  // Whether the panel is open, or asked to open while its part comes.
  get isOpen(): boolean {
    return this.opening || !this.element.hidden;
  }

  // The panel made, loading it the first time.
  load(): Promise<View> {
    if (!this.made) {
      this.made = this.make().then((view) => {
        this.view = view;
        this.placeholder.replaceWith(view.element);
        if (this.keymap && view.bindKeys) {
          if (this.openKey) this.keymap.unbind(this.openKey);
          view.bindKeys(this.keymap);
        }
        return view;
      });
      // A part that could not be loaded (the connection lost) is asked for again next time.
      this.made.catch(() => (this.made = undefined));
    }
    return this.made;
  }

  // Opens the panel; resolves once it is open (or could not be loaded).
  open(): Promise<void> {
    this.opening = true;
    return this.load()
      .then(
        (view) => view.open(),
        (error: unknown) => console.warn('The panel could not be loaded:', error),
      )
      .finally(() => (this.opening = false));
  }

  update(): void {
    this.view?.update?.();
  }

  bindKeys(keymap: Keymap): void {
    this.keymap = keymap;
    if (this.openKey) keymap.bind(this.openKey, () => this.open());
  }
}
