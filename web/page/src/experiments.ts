// SPDX-License-Identifier: GPL-3.0-or-later
// The experiments help: six pages behind tabs and a Close button, with the engine's texts.
import type { ExperimentsHelp } from 'vantrel-engine';
import { dialogButton, showDialog } from './dialog';

// The page the user last looked at, so the next showing opens it again, as the desktop's
// window keeps its page.
let shownPage = 0;

// Opens at `page` when given (a lesson's experiment), else at the page shown last.
export function showExperiments(help: ExperimentsHelp, page?: number): Promise<void> {
  if (page !== undefined) shownPage = page;
  const body = document.createElement('div');
  const tabs = document.createElement('div');
  tabs.setAttribute('role', 'tablist');
  tabs.className = 'tabs';
  const tabButtons: HTMLButtonElement[] = [];
  const panels: HTMLElement[] = [];
  const choose = (index: number, focus: boolean): void => {
    shownPage = index;
    tabButtons.forEach((tab, i) => {
      tab.setAttribute('aria-selected', String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
    });
    panels.forEach((panel, i) => (panel.hidden = i !== index));
    if (focus) tabButtons[index]?.focus();
  };
  help.pages.forEach((page, index) => {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.setAttribute('role', 'tab');
    tab.id = `experiment-tab-${String(index)}`;
    tab.textContent = page.caption;
    tab.addEventListener('click', () => choose(index, false));
    const panel = document.createElement('div');
    panel.setAttribute('role', 'tabpanel');
    panel.id = `experiment-page-${String(index)}`;
    panel.setAttribute('aria-labelledby', tab.id);
    panel.tabIndex = 0;
    panel.className = 'experiment-page';
    for (const paragraph of page.text.split('\n\n')) {
      const p = document.createElement('p');
      p.textContent = paragraph;
      panel.append(p);
    }
    tab.setAttribute('aria-controls', panel.id);
    tabButtons.push(tab);
    panels.push(panel);
  });
  // Arrow keys, Home and End move between the tabs.
  tabs.addEventListener('keydown', (event) => {
    const count = tabButtons.length;
    const moves: Record<string, number> = {
      ArrowRight: (shownPage + 1) % count,
      ArrowLeft: (shownPage + count - 1) % count,
      Home: 0,
      End: count - 1,
    };
    const next = moves[event.key];
    if (next === undefined) return;
    event.preventDefault();
    choose(next, true);
  });
  tabs.append(...tabButtons);
  body.append(tabs, ...panels);
  choose(shownPage, false);
  const close = dialogButton(help.close);
  return showDialog(help.title, body, [close], close, 'experiments');
}
