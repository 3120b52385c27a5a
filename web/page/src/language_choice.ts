// SPDX-License-Identifier: GPL-3.0-or-later
// The language choice at the top of the page: a named list of the languages, each written
// in itself, that calls `choose` with the code picked.
import { languageCode, tr } from './catalogue';
import { kStartTable } from './start_table';
import { texts } from './texts';

export function languageChoice(choose: (code: string) => void): HTMLElement {
  const label = document.createElement('label');
  label.className = 'language-choice';
  const select = document.createElement('select');
  select.id = 'language';
  for (const { code, name } of kStartTable.choices) {
    const option = document.createElement('option');
    option.value = code;
    option.lang = code;
    // Run through the catalogue only so that the pseudo-language marks them too.
    option.textContent = tr(name);
    select.append(option);
  }
  select.value = languageCode();
  select.addEventListener('change', () => choose(select.value));
  label.append(`${texts.language} `, select);
  return label;
}
