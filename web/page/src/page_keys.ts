// SPDX-License-Identifier: GPL-3.0-or-later
// The page's keymap: the actions' keys from the controller's table, each step timed with
// the frame that shows it; Alt+Shift+R; the panels' own keys and Escape. Quiet under a
// dialog and while the user types.
import type { Controller } from './controller';
import { dialogOpen } from './dialog';
import { Keymap } from './keymap';
import { takesTyping } from './keys';
import { bindEscape, type EscapeFirst } from './panels';
import { timeStep } from './step_timing';

export interface PageKeys<Name extends string> {
  controller: Controller<Name>;
  restoreLastRun(): void;
  // The views with keys of their own (G, T, L, Ctrl+E, Alt+Left).
  panels: { bindKeys(keymap: Keymap): void }[];
  // What Escape stops before it closes a panel.
  escapeFirst?: EscapeFirst;
}

// A keymap listening on the document until it is taken away with the views.
export function pageKeys<Name extends string>({
  controller,
  restoreLastRun,
  panels,
  escapeFirst,
}: PageKeys<Name>): Keymap {
  const keymap = new Keymap((event) => dialogOpen() || takesTyping(event.target));
  for (const name of Object.keys(controller.actions) as Name[]) {
    const keys = controller.actions[name].keys;
    if (keys)
      keymap.bind(keys, (event) => timeStep(event.timeStamp, () => void controller.act(name)));
  }
  keymap.bind('Alt+Shift+R', restoreLastRun);
  for (const panel of panels) panel.bindKeys(keymap);
  bindEscape(keymap, escapeFirst);
  keymap.listen(document);
  return keymap;
}
