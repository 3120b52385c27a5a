// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson link opened at start-up: the engine opens the lesson (the founders of its time,
// its parameters, its goal's run), then the experiment's help opens. A damaged or foreign
// link says so and the page starts as if there were none; the address loses its fragment
// either way, so a reload does not open the lesson over the pupil's work.
import type { Change, Engine, VantrelEngineModule } from 'vantrel-engine';
import { showMessage } from './dialog';
import { showExperiments } from './experiments';
import { inflated, kMaxLinkLength } from './share_link';

// The lesson's text the link carries; undefined for a damaged or foreign one.
async function lessonText(vantrel: VantrelEngineModule, link: string): Promise<string | undefined> {
  if (link.length > kMaxLinkLength) return undefined;
  const packed = vantrel.lessonLinkBytes(link);
  if (!packed) return undefined;
  // No lesson is longer than the core's limit: inflating stops one byte past it.
  const bytes = await inflated(packed, vantrel.lessonLimits().lessonBytes + 1);
  if (!bytes) return undefined;
  try {
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    return undefined;
  }
}

export async function openLinkedLesson(
  vantrel: VantrelEngineModule,
  engine: Engine,
  show: (change: Change) => void,
): Promise<void> {
  const link = location.hash;
  history.replaceState(history.state, '', location.href.replace(/#.*$/, ''));
  const text = await lessonText(vantrel, link).catch(() => undefined);
  const opening = text === undefined ? undefined : engine.openLesson(text);
  if (!opening?.opened) {
    await showMessage(vantrel.notALessonMessage());
    return;
  }
  show(opening.change);
  if (opening.message) await showMessage(opening.message);
  const experiment = engine.lesson()?.experiment ?? 0;
  if (experiment > 0) await showExperiments(vantrel.experimentsHelp(), experiment);
}
