// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic runs, part of the lab notebook as on the desktop: opened from the
// notebook, and their runs join its run table through the engine.
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import { AutoRunPanel } from './autoruns';
import { startAutoRunWorker } from 'autorun-workers';
import type { NotebookView } from './notebook';
import { texts } from './texts';
import { button } from './widgets';

export function notebookAutoRuns(
  vantrel: VantrelEngineModule,
  compiled: WebAssembly.Module,
  engine: Engine,
  notebook: NotebookView,
): AutoRunPanel {
  const autoRuns = new AutoRunPanel(
    vantrel,
    () => startAutoRunWorker(compiled),
    () => engine.goalList(),
  );
  const open = button(texts.autoruns.open, texts.autoruns.open, () => autoRuns.open());
  open.id = 'autoruns-open';
  open.setAttribute('aria-controls', autoRuns.element.id);
  notebook.automaticRuns.append(open);
  autoRuns.onRunsFinished = ({ csv }) => {
    const joined = engine.addRuns(csv);
    if (joined.count > 0) autoRuns.noteJoined(joined.first, joined.first + joined.count - 1);
    notebook.update();
  };
  return autoRuns;
}
