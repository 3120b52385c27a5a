// SPDX-License-Identifier: GPL-3.0-or-later
// The page's views, made in the language shown: each built by its own file, joined here to
// the controller (every action and what each view shows of a change) and to one keymap,
// which the views made before give up with their keys when the page is made again.
import type { Change, Engine, VantrelEngineModule } from 'vantrel-engine';
import { AdvancedOptions } from './advanced';
import { Controller } from './controller';
import { showMessage } from './dialog';
import { showExperiments } from './experiments';
import { makeFilePicker, saveTable, saveWorkbook } from './files';
import type { TableReader } from './files';
import { switchControls } from './focus_handoff';
import { OrganismGrid } from './grid';
import type { PageJournal } from './journal';
import { languageChoice } from './language_choice';
import { LearnerView } from './learner_view';
import { lessonTitle } from './lesson_title';
import { LazyPanel } from './lazy_panel';
import { OrganismView } from './organism_view';
import { pageKeys } from './page_keys';
import { type ActionName, kViewParts, pageActions, type ViewName } from './page_actions';
import { ParameterBoxes } from './parameters';
import { showPictureMenu } from './picture_menus';
import { PopulationView } from './population';
import { sharePopulation } from './share';
import { tableReader } from './table_reader';
import { texts } from './texts';
import { button, section } from './widgets';
import starIcon from 'vantrel-icons/star.svg?url';
import bulbIcon from 'vantrel-icons/bulb.svg?url';
import tubesIcon from 'vantrel-icons/tubes.svg?url';
import carrotIcon from 'vantrel-icons/carrot.svg?url';
import pistolIcon from 'vantrel-icons/pistol.svg?url';

// What the page keeps while its views are made anew in another language: the engine
// with the population, its history and the notebook, the journal and the drop target.
export interface Kept {
  app: HTMLElement;
  compiled: WebAssembly.Module;
  vantrel: VantrelEngineModule;
  engine: Engine;
  journal: PageJournal;
  dropHint: HTMLElement;
  // Set by each page made: what the kept parts hand on to it.
  page: PageParts;
}

// The hooks of the page made last.
interface PageParts {
  show(change: Change): void;
  reader: TableReader;
  // Opens again in the new page what was open in this one.
  views(): { advanced: boolean; panels: string[]; chances?: boolean };
  // Takes the page's keys away before another page is made.
  takeAway(): void;
}

type ChangeLanguage = (kept: Kept, code: string) => Promise<void>;

// Every part changed: what a page just made shows first.
const kEverything: Change = {
  table: true,
  selection: true,
  run: true,
  counters: true,
  parameters: true,
  learner: true,
};

// Makes the page's views in place of any made before, with `views` open; resolves once
// those are open (a panel not loaded yet opens when its part has come).
export async function makePage(
  kept: Kept,
  changeLanguage: ChangeLanguage,
  views: { advanced: boolean; panels: string[]; chances?: boolean } = {
    advanced: false,
    panels: [],
  },
): Promise<void> {
  const { app, compiled, vantrel, engine, journal, dropHint } = kept;
  kept.page?.takeAway();
  const heading = document.createElement('h1');
  heading.textContent = texts.title;

  const parameters = new ParameterBoxes(engine, vantrel.limits());
  const commitParameters = (): void => parameters.commit();
  const controller = new Controller<ActionName>(
    pageActions({ engine, commitParameters, showIdea: (idea) => void showMessage(idea) }),
  );
  const act = (name: ActionName): void => void controller.act(name);
  const select = (row: number): void => controller.show(engine.selectRow(row));

  // "What you select for" in the notebook; its toggle shows the chances on the big picture
  // and in the population view.
  const learner = new LearnerView(
    vantrel,
    engine,
    (change) => controller.show(change),
    () => {
      organism.refresh();
      population.update();
    },
  );
  const organism = new OrganismView(vantrel, engine, learner.chances);
  const grid = new OrganismGrid(engine, select);
  const population = new PopulationView(engine, vantrel, select);
  population.penInvisible = (dna) => vantrel.penInvisible(dna);
  population.chanceText = (row) => (learner.chances.shown ? engine.chanceKeptText(row) : '');
  // The family tree, the lab notebook and the automatic runs are loaded and made when
  // first opened.
  const tree = new LazyPanel(
    () =>
      import('./tree').then(
        ({ FamilyTreeView }) =>
          new FamilyTreeView(engine, vantrel.familyTreeTexts(), vantrel.pictureSide, select),
      ),
    'T',
  );
  // A picture of the population view also offers its organism's family tree, shown as
  // the desktop shows it: the organism selected, then its tree.
  population.pictureMenu = (row, x, y) =>
    showPictureMenu(vantrel, engine, row, x, y, true, (chosen) => {
      select(chosen);
      tree.open();
    });
  // The notebook holds the automatic runs' button and the class's parts, so the three
  // come together, whichever is opened first.
  let lab: ReturnType<typeof makeLab> | undefined;
  const makeLab = async () => {
    const [{ NotebookView }, { notebookAutoRuns }, { notebookClassParts }] = await Promise.all([
      import('./notebook'),
      import('./notebook_auto_runs'),
      import('./notebook_class'),
    ]);
    const made = new NotebookView(engine, () => act('reached'), learner);
    const parts = { notebook: made, autoRuns: notebookAutoRuns(vantrel, compiled, engine, made) };
    notebookClassParts(vantrel, engine, made);
    void notebook.load();
    void autoRuns.load();
    return parts;
  };
  const notebook = new LazyPanel(async () => (await (lab ??= makeLab())).notebook, 'L');
  const autoRuns = new LazyPanel(async () => (await (lab ??= makeLab())).autoRuns);

  // The buttons of an action in the table, with its keys.
  const actionButton = (
    name: ActionName,
    words: { label: string; name: string },
    icon = '',
  ): HTMLButtonElement =>
    button(words.label, words.name, () => act(name), controller.actions[name].keys, icon);
  const feed = actionButton('feed', texts.feed, carrotIcon);
  const shoot = actionButton('shoot', texts.shoot, pistolIcon);
  const newGenePool = actionButton('newGenePool', texts.newGenePool, starIcon);
  const undo = actionButton('undo', texts.undo);
  const redo = actionButton('redo', texts.redo);
  // Undo at the start of the history hands the focus to Redo, and back; Feed and Kill to
  // New, which makes a population again.
  const showButtons = (): void =>
    switchControls([
      { control: undo, enabled: controller.enabled('undo'), heir: () => redo },
      { control: redo, enabled: controller.enabled('redo'), heir: () => undo },
      { control: feed, enabled: controller.enabled('feed'), heir: () => newGenePool },
      { control: shoot, enabled: controller.enabled('shoot'), heir: () => newGenePool },
    ]);

  const restoreLastRun = (): void => void journal.restoreLastRun();
  const { reader, opener } = tableReader({
    vantrel,
    engine,
    commitParameters,
    show: (change) => controller.show(change),
  });
  const picker = makeFilePicker(reader);
  const excel = (): void => {
    void saveWorkbook(engine, vantrel.errorReport).then((problem) => {
      if (problem) void showMessage(problem, true);
    });
  };

  const lesson = lessonTitle(engine);
  controller.addView({ shows: ['run'], refresh: lesson.update });

  const advanced = new AdvancedOptions({
    grid,
    buttons: [
      button(texts.open, texts.open, () => picker.click()),
      button(texts.save, texts.save, () => saveTable(engine)),
      button(texts.share.label, texts.share.label, () => {
        commitParameters();
        void sharePopulation(engine);
      }),
      undo,
      redo,
      button(
        texts.journal.restoreLastRun.label,
        texts.journal.restoreLastRun.name,
        restoreLastRun,
        'Alt+Shift+R',
      ),
      button(texts.excel.label, texts.excel.label, excel),
      Object.assign(
        button(texts.lesson.prepare, texts.lesson.prepare, () => {
          commitParameters();
          void import('./lesson_dialog').then(({ prepareLesson }) =>
            prepareLesson(vantrel, engine),
          );
        }),
        { id: 'lesson-prepare' },
      ),
      picker,
    ],
    parameters: parameters.element,
    links: vantrel.webLinks(),
  });

  const stage = section(
    'stage',
    organism.picture,
    section(
      'buttons',
      newGenePool,
      actionButton('idea', texts.idea, bulbIcon),
      button(
        texts.experiments.label,
        texts.experiments.name,
        () => void showExperiments(vantrel.experimentsHelp()),
        '',
        tubesIcon,
      ),
    ),
    section('health', ...organism.health),
    section(
      'buttons',
      feed,
      shoot,
      advanced.button,
      button(texts.population.view.label, texts.population.view.name, () => population.open(), 'G'),
      button(texts.familyTree.show.label, texts.familyTree.show.name, () => tree.open(), 'T'),
      button(texts.notebook.open.label, texts.notebook.open.name, () => notebook.open(), 'L'),
    ),
  );

  // Each view's refresh, for the parts of a change it shows (page_actions.ts).
  const refresh: Record<ViewName, (change: Change) => void> = {
    grid: () => grid.update(),
    population: () => population.update(),
    tree: () => tree.update(),
    organism: () => organism.refresh(),
    parameters: () => parameters.show(engine.parameters()),
    buttons: showButtons,
    notebook: () => notebook.update(),
    journal: (change) => journal.queue(change),
  };
  for (const [name, shows] of Object.entries(kViewParts))
    controller.addView({ shows, refresh: refresh[name as ViewName] });

  const keymap = pageKeys({
    controller,
    restoreLastRun,
    panels: [
      population,
      tree,
      notebook,
      { bindKeys: (keys) => learner.bindKeys(keys, () => notebook.open()) },
    ],
    escapeFirst: { applies: () => learner.isJudging, act: () => learner.stopJudging() },
  });

  app.replaceChildren(
    section(
      'page-header',
      heading,
      lesson.element,
      languageChoice((code) => void changeLanguage(kept, code)),
    ),
    opener.status,
    section(
      'layout',
      stage,
      advanced.element,
      population.element,
      tree.element,
      notebook.element,
      autoRuns.element,
    ),
    organism.spoken,
    dropHint,
  );
  const panels = { population, tree, notebook, autoRuns } as const;
  kept.page = {
    show: (change) => controller.show(change),
    reader,
    views: () => ({
      advanced: advanced.isOpen,
      chances: learner.chances.shown,
      panels: Object.entries(panels)
        .filter(([, view]) => view.isOpen)
        .map(([name]) => name),
    }),
    takeAway: () => {
      learner.stopJudging();
      keymap.takeAway();
    },
  };
  // Everything is new to the views just made; the journal has it already.
  for (const name of Object.keys(kViewParts) as ViewName[])
    if (name !== 'journal') refresh[name](kEverything);
  if (views.advanced) advanced.button.click();
  if (views.chances) learner.toggleChances();
  await Promise.all(views.panels.map((name) => panels[name as keyof typeof panels].open()));
}
