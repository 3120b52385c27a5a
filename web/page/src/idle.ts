// SPDX-License-Identifier: GPL-3.0-or-later
// Work that can wait for the frame that shows a step: run when the page is idle.

// Milliseconds such work may take at a time when the page is never idle, and how long it
// waits for idleness before it runs anyway.
export const kIdleBudget = 8;
const kIdleWait = 100;

// Runs `work` with the milliseconds it may take: when the page is idle, or after
// kIdleWait milliseconds when it never is. Safari has no idle callbacks: there it runs
// after the frame, with the whole budget.
export function whenIdle(work: (budget: number) => void): void {
  if ('requestIdleCallback' in window)
    requestIdleCallback((idle) => work(idle.didTimeout ? kIdleBudget : idle.timeRemaining()), {
      timeout: kIdleWait,
    });
  else requestAnimationFrame(() => setTimeout(() => work(kIdleBudget), 0));
}
