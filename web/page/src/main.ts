// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the organism shown, its survival, the feed / kill / new-gene-pool buttons and
// the organism table. Every click or key goes to the engine; what the engine says changed
// is drawn again.
import createVantrelEngine from 'vantrel-engine';
import type { Change, Engine } from 'vantrel-engine';
import { drawOrganism, kPictureSize } from './picture';
import { fillTable, makeTable, markSelected } from './table';
import { texts } from './texts';

function button(label: string, name: string, act: () => void): HTMLButtonElement {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = label;
  element.setAttribute('aria-label', name);
  element.addEventListener('click', act);
  return element;
}

async function start(app: HTMLElement): Promise<void> {
  app.textContent = texts.loading;
  const vantrel = await createVantrelEngine();
  // Seeded from the clock, as the desktop program seeds itself.
  const engine: Engine = new vantrel.Engine();

  const heading = document.createElement('h1');
  heading.textContent = texts.title;
  const canvas = document.createElement('canvas');
  canvas.className = 'picture';
  canvas.setAttribute('role', 'img');
  const health = document.createElement('p');
  const table = makeTable((row) => show(engine.selectRow(row)));

  const show = (change: Change): void => {
    if (change.table) fillTable(table, engine);
    else if (change.selection) markSelected(table, engine.selectedRow());
    if (change.table || change.selection) showOrganism();
  };
  const showOrganism = (): void => {
    const selected = engine.selectedRow();
    const organism = selected > 0 ? engine.rows(selected, 1)[0] : undefined;
    health.textContent = `${texts.health}: ${organism?.survival ?? ''}`;
    canvas.setAttribute(
      'aria-label',
      organism ? `${texts.organismPicture}: ${engine.organismWords()}` : texts.noOrganism,
    );
    drawOrganism(canvas, engine, vantrel.pictureSide(kPictureSize, window.devicePixelRatio));
  };

  const actions: Record<string, () => Change> = {
    f: () => engine.feed(),
    s: () => engine.shoot(),
    n: () => engine.newGenePool(),
  };
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  buttons.append(
    button(texts.feed.label, texts.feed.name, () => show(engine.feed())),
    button(texts.shoot.label, texts.shoot.name, () => show(engine.shoot())),
    button(texts.newGenePool.label, texts.newGenePool.name, () => show(engine.newGenePool())),
  );
  document.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    const act = actions[event.key.toLowerCase()];
    if (!act) return;
    event.preventDefault();
    show(act());
  });

  app.replaceChildren(heading, canvas, health, buttons, table);
  fillTable(table, engine);
  showOrganism();
  app.setAttribute('aria-busy', 'false');
}

const app = document.getElementById('app');
if (app) {
  start(app).catch((error: unknown) => {
    app.textContent = `${texts.loadFailed} ${String(error)}`;
    app.setAttribute('aria-busy', 'false');
  });
}
