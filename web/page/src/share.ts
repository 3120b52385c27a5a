// SPDX-License-Identifier: GPL-3.0-or-later
// "Share…" puts the population and its parameters in an address to copy; opening such an
// address at start-up shows that population, ready to breed.
import type { Change, Engine } from 'vantrel-engine';
import { dialogButton, showDialog, showMessage } from './dialog';
import { decodePopulation, encodePopulation, kMaxLinkLength, linkBase } from './share_link';
import { texts } from './texts';

// The address shared links start with, set when the page is built (VANTREL_LINK_BASE);
// empty for the page's own address.
declare const __VANTREL_LINK_BASE__: string;

// The address that carries the engine's population, or undefined when it is too long.
export async function populationAddress(engine: Engine): Promise<string | undefined> {
  const fragment = await encodePopulation({
    table: engine.tableBytes(),
    parameters: engine.parameters(),
  });
  const address = `${linkBase(__VANTREL_LINK_BASE__, location.href)}#${fragment}`;
  return address.length < kMaxLinkLength ? address : undefined;
}

// The dialog with the address, selectable, and a Copy button; or the refusal.
export async function sharePopulation(engine: Engine): Promise<void> {
  const address = await populationAddress(engine);
  if (!address) return showMessage(texts.share.tooLarge);
  const body = document.createElement('div');
  const label = document.createElement('label');
  label.textContent = texts.share.address;
  const field = document.createElement('textarea');
  field.className = 'share-address';
  field.readOnly = true;
  field.rows = 4;
  field.value = address;
  label.append(field);
  const status = document.createElement('p');
  status.setAttribute('role', 'status');
  const copy = dialogButton(texts.share.copy);
  copy.addEventListener('click', () => {
    field.select();
    navigator.clipboard.writeText(address).then(
      () => (status.textContent = texts.share.copied),
      () => (status.textContent = texts.share.copyFailed),
    );
  });
  const note = document.createElement('p');
  note.textContent = texts.share.note;
  body.append(note, label, copy, status);
  const shown = showDialog(texts.share.title, body, [dialogButton(texts.share.close)], copy);
  // The address's start in view ("https://…"): a field given its text has its caret, and
  // its scroll, at the end.
  field.setSelectionRange(0, 0);
  field.scrollTop = 0;
  return shown;
}

// Opens the population of the page's address, if it carries one: the link's parameters,
// then its table as one step (Undo brings back the population the page started with). A
// damaged or foreign link, or anything else that goes wrong reading it, leaves the fresh
// population and says so: the page starts as if there were no link. The address loses
// its fragment either way, so a reload does not load the link over the user's work. Call
// it at start-up before anything else is offered.
export async function openLinkedPopulation(
  engine: Engine,
  show: (change: Change) => void,
): Promise<void> {
  const fragment = location.hash.slice(1);
  if (!fragment) return;
  history.replaceState(history.state, '', location.href.replace(/#.*$/, ''));
  const before = engine.parameters();
  try {
    const population = await decodePopulation(fragment);
    if (population) {
      engine.setParameters(population.parameters);
      const result = engine.loadTable(population.table, texts.savedName);
      if (result.ok) {
        show({ ...result.change, parameters: true });
        return;
      }
    }
  } catch {
    // Refused below, as a damaged link is.
  }
  engine.setParameters(before);
  await showMessage(texts.share.notAPopulation);
}
