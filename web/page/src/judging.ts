// SPDX-License-Identifier: GPL-3.0-or-later
// "Judge like me" at a pace: the engine's learner clicks in the user's place, as many
// clicks each frame as the pace has made due since the start, so that the table and the
// views follow every frame; one step of the history from start to stop. It stops when the
// count is reached, on Cancel or Escape, and when another action has closed the engine's
// step (undo, feed ...).
import type { Change, Engine } from 'vantrel-engine';

export interface JudgingHooks {
  // Hands a change to every view.
  show(change: Change): void;
  // `made` of `total` clicks made so far.
  progress(made: number, total: number): void;
  // The judging started (true) or ended (false).
  running(running: boolean): void;
}

// How many clicks are due `elapsed` milliseconds after the start at `pace` clicks per
// second: the first at once, then one each 1/pace seconds, never more than `total`.
export function clicksDue(elapsed: number, pace: number, total: number): number {
  return Math.min(total, 1 + Math.floor((Math.max(0, elapsed) * pace) / 1000));
}

export class Judging {
  private frame = 0;
  private made = 0;
  private total = 0;
  private pace = 1;
  private started = 0;
  private active = false;

  constructor(
    private readonly engine: Engine,
    private readonly hooks: JudgingHooks,
  ) {}

  get running(): boolean {
    return this.active;
  }

  // Starts `total` clicks at `pace` per second; nothing without organisms or while judging.
  start(total: number, pace: number): void {
    if (this.active || !this.engine.startJudging()) return;
    this.active = true;
    this.made = 0;
    this.total = total;
    this.pace = pace;
    this.started = performance.now();
    this.hooks.running(true);
    this.hooks.progress(0, total);
    this.step(this.started);
  }

  // Ends the judging: the clicks made so far stay, as one step.
  stop(): void {
    if (!this.active) return;
    this.active = false;
    cancelAnimationFrame(this.frame);
    const change = this.engine.judging() ? this.engine.stopJudging() : undefined;
    this.hooks.running(false);
    // The step closed: Undo can take it back.
    if (change) this.hooks.show({ ...change, counters: true });
  }

  private step(now: number): void {
    if (!this.active) return;
    // Another action closed the engine's step: the judging is over.
    if (!this.engine.judging()) {
      this.stop();
      return;
    }
    const due = clicksDue(now - this.started, this.pace, this.total) - this.made;
    if (due > 0) {
      this.made += due;
      this.hooks.show(this.engine.judgeMore(due));
      this.hooks.progress(this.made, this.total);
    }
    if (this.made >= this.total || this.engine.rowCount() === 0) {
      this.stop();
      return;
    }
    this.frame = requestAnimationFrame((time) => this.step(time));
  }
}
