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
  notebook: {
    // The desktop's Lab button shows "Lab"; its tooltip names the key.
    open: { label: 'Lab', name: 'Open the lab notebook (L)' },
    title: 'Lab notebook',
    close: 'Close',
    goal: 'Goal',
    noRun: 'No run yet',
    run: 'Run',
    byHand: 'by hand',
    automatic: 'automatic',
    started: 'started',
    utc: 'UTC',
    noGoal: 'No goal: press the light bulb for an idea.',
    notes: {
      notJudged:
        'The program cannot judge these words: only you can end this run (Reached, key R).',
      unreachable:
        'No organism the genes can make meets this goal: only you can end this run (Reached, key R).',
    },
    counters: ['Feeds', 'Shots', 'Clicks', 'First match', 'Stable'],
    noClick: '–',
    byYou: ' (you)',
    onScreen: 'On screen',
    met: '✓',
    notMet: '✗',
    metWord: 'met',
    notMetWord: 'not met',
    nothingToJudge: 'Nothing to judge without a goal.',
    judgesNone: 'The program judges none of its words.',
    reached: {
      label: 'Reached',
      name: 'Say the goal is reached at this click (R)',
      noGoal: 'No goal to reach: press the light bulb for an idea first',
    },
    exportRuns: { label: 'Export runs…', name: 'Write every run to a CSV file (Ctrl+E)' },
    toSpreadsheet: {
      label: 'To spreadsheet',
      name: 'Open the run table in the spreadsheet, as a workbook of its own',
    },
    thisRun: 'This run',
    plots: [
      'Share meeting the goal (%)',
      'Distinct DNA strings',
      'Mean diversity (bits per DNA digit)',
    ],
    clicks: 'clicks',
    click: 'click',
    firstMatch: 'first match',
    stable: 'stable',
    atClick: 'at click',
    from: 'from',
    to: 'to',
    numbers: 'The numbers',
    compareRuns: 'Compare runs',
    compareTitle: 'Finished runs by hand',
    clicksToFirstMatch: 'clicks to first match',
    clicksToStable: 'clicks to stable',
    noMatch: 'no match',
    notStable: 'not stable',
    population: 'pop',
    creativity: 'cr',
    bonus: 'bonus',
    noRunOver:
      'No run is over yet. A run ends with a new gene pool, a load or a new idea, or when it is reached; then it shows here.',
    lastRuns: (shown: number, total: number) =>
      `The last ${String(shown)} of ${String(total)} runs by hand. Automatic runs are under \u201cRun automatically\u201d.`,
    runsOldestFirst:
      'Runs by hand, oldest first. * a parameter changed during the run. Automatic runs are under \u201cRun automatically\u201d.',
  },
} as const;
