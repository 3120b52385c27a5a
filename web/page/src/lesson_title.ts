// SPDX-License-Identifier: GPL-3.0-or-later
// The open lesson's title under the page's heading, as text; hidden without a lesson.
import type { Engine } from 'vantrel-engine';

export function lessonTitle(engine: Engine): { element: HTMLElement; update(): void } {
  const element = document.createElement('p');
  element.className = 'lesson-title';
  const update = (): void => {
    const title = engine.lesson()?.title ?? '';
    element.textContent = title;
    element.hidden = title === '';
  };
  update();
  return { element, update };
}
