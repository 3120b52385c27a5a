// SPDX-License-Identifier: GPL-3.0-or-later
// Times each step asked for by a key: the main thread's work from the key event to the end
// of the frame that shows the step, leaving out the wait for the screen's refresh. Each
// time is a performance measure named kStepMeasure, which tests/web/measure_steps.mjs reads.

export const kStepMeasure = 'vantrel-step';
// Enough for any measuring run; a long session stops adding entries rather than grow.
const kMostMeasures = 10_000;
let measures = 0;

// Runs `work` for an event that happened at `eventTime` and measures it with its frame.
export function timeStep(eventTime: number, work: () => void): void {
  if (measures >= kMostMeasures) {
    work();
    return;
  }
  let handled = eventTime;
  // Asked for before `work` runs, so that this callback comes first in the frame and the
  // callbacks `work` asks for (the views' scrolling and drawing) are counted as drawing.
  // The frame began before any callback, at `frameTime`, with work of the browser's own
  // (the pointer's hit test among it), which counts too; if it began while the step was
  // still being handled, it counts from the end of the handling.
  requestAnimationFrame((frameTime) => {
    const frameStart = Math.max(frameTime, handled);
    // A message posted in the frame's callback arrives once the frame is drawn.
    const channel = new MessageChannel();
    channel.port1.onmessage = () => {
      const drawing = performance.now() - frameStart;
      measures += 1;
      performance.measure(kStepMeasure, {
        start: eventTime,
        duration: handled - eventTime + drawing,
      });
      channel.port1.close();
    };
    channel.port2.postMessage(null);
  });
  work();
  // The browser styles and lays the page out for the frame, often in a task of its own
  // between this one and the frame, where the measure would not see it: done here, it is
  // part of the handling, and the frame finds it done.
  if (typeof document !== 'undefined') document.documentElement.getBoundingClientRect();
  handled = performance.now();
}
