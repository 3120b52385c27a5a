// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the page shows, in one place, as the desktop program words them. Texts the
// engine already holds (ideas, the organism in words, file messages, the experiments
// help, the link addresses) come from the engine instead. The English texts are the keys
// of the translations: translateTexts() puts each text's translation in its place, and
// the sentences with numbers take their template from the catalogue when they are made.
import { fill, formatDateTime, formatNumber, tr, trN } from './catalogue';

const english = {
  title: 'Vantrel',
  // The name of the language choice.
  language: 'Language',
  loading: 'Loading the organisms…',
  loadFailed: 'The organisms could not be loaded:',
  // The same sentence as the page's <noscript>, for a browser without WebAssembly.
  needs: 'Vantrel needs JavaScript and WebAssembly: please turn them on or use a newer browser.',
  // The program's own messages carry the application's title as their caption.
  messageTitle: 'Vantrel',
  ok: 'OK',
  yes: 'Yes',
  no: 'No',
  // A button's `label` is its visible word and its name; its `name` is the desktop's
  // tooltip, which describes it.
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
    // The file is named after the sheet, which the engine names.
    fileName: 'organisms.xlsx',
    type: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
  },
  drop: {
    hint: 'Drop the table file to open it',
    // Open takes one file, as the desktop's file dialog does.
    several: 'Drop to open the first of these files',
  },
  opening: (name: string) => fill(tr('Opening %1…'), name),
  tooLarge: (name: string, megabytes: number) =>
    fill(
      tr('File %1 is too large to open here: the page opens table files of up to %2 MB.'),
      name,
      formatNumber(megabytes),
    ),
  population: {
    // The desktop's tooltip says "See the whole population (G)"; the page's begins with
    // the button's word.
    view: { label: 'View', name: 'View the whole population (G)' },
    title: 'Population',
    pictures: 'The organisms’ pictures',
    size: { label: 'Size', tooltip: 'Picture size (Ctrl+wheel)' },
    close: 'Close',
    // Before each caption's survival value, as the desktop marks it.
    survivalMark: '\u2665 ',
  },
  familyTree: {
    // The desktop opens the tree from its menu; the page has a button, with the key T.
    show: { label: 'Family tree', name: 'Show the family tree (T)' },
    close: 'Close',
    cards: 'The organism and its ancestors',
    dna: 'DNA',
  },
  share: {
    label: 'Share…',
    title: 'Share',
    note: 'This address holds the population and its parameters. Whoever opens it can breed on from here.',
    address: 'Address',
    copy: 'Copy',
    copied: 'Copied.',
    copyFailed: 'The address could not be copied: select it and copy it yourself.',
    close: 'Close',
    tooLarge: 'This population is too large for a link. Use Save instead.',
    notAPopulation: 'This link does not hold a Vantrel population.',
  },
  lesson: {
    prepare: 'Prepare a lesson…',
    title: 'Prepare a lesson',
    note: 'Every pupil who opens this link starts from the same population, with the same goal.',
    lessonTitle: 'Title',
    start: 'Start (time of day, UTC)',
    goal: 'Goal',
    // The goal words stay as vantrel-lab --goal takes them; this is the choice of none.
    anyWord: '(any)',
    experiment: 'Experiment help opened first',
    none: 'None',
    lock: 'Lock parameters',
    link: 'Link',
    copy: 'Copy',
    copied: 'Copied.',
    copyFailed: 'The link could not be copied: select it and copy it yourself.',
    qr: 'QR code of the link',
    close: 'Close',
  },
  classResults: {
    open: 'Class results…',
    title: 'Class results',
    choose: 'Choose runs files…',
    drop: 'Or drop the pupils’ runs files here.',
    skipped: 'Named and skipped',
    otherLesson: 'Another lesson',
    saveSummary: 'Save summary',
    saveCsv: 'Save pooled runs',
    saveWorkbook: 'To spreadsheet',
    close: 'Close',
    summaryName: 'class-summary.txt',
    pooledName: 'class-runs.csv',
    workbookName: 'class-runs.xlsx',
    tooLarge: (name: string): string => fill(tr('%1 is too large to pool.'), name),
  },
  // The notebook's field for whose runs these are.
  pupil: 'Name',
  worksheet: 'Print worksheet',
  notebook: {
    // The desktop's Lab button shows "Lab"; its tooltip names the key.
    open: { label: 'Lab', name: 'Open the lab notebook (L)' },
    title: 'Lab notebook',
    close: 'Close',
    goal: 'Goal',
    run: 'Run',
    counters: ['Feeds', 'Shots', 'Clicks', 'First match', 'Stable'],
    noClick: '–',
    onScreen: 'On screen',
    met: '✓',
    notMet: '✗',
    metWord: 'met',
    notMetWord: 'not met',
    reached: {
      label: 'Reached',
      name: 'Say the goal is reached at this click (R)',
      noGoal: 'No goal to reach: press the light bulb for an idea first',
    },
    exportRuns: { label: 'Export runs', name: 'Write every run to a CSV file (Ctrl+E)' },
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
    numbers: 'The numbers',
    compareRuns: 'Compare runs',
    compareTitle: 'Finished runs by hand',
    clicksToFirstMatch: 'clicks to first match',
    clicksToStable: 'clicks to stable',
    // A value at a click, and a plot's course from its first to its last value.
    valueAtClick: (value: string, click: number) =>
      fill(tr('%1 at click %2'), value, formatNumber(click)),
    course: (from: string, fromClick: number, to: string, toClick: number) =>
      fill(
        tr('from %1 at click %2 to %3 at click %4'),
        from,
        formatNumber(fromClick),
        to,
        formatNumber(toClick),
      ),
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
    learner: 'Learner after clicks (--learner)',
    learnerTip:
      "The judge's clicks before a learner trained on them plays on alone: a condition each, 0 for none; empty for no learner",
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
    export: 'Export runs',
    exportName: 'runs.csv',
    progress: (done: number, total: number) =>
      fill(trN('%1 of %2 run', '%1 of %2 runs', total), formatNumber(done), formatNumber(total)),
    plan: (goals: string, conditions: number, runs: number, total: number, threads: number) =>
      fill(
        tr('Goal %1: %2 × %3 runs = %4 runs on %5 threads.'),
        goals,
        trN('%n condition', '%n conditions', conditions),
        formatNumber(runs),
        formatNumber(total),
        formatNumber(threads),
      ),
    playing: (total: number) =>
      fill(trN('Playing %1 run…', 'Playing %1 runs…', total), formatNumber(total)),
    finished: (count: number, seconds: number) =>
      fill(
        trN('%1 run in %2 s.', '%1 runs in %2 s.', count),
        formatNumber(count),
        formatNumber(seconds, 1),
      ),
    cancelled: (seconds: number, count: number, total: number) =>
      fill(
        trN(
          'Cancelled after %1 s: %2 of %3 run finished.',
          'Cancelled after %1 s: %2 of %3 runs finished.',
          total,
        ),
        formatNumber(seconds, 1),
        formatNumber(count),
        formatNumber(total),
      ),
    failed: (message: string) => fill(tr('A worker stopped: %1'), message),
    chartTitle: 'Clicks to stable per condition (automatic runs)',
    axis: 'clicks to stable',
    box: (number: number, stable: number, runs: number, five: string) =>
      stable > 0
        ? fill(
            tr('Condition %1: %2 of %3 runs stable, clicks %4 (fewest / q1 / median / q3 / most)'),
            formatNumber(number),
            formatNumber(stable),
            formatNumber(runs),
            five,
          )
        : fill(
            tr('Condition %1: %2 of %3 runs stable'),
            formatNumber(number),
            formatNumber(stable),
            formatNumber(runs),
          ),
    summary: 'Summary',
    comparison: 'Comparison with condition 1',
    noRuns: 'No automatic runs yet: choose a goal and the conditions, then press Run.',
    joined: (first: number, last: number) =>
      ' ' +
      (first === last
        ? fill(tr('It joined the run table as run %1.'), formatNumber(first))
        : fill(
            tr('They joined the run table as runs %1 to %2.'),
            formatNumber(first),
            formatNumber(last),
          )),
  },
  pictures: {
    // The menus of the big drawing and of the population's pictures, as the desktop's.
    menu: 'Picture',
    copy: 'Copy picture',
    saveAs: 'Save picture as…',
    saveAll: 'Save all as one picture…',
    familyTree: 'Family tree',
    // The save dialogs' captions and the name offered for the population's picture.
    saveTitle: 'Save picture as',
    saveAllTitle: 'Save all as one picture',
    sheetName: 'population.png',
    format: 'Format',
    save: 'Save',
    cancel: 'Cancel',
    copyFailed: 'The picture could not be copied:',
    noPng: 'The browser could not make a PNG image.',
    // At the foot of an organism drawn with the invisible pen.
    invisible: 'invisible',
  },
  journal: {
    // The desktop's journal texts name a folder or a file; the page's journal lives here.
    where: 'this browser’s storage',
    refused: 'the browser refused it',
    // How the journal's messages name a run the page kept.
    run: (started: number): string => fill(tr('of the run started %1'), formatDateTime(started)),
    restoreLastRun: {
      label: 'Restore',
      name: 'Restore the population of the last program run (Alt+Shift+R)',
    },
  },
} as const;

// Texts that name files, their types or marks: they stay as they are in every language,
// as file formats never change with it.
const kKept = new Set([
  'title',
  'messageTitle',
  'maker',
  'percent',
  'savedName',
  'advanced.collapsed',
  'advanced.expanded',
  'excel.label',
  'excel.fileName',
  'excel.type',
  'population.survivalMark',
  'notebook.noClick',
  'notebook.met',
  'notebook.notMet',
  'autoruns.goalExample',
  'autoruns.exportName',
  'pictures.sheetName',
  'classResults.summaryName',
  'classResults.pooledName',
  'classResults.workbookName',
]);

// Texts whose English word means something else elsewhere on the page: their own context.
// ("Run" names a run in the notebook and starts the automatic runs.)
const kContexts = new Map([['autoruns.run', 'PageStart']]);

// The English texts with every string widened, so that a translation fits in its place.
type Widened<T> = T extends string
  ? string
  : T extends (...args: infer A) => infer R
    ? (...args: A) => R
    : T extends readonly (infer U)[]
      ? readonly Widened<U>[]
      : { readonly [K in keyof T]: Widened<T[K]> };

type Node = Record<string, unknown> | unknown[];

function copy<T>(value: T): T {
  if (Array.isArray(value)) return value.map((item: unknown) => copy(item)) as T;
  if (value && typeof value === 'object') {
    return Object.fromEntries(Object.entries(value).map(([k, v]) => [k, copy(v)])) as T;
  }
  return value;
}

// Every text of `target` as `source`'s English text reads in the language shown.
function translate(source: Node, target: Node, path: string): void {
  for (const [key, value] of Object.entries(source)) {
    const where = path ? `${path}.${key}` : key;
    if (typeof value === 'string') {
      (target as Record<string, unknown>)[key] = kKept.has(where)
        ? value
        : tr(value, kContexts.get(where));
    } else if (value && typeof value === 'object') {
      translate(value as Node, (target as Record<string, Node>)[key] as Node, where);
    }
  }
}

// The page's texts, in the language shown. Modules may keep a part of it (texts.notebook):
// a change of language replaces the texts inside, never the objects.
export const texts: Widened<typeof english> = copy(english);

// Puts every text of `texts` in the language of the catalogue in use (see catalogue.ts).
export function translateTexts(): void {
  translate(english, texts as unknown as Node, '');
}
