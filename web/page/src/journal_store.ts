// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's storage in the browser: one IndexedDB database holding, per run of the
// page, a small record of its counts, its base (the whole table) and its entries, each in
// the engine's own bytes. Writes go in one transaction each, so a tab that dies keeps
// every write that completed and none half-done.
import { joinBytes } from './bytes';

const kDatabase = 'vantrel-journal';
const kSchema = 1;
const kRuns = 'runs';
const kBases = 'bases';
const kEntries = 'entries';

// What the page keeps about one run besides its bytes.
export interface RunInfo {
  id: string;
  // Later runs have higher numbers; the clock alone may stand still (or be set back).
  order: number;
  started: number;
  version: number;
  steps: number;
  organisms: number;
  // The bytes kept for it, for the limit on all runs together.
  bytes: number;
  // The notebook's finished runs as CSV.
  finishedRuns: string;
}

export interface StoredEntry {
  type: number;
  data: Uint8Array;
  annex: Uint8Array;
}

export interface StoredBase {
  data: Uint8Array;
  annex: Uint8Array;
}

export const kJournalVersion = 1;

function settled<T>(request: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error ?? new Error(kDatabase));
  });
}

function finished(transaction: IDBTransaction): Promise<void> {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    const failed = () => reject(transaction.error ?? new DOMException('', 'AbortError'));
    transaction.onabort = failed;
    transaction.onerror = failed;
  });
}

// Every entry key of run `id`: [id, seq] sorts by seq within the run.
function entriesOf(id: string): IDBKeyRange {
  return IDBKeyRange.bound([id, 0], [id, Infinity]);
}

function isBytes(value: unknown): value is Uint8Array {
  return value instanceof Uint8Array;
}

// Entries one after another as the engine reads them: the type byte, then data and annex
// each as a 4-byte little-endian length and the bytes. The page stores each write's
// entries so packed, as one value: reading a long run back then costs one object per
// write rather than three per entry.
export function packEntries(entries: StoredEntry[]): Uint8Array {
  let size = 0;
  for (const entry of entries) size += 9 + entry.data.length + entry.annex.length;
  const packed = new Uint8Array(size);
  const view = new DataView(packed.buffer);
  let at = 0;
  for (const entry of entries) {
    packed[at] = entry.type & 255;
    view.setUint32(at + 1, entry.data.length, true);
    packed.set(entry.data, at + 5);
    at += 5 + entry.data.length;
    view.setUint32(at, entry.annex.length, true);
    packed.set(entry.annex, at + 4);
    at += 4 + entry.annex.length;
  }
  return packed;
}

// The stored values of a run joined in order. A value that is not what the page wrote
// ends them with a type the engine refuses, so the engine reads it as damage there.
export function joinEntries(values: unknown[]): Uint8Array {
  const chunks: Uint8Array[] = [];
  let damaged = false;
  for (const value of values) {
    if (!isBytes(value)) {
      damaged = true;
      break;
    }
    chunks.push(value);
  }
  if (damaged) chunks.push(Uint8Array.of(255));
  return joinBytes(chunks);
}

export class JournalStore {
  private constructor(private readonly db: IDBDatabase) {}

  // Opens the database; rejects with the browser's reason when storage is refused.
  static async open(): Promise<JournalStore> {
    const request = indexedDB.open(kDatabase, kSchema);
    request.onupgradeneeded = () => {
      const db = request.result;
      if (!db.objectStoreNames.contains(kRuns)) db.createObjectStore(kRuns, { keyPath: 'id' });
      if (!db.objectStoreNames.contains(kBases)) db.createObjectStore(kBases);
      if (!db.objectStoreNames.contains(kEntries)) db.createObjectStore(kEntries);
    };
    const db = await settled(request);
    // Another tab of a newer page would need this one to step aside.
    db.onversionchange = () => db.close();
    return new JournalStore(db);
  }

  // Every run kept, newest first.
  async runs(): Promise<RunInfo[]> {
    const all = (await settled(
      this.db.transaction(kRuns).objectStore(kRuns).getAll(),
    )) as RunInfo[];
    return all.sort((a, b) => b.order - a.order || b.started - a.started);
  }

  // Writes `info`, a new base when given (which drops the run's earlier entries) and the
  // packed entries as number `seq`, in one transaction.
  write(info: RunInfo, base: StoredBase | undefined, entries: Uint8Array, seq: number) {
    const transaction = this.db.transaction([kRuns, kBases, kEntries], 'readwrite');
    const done = finished(transaction);
    const entryStore = transaction.objectStore(kEntries);
    if (base) {
      entryStore.delete(entriesOf(info.id));
      transaction.objectStore(kBases).put(base, info.id);
    }
    if (entries.length > 0) entryStore.put(entries, [info.id, seq]);
    transaction.objectStore(kRuns).put(info);
    return done;
  }

  // The run's base and its entries in order; undefined when it has no base.
  async read(id: string): Promise<{ base: StoredBase; entries: unknown[] } | undefined> {
    const transaction = this.db.transaction([kBases, kEntries]);
    const base = (await settled(transaction.objectStore(kBases).get(id))) as unknown;
    const entries = await settled(transaction.objectStore(kEntries).getAll(entriesOf(id)));
    const { data, annex } = (base ?? {}) as Partial<StoredBase>;
    if (base === undefined) return undefined;
    return {
      base: {
        data: isBytes(data) ? data : new Uint8Array(),
        annex: isBytes(annex) ? annex : new Uint8Array(),
      },
      entries,
    };
  }

  remove(id: string): Promise<void> {
    const transaction = this.db.transaction([kRuns, kBases, kEntries], 'readwrite');
    const done = finished(transaction);
    transaction.objectStore(kRuns).delete(id);
    transaction.objectStore(kBases).delete(id);
    transaction.objectStore(kEntries).delete(entriesOf(id));
    return done;
  }
}
