// SPDX-License-Identifier: GPL-3.0-or-later
// The page's controller: its actions as one table (each with its keys, its call to the
// engine and when it is enabled), and one show(change) that hands what the engine says
// changed to each view once. Every action goes to the engine; the views only show.
import type { Change } from 'vantrel-engine';

export interface Action {
  // As aria-keyshortcuts names them, separated by spaces; none for an action by button only.
  keys?: string;
  // The call to the engine, with what the page hands it first (the parameter boxes').
  run(): Change;
  // Whether the action can be taken now; its buttons show it and its keys follow it.
  enabled?(): boolean;
}

export type ChangePart = keyof Change;

// A view and the parts of a change it shows: it is refreshed once for a change that
// touches any of them, never for one that does not.
export interface View {
  shows: readonly ChangePart[];
  refresh(change: Change): void;
}

export class Controller<Name extends string> {
  private readonly views: View[] = [];

  constructor(readonly actions: Readonly<Record<Name, Action>>) {}

  // Adds `view`: from now on it is shown each change that touches what it shows.
  addView(view: View): void {
    this.views.push(view);
  }

  enabled(name: Name): boolean {
    return this.actions[name].enabled?.() ?? true;
  }

  // Takes action `name` when it is enabled and shows what it changed; false when not.
  act(name: Name): boolean {
    if (!this.enabled(name)) return false;
    this.show(this.actions[name].run());
    return true;
  }

  // Hands `change` to each view that shows a part of it, once.
  show(change: Change): void {
    for (const view of this.views)
      if (view.shows.some((part) => change[part])) view.refresh(change);
  }
}
