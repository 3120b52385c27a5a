// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons that turn themselves off (Run while the runs play, Undo at the start of the
// history, Reached once said) would drop the keyboard's focus on the page's body, from
// where the next Tab starts again at the top. Each names an heir that takes the focus
// instead.

export interface Switch {
  control: HTMLButtonElement;
  enabled: boolean;
  // Takes the focus when `control` turns off while holding it.
  heir: () => HTMLElement | null | undefined;
}

// Turns the controls on first and then off, so that an heir among them is ready to take
// the focus from the one that held it.
export function switchControls(switches: Switch[]): void {
  for (const { control, enabled } of switches) if (enabled) control.disabled = false;
  for (const { control, enabled, heir } of switches) {
    if (enabled || control.disabled) continue;
    const held = document.activeElement === control;
    control.disabled = true;
    if (held) heir()?.focus();
  }
}
