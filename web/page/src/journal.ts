// SPDX-License-Identifier: GPL-3.0-or-later
// The page's journal: every step, undo and redo is stored as it happens (after the frame
// that shows it), so that a tab that crashed, or a browser that was killed, loses nothing.
// A tab that closes or reloads normally marks its run finished at once (in localStorage:
// storage written while a page unloads may never land); each tab holds a Web Lock named
// after its run while it lives. A run neither locked nor marked finished ended
// unexpectedly, and the next page offers to restore it. A journal that cannot be kept
// (storage full or refused, a write that fails) is told once and play goes on without it.
import type { Change, Engine, JournalRecord, StoredRun, VantrelEngineModule } from 'vantrel-engine';
import { askYesNo, showMessage } from './dialog';
import { whenIdle } from './idle';
import { JournalStore, joinEntries, kJournalVersion, packEntries } from './journal_store';
import type { RunInfo, StoredBase, StoredEntry } from './journal_store';
import { texts } from './texts';

const kMaxBytes = 50 * 1024 * 1024;
const kLockPrefix = 'vantrel-run-';
const kFinishedPrefix = 'vantrel-run-finished-';
// At the latest this long after a step its write starts, even on a page that is never idle.
const kWriteWithinMs = 200;
// Performance measures of the journal's main-thread work, which
// tests/web/measure_journal.mjs reads: a write (taking the records and handing them to the
// storage) and a restore from the key to the table shown.
export const kWriteMeasure = 'vantrel-journal-write';
export const kRestoreMeasure = 'vantrel-restore';
const kMostMeasures = 10_000;
let measures = 0;

function measure(name: string, start: number): void {
  if (measures >= kMostMeasures) return;
  measures += 1;
  performance.measure(name, { start, end: performance.now() });
}

function finishedKey(id: string): string {
  return kFinishedPrefix + id;
}

function reason(error: unknown): string {
  if (error instanceof DOMException || error instanceof Error) {
    return error.message || error.name;
  }
  return texts.journal.refused;
}

// The names of the locks held now: the runs that live in some tab.
async function heldLocks(): Promise<Set<string>> {
  if (!('locks' in navigator)) return new Set();
  const { held } = await navigator.locks.query();
  return new Set((held ?? []).map((lock) => lock.name ?? ''));
}

export class PageJournal {
  private store: JournalStore | undefined;
  private info: RunInfo | undefined;
  private next = 0; // the next write's sequence number among the run's entries
  private failed = false;
  private scheduled = false;
  private runsChanged = true; // the notebook's finished runs changed since the last write

  constructor(
    private readonly engine: Engine,
    private readonly vantrel: VantrelEngineModule,
    private readonly show: (change: Change) => void,
  ) {}

  // Opens the storage and starts this tab's run with the present table. Never throws: a
  // journal that cannot be kept is told once.
  async start(): Promise<void> {
    try {
      // Without localStorage no run could be marked finished: every one would look crashed.
      localStorage.setItem(kFinishedPrefix, '');
      localStorage.removeItem(kFinishedPrefix);
      const store = await JournalStore.open();
      const runs = await store.runs();
      const id = `${String(Date.now())}-${Math.random().toString(36).slice(2, 10)}`;
      await this.lock(id);
      this.store = store;
      this.info = {
        id,
        order: (runs[0]?.order ?? 0) + 1,
        started: Date.now(),
        version: kJournalVersion,
        steps: 0,
        organisms: 0,
        bytes: 0,
        finishedRuns: '',
      };
      addEventListener('pagehide', () => this.markFinished(true));
      addEventListener('pageshow', (event) => {
        if (event.persisted) this.markFinished(false);
      });
      this.engine.startJournal();
      this.write();
      await this.prune(runs);
    } catch (error) {
      await this.fail(error);
    }
  }

  // After a step: its records are written once the frame that shows it is drawn.
  queue(change?: Change): void {
    if (change?.run) this.runsChanged = true;
    if (this.scheduled) return;
    this.scheduled = true;
    whenIdle(() => {
      this.scheduled = false;
      this.write();
    }, kWriteWithinMs);
  }

  // Offers the run that ended unexpectedly, when there is one: the newest run that no tab
  // holds and that was not marked finished. Called once, after the page has started.
  async offerCrashedRun(): Promise<void> {
    if (!this.store || this.failed) return;
    try {
      const [run] = await this.earlierRuns();
      if (!run || localStorage.getItem(finishedKey(run.id)) !== null) return;
      if (run.version > kJournalVersion) {
        localStorage.setItem(finishedKey(run.id), '1');
        await showMessage(this.vantrel.journalNewer(texts.journal.run(run.started)));
        return;
      }
      const stored = await this.read(run);
      if (!stored) return;
      const reading = this.vantrel.readStoredRun(stored);
      if (!reading.readable) {
        localStorage.setItem(finishedKey(run.id), '1');
        await showMessage(reading.message);
        return;
      }
      if (!reading.offer) return;
      const question = this.vantrel.restoreQuestion(run.organisms, reading.steps);
      // Asked once: whatever the answer, another tab does not offer it again, not even one
      // opened while this question waits for its answer.
      localStorage.setItem(finishedKey(run.id), '1');
      const yes = await askYesNo(this.vantrel.journalTexts().restoreCaption, question);
      if (yes) await this.restore(stored);
    } catch (error) {
      await this.fail(error);
    }
  }

  // Restores the newest run that no tab holds, finished or not (the desktop's key).
  async restoreLastRun(): Promise<void> {
    const words = this.vantrel.journalTexts();
    if (!this.store || this.failed) {
      await showMessage(words.noJournal);
      return;
    }
    const start = performance.now();
    try {
      // Newest first, up to the first whose start can be read.
      for (const run of await this.earlierRuns()) {
        if (run.version > kJournalVersion) continue;
        const stored = await this.read(run);
        if (stored && (await this.restore(stored, () => measure(kRestoreMeasure, start)))) return;
      }
      await showMessage(words.noEarlierRun);
    } catch (error) {
      await this.fail(error);
    }
  }

  // Restores `stored` and shows it; false (and nothing changed) when its start is damaged.
  private async restore(stored: StoredRun, shown = (): void => {}): Promise<boolean> {
    const result = this.engine.restoreRun(stored);
    if (!result.ok) return false;
    this.show(result.change);
    shown();
    if (result.message) await showMessage(result.message);
    return true;
  }

  // Holds this run's lock for as long as the tab lives.
  private lock(id: string): Promise<void> {
    if (!('locks' in navigator)) return Promise.resolve();
    return new Promise((granted) => {
      void navigator.locks.request(kLockPrefix + id, () => {
        granted();
        return new Promise<void>(() => {});
      });
    });
  }

  // Also after the journal stopped: what it kept then is no crash to offer.
  private markFinished(finished: boolean): void {
    if (!this.info) return;
    try {
      if (finished) localStorage.setItem(finishedKey(this.info.id), '1');
      else localStorage.removeItem(finishedKey(this.info.id));
    } catch {
      // Storage refused now: the run would be offered once, which loses nothing.
    }
  }

  // The runs of other tabs that are not running now, newest first.
  private async earlierRuns(): Promise<RunInfo[]> {
    if (!this.store) return [];
    const running = await heldLocks();
    const runs = await this.store.runs();
    return runs.filter((run) => run.id !== this.info?.id && !running.has(kLockPrefix + run.id));
  }

  private async read(run: RunInfo): Promise<StoredRun | undefined> {
    const kept = await this.store?.read(run.id);
    if (!kept) return undefined;
    return {
      base: kept.base.data,
      baseAnnex: kept.base.annex,
      entries: joinEntries(kept.entries),
      stepsAtEnd: run.steps,
      name: texts.journal.run(run.started),
      finishedRuns: typeof run.finishedRuns === 'string' ? run.finishedRuns : '',
    };
  }

  // Takes the engine's records and writes them in one transaction.
  private write(): void {
    const start = performance.now();
    const records: JournalRecord[] = this.engine.takeJournal();
    if (!this.store || !this.info || this.failed || records.length === 0) return;
    let base: StoredBase | undefined;
    let entries: StoredEntry[] = [];
    for (const record of records) {
      if (record.base) {
        base = { data: record.data, annex: record.annex };
        entries = [];
        this.next = 0;
        this.info.bytes = record.data.length + record.annex.length;
      } else {
        entries.push({ type: record.type, data: record.data, annex: record.annex });
        this.info.bytes += record.data.length + record.annex.length + 16;
      }
      this.info.steps = record.steps;
      this.info.organisms = record.organisms;
    }
    if (this.runsChanged) this.info.finishedRuns = this.engine.finishedRuns();
    this.runsChanged = false;
    const seq = this.next;
    if (entries.length > 0) this.next += 1;
    try {
      this.store
        .write({ ...this.info }, base, packEntries(entries), seq)
        .catch((error: unknown) => {
          void this.fail(error);
        });
    } catch (error) {
      // Refused at once (storage full, or the database closed under the page).
      void this.fail(error);
    }
    measure(kWriteMeasure, start);
  }

  // Deletes the runs past the newest the core keeps (this one among them) or past 50 MB in
  // all; a run another tab holds stays, and so does the newest earlier one until it is
  // offered.
  private async prune(before: RunInfo[]): Promise<void> {
    const { keepRuns } = this.vantrel.limits();
    const running = await heldLocks();
    const earlier = before.filter((run) => !running.has(kLockPrefix + run.id));
    if (earlier[0] && localStorage.getItem(finishedKey(earlier[0].id)) === null) earlier.shift();
    let kept = 0;
    let total = this.info?.bytes ?? 0;
    for (const run of earlier) {
      if (kept < keepRuns - 1 && total + run.bytes <= kMaxBytes) {
        kept += 1;
        total += run.bytes;
      } else {
        await this.store?.remove(run.id);
        localStorage.removeItem(finishedKey(run.id));
      }
    }
  }

  // Turns the journal off and says why, once.
  private async fail(error: unknown): Promise<void> {
    if (this.failed) return;
    this.failed = true;
    this.store = undefined;
    await showMessage(this.vantrel.journalFailed(texts.journal.where, reason(error)));
  }
}
