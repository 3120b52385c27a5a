// SPDX-License-Identifier: GPL-3.0-or-later
// The page's actions as the desktop's main window has them, each with its keys, its call
// to the engine and when it is enabled, and the parts of a change each view shows. A new
// population and an idea take the parameter boxes' values first, as the desktop's do.
import type { Engine } from 'vantrel-engine';
import type { Action, ChangePart } from './controller';

const kEveryPart: readonly ChangePart[] = [
  'table',
  'selection',
  'run',
  'counters',
  'parameters',
  'learner',
];
const kOrganisms: readonly ChangePart[] = ['table', 'selection'];
// The big picture and the population view show each organism's chance of being kept on
// request, which follows what the learner learned.
const kOrganismsAndChances: readonly ChangePart[] = ['table', 'selection', 'learner'];

// What each view shows of a change. The buttons follow every step, as do the notebook
// (its counters, its run, the organism in words and the learner) and the journal, which
// writes it down.
export const kViewParts = {
  grid: kOrganisms,
  population: kOrganismsAndChances,
  tree: kOrganisms,
  organism: kOrganismsAndChances,
  parameters: ['parameters'],
  buttons: kEveryPart,
  notebook: kEveryPart,
  journal: kEveryPart,
} as const satisfies Record<string, readonly ChangePart[]>;

export type ViewName = keyof typeof kViewParts;

export type ActionName = 'feed' | 'shoot' | 'newGenePool' | 'idea' | 'undo' | 'redo' | 'reached';

export interface ActionNeeds {
  engine: Engine;
  // Hands the parameter boxes' values to the engine.
  commitParameters(): void;
  // Shows the idea the engine has just had.
  showIdea(idea: string): void;
}

export function pageActions({
  engine,
  commitParameters,
  showIdea,
}: ActionNeeds): Record<ActionName, Action> {
  const organisms = (): boolean => engine.rowCount() > 0;
  return {
    feed: { keys: 'F', run: () => engine.feed(), enabled: organisms },
    shoot: { keys: 'S', run: () => engine.shoot(), enabled: organisms },
    newGenePool: {
      keys: 'N',
      run: () => {
        commitParameters();
        return engine.newGenePool();
      },
    },
    idea: {
      run: () => {
        commitParameters();
        const change = engine.newIdea();
        showIdea(engine.idea());
        return change;
      },
    },
    undo: { keys: 'Control+Z', run: () => engine.undo(), enabled: () => engine.counters().canUndo },
    redo: {
      keys: 'Control+Shift+Z Control+Y',
      run: () => engine.redo(),
      enabled: () => engine.counters().canRedo,
    },
    reached: { keys: 'R', run: () => engine.declareReached() },
  };
}
