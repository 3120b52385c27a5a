// SPDX-License-Identifier: GPL-3.0-or-later
// Work that can wait for the frame that shows a step: run when the page is idle.

// Milliseconds such work may take at a time when the page is never idle, and how long it
// waits for idleness before it runs anyway unless told otherwise.
export const kIdleBudget = 8;
const kIdleWait = 100;

// Runs `work` with the milliseconds it may take: when the page is idle, or after `wait`
// milliseconds when it never is. Safari has no idle callbacks: there it runs after the
// frame, with the whole budget.
export function whenIdle(work: (budget: number) => void, wait = kIdleWait): void {
  if ('requestIdleCallback' in window)
    requestIdleCallback((idle) => work(idle.didTimeout ? kIdleBudget : idle.timeRemaining()), {
      timeout: wait,
    });
  else requestAnimationFrame(() => setTimeout(() => work(kIdleBudget), 0));
}
