// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a table file, picked or dropped: the engine loads it (the parameter boxes'
// values handed over first) and says what to tell the user; the page shows the change.
import type { Change, Engine, VantrelEngineModule } from 'vantrel-engine';
import { showMessage } from './dialog';
import type { TableReader } from './files';
import { TableOpener } from './open_table';
import { texts } from './texts';

export interface ReaderNeeds {
  vantrel: VantrelEngineModule;
  engine: Engine;
  commitParameters(): void;
  show(change: Change): void;
}

// Tells the user what the engine refused, if anything.
function say(refusal: { message: string; errorReport: boolean }): void {
  if (refusal.message) void showMessage(refusal.message, refusal.errorReport);
}

// The reader, and the opener whose status line the page shows.
export function tableReader({ vantrel, engine, commitParameters, show }: ReaderNeeds): {
  reader: TableReader;
  opener: TableOpener;
} {
  const opener = new TableOpener((bytes, name) => {
    commitParameters();
    const result = engine.loadTable(bytes, name);
    show(result.change);
    say(result);
    return result.status;
  });
  const reader: TableReader = {
    load: (bytes, name) => opener.load(bytes, name),
    cannotOpen: (name) => say(vantrel.cannotOpen(name)),
    notAFile: (name) => say(vantrel.notAFile(name)),
    tooLarge: (name) =>
      void showMessage(texts.tooLarge(name, Math.floor(vantrel.largestTableFile() / 2 ** 20))),
  };
  return { reader, opener };
}
