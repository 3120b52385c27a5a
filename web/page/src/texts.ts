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
  excel: {
    label: 'Excel',
    // The desktop names the sheet and the page names the file after it.
    sheet: 'Organisms',
    fileName: 'organisms.xlsx',
    type: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
  },
  drop: {
    hint: 'Drop the table file to open it',
    // Open takes one file, as the desktop's file dialog does.
    several: 'Drop to open the first of these files',
  },
  opening: 'Opening',
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
} as const;
