// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the page shows, in one place, as the desktop program words them. Texts the
// engine already holds (ideas, the organism in words, file messages, the experiments
// help, the link addresses) come from the engine instead.

export const texts = {
  title: 'Vantrel',
  loading: 'Loading the organisms…',
  loadFailed: 'The organisms could not be loaded:',
  // The same sentence as the page's <noscript>, for a browser without WebAssembly.
  needs: 'Vantrel needs JavaScript and WebAssembly: please turn them on or use a newer browser.',
  // The program's own messages carry the application's title as their caption.
  messageTitle: 'Vantrel',
  ok: 'OK',
  newGenePool: { label: 'New', name: 'Start with a totally new genepool (N)' },
  idea: { label: 'Idea', name: 'Get an idea to create an organism' },
  experiments: { label: 'Experiment', name: 'Experiment with Vantrel' },
  feed: { label: 'Feed', name: 'Feed this organism (F)' },
  shoot: { label: 'Kill', name: 'Kill this organism (S)' },
  advanced: { name: 'Advanced options', collapsed: '>>', expanded: '<<' },
  open: 'Open',
  save: 'Save',
  undo: { label: 'Undo', name: 'Undo (Ctrl+Z)' },
  redo: { label: 'Redo', name: 'Redo (Ctrl+Shift+Z)' },
  health: 'Health of organism',
  organismPicture: 'The organism shown',
  noOrganism: 'No organism',
  tableCaption: 'The organisms',
  columns: ['ID', 'P1', 'P2', 'DNA', 'Survival'],
  parameters: 'Parameters',
  startWith: 'Start with',
  organisms: 'organisms',
  creativity: 'Amount of creativity',
  percent: '%',
  bonus: 'Survival bonus',
  yetAnother: 'Yet another',
  maker: 'Quorvane',
  creation: 'creation!',
  homePage: 'Vantrel Homepage',
  newTab: '(opens in a new tab)',
  savedName: 'organisms.str',
  population: {
    // The desktop's tooltip says "See the whole population (G)"; the name holds the
    // button's visible word, as speech input needs.
    view: { label: 'View', name: 'View the whole population (G)' },
    title: 'Population',
    pictures: 'The organisms’ pictures',
    size: { label: 'Size', name: 'Picture size', tooltip: 'Picture size (Ctrl+wheel)' },
    close: 'Close',
    oneOrganism: '1 organism',
    // Before each caption's survival value, as the desktop marks it.
    survivalMark: '\u2665 ',
  },
  // The automatic runs, in the words of the desktop's "Run automatically" page; each field
  // names the vantrel-lab option it stands for, whose words and limits it takes.
  autoruns: {
    open: 'Run automatically…',
    title: 'Run automatically',
    close: 'Close',
    goal: 'Goal (--goal), one per line',
    goalExample: 'shape=square,spokes=yes',
    conditions: 'Conditions',
    population: 'Population (--population)',
    creativity: 'Creativity (--creativity)',
    bonus: 'Bonus (--bonus)',
    strictness: 'Strictness (--strictness)',
    strictnessTip:
      'How often the judge goes by the goal: 0.9 shoots a hit or feeds a miss once in ten clicks',
    listTip: 'Several values separated by commas make a condition each',
    runsBox: 'Runs',
    runs: 'Runs per condition (--runs)',
    maxClicks: 'Most clicks per run (--max-clicks)',
    maxClicksTip: 'A run that is not stable by then counts as not reached',
    seed: 'Seed (--seed)',
    seedTip: 'The same seed and choices give the same runs',
    warmupGoal: 'Warm-up goal (--warmup-goal)',
    warmupClicks: 'Warm-up clicks (--warmup-clicks)',
    run: 'Run',
    cancel: 'Cancel',
    export: 'Export runs…',
    exportName: 'runs.csv',
    progress: (done: number, total: number) => `${String(done)} of ${String(total)} runs`,
    plan: (goals: string, conditions: number, runs: number, total: number, threads: number) =>
      `Goal ${goals}: ${String(conditions)} condition${conditions === 1 ? '' : 's'} × ` +
      `${String(runs)} runs = ${String(total)} runs on ${String(threads)} threads.`,
    playing: (total: number) => `Playing ${String(total)} runs…`,
    finished: (count: number, seconds: string) => `${String(count)} runs in ${seconds} s.`,
    cancelled: (seconds: string, count: number, total: number) =>
      `Cancelled after ${seconds} s: ${String(count)} of ${String(total)} runs finished.`,
    failed: (message: string) => `A worker stopped: ${message}`,
    chartTitle: 'Clicks to stable per condition (automatic runs)',
    axis: 'clicks to stable',
    condition: (number: number) => `Condition ${String(number)}`,
    stable: (stable: number, runs: number) => `${String(stable)}/${String(runs)} stable`,
    box: (number: number, stable: number, runs: number, five: string) =>
      `Condition ${String(number)}: ${String(stable)} of ${String(runs)} runs stable` +
      (stable > 0 ? `, clicks ${five} (fewest / q1 / median / q3 / most)` : ''),
    summary: 'Summary',
    noRuns: 'No automatic runs yet: choose a goal and the conditions, then press Run.',
  },
} as const;
