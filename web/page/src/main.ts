// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the organism shown and its health, the buttons of the desktop's main window,
// and behind "Advanced options" the organism table, the file and history buttons, the
// parameters and the links. Every click or key goes to the engine; what the engine says
// changed is drawn again.
import type { Change, Engine } from 'vantrel-engine';
import { dialogOpen, showMessage } from './dialog';
import { showExperiments } from './experiments';
import { acceptDrops } from './drop';
import { makeFilePicker, saveTable, saveWorkbook, setLargestTableFile } from './files';
import type { TableReader } from './files';
import { OrganismGrid } from './grid';
import { isRestoreKey, programKey, takesTyping } from './keys';
import type { KeyAction } from './keys';
import { readyMemory } from './memory_ready';
import { nextTask } from './next_task';
import { TableOpener } from './open_table';
import { ParameterBoxes } from './parameters';
import { keepOffline } from './offline';
import { NotebookView } from './notebook';
import { setRunsFileName } from './runs_export';
import { PopulationView } from './population';
import { openLinkedPopulation, sharePopulation } from './share';
import { FamilyTreeView } from './tree';
import { PageJournal } from './journal';
import { drawOrganism, kFirstOrganismMark, kPictureSize } from './picture';
import { timeStep } from './step_timing';
import { onMenuRequest } from './context_menu';
import { framedWithHint } from './invisible_hint';
import { showPictureMenu } from './picture_menus';
import { texts } from './texts';
import { catalogueBytes, rememberLanguage, speakOnPage, startLanguage } from './language';
import { textBeforeEngine } from './catalogue';
import { kStartTable } from './start_table';
import { languageChoice } from './language_choice';
import type { VantrelEngineModule } from 'vantrel-engine';
import { AutoRunPanel } from './autoruns';
import { startAutoRunWorker } from 'autorun-workers';
import { compileEngine } from './engine_compile';
import { unpacked } from './packed';
import { startEngine } from './engine_start';
import engineWasm from 'vantrel-engine-files/vantrel_engine.wasm?url';
import { switchControls } from './focus_handoff';
import starIcon from 'vantrel-icons/star.svg?url';
import bulbIcon from 'vantrel-icons/bulb.svg?url';
import tubesIcon from 'vantrel-icons/tubes.svg?url';
import carrotIcon from 'vantrel-icons/carrot.svg?url';
import pistolIcon from 'vantrel-icons/pistol.svg?url';

// A button named by its visible word, as speech input calls it, with the desktop's
// longer tooltip as its description, and the desktop's picture before the word where
// the desktop's button has one.
function button(
  label: string,
  tooltip: string,
  act: () => void,
  keys = '',
  icon = '',
): HTMLButtonElement {
  const element = document.createElement('button');
  element.type = 'button';
  if (icon) {
    element.className = 'with-icon';
    const picture = document.createElement('img');
    picture.className = 'button-icon';
    picture.src = icon;
    picture.alt = '';
    picture.width = picture.height = 24;
    element.append(picture);
  }
  element.append(label);
  if (tooltip !== label) element.title = tooltip;
  if (keys) element.setAttribute('aria-keyshortcuts', keys);
  element.addEventListener('click', act);
  return element;
}

function link(text: string, address: string): HTMLAnchorElement {
  const anchor = document.createElement('a');
  anchor.href = address;
  anchor.target = '_blank';
  anchor.rel = 'noopener noreferrer';
  anchor.textContent = text;
  const note = document.createElement('span');
  note.className = 'visually-hidden';
  note.textContent = ` ${texts.newTab}`;
  anchor.append(note);
  return anchor;
}

function section(className: string, ...children: (Node | string)[]): HTMLDivElement {
  const element = document.createElement('div');
  element.className = className;
  element.append(...children);
  return element;
}

// What the page keeps while its views are made anew in another language: the engine
// with the population, its history and the notebook, the journal and the drop target.
interface Kept {
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
  key(event: KeyboardEvent): void;
  // Opens again in the new page what was open in this one.
  views(): { advanced: boolean; panels: string[] };
}

// The language the page starts in, for what it shows before the engine runs.
let startCode = 'en';

async function start(app: HTMLElement): Promise<void> {
  app.setAttribute('aria-busy', 'true');
  const code = startLanguage();
  startCode = code;
  const compiling = compileEngine(engineWasm, unpacked);
  app.textContent = textBeforeEngine(kStartTable, code, texts.loading);
  // The catalogue comes while the WebAssembly compiles.
  const catalogue = await catalogueBytes(code);
  const compiled = await compiling;
  const vantrel = await startEngine(compiled);
  speakOnPage(vantrel, code, catalogue);
  // Seeded from the clock, as the desktop program seeds itself.
  const engine: Engine = new vantrel.Engine();

  const kept = { app, compiled, vantrel, engine } as Kept;
  // Every step goes to the journal after the frame that shows it.
  kept.journal = new PageJournal(engine, vantrel, (change) => kept.page.show(change));
  kept.dropHint = acceptDrops(app, {
    load: (bytes, name) => kept.page.reader.load(bytes, name),
    cannotOpen: (name) => kept.page.reader.cannotOpen(name),
    notAFile: (name) => kept.page.reader.notAFile(name),
    tooLarge: (name) => kept.page.reader.tooLarge(name),
  });
  setLargestTableFile(vantrel.largestTableFile());
  document.addEventListener('keydown', (event) => kept.page.key(event));
  makePage(kept);
  performance.mark(kFirstOrganismMark);
  // A population sent as a link comes first, before anything else the page offers; the
  // page goes on whatever the link holds.
  await openLinkedPopulation(engine, (change) => kept.page.show(change)).catch(() => undefined);
  app.setAttribute('aria-busy', 'false');
  // The journal opens once the first organism is shown; then a run that ended
  // unexpectedly is offered, after anything else the page shows at start.
  await kept.journal.start();
  await kept.journal.offerCrashedRun();
}

// Switches the page to language `code` in place: the engine keeps the population, its
// undo history and the notebook's runs; only the views are made again, with what was
// open opened again and the focus back on the language choice.
async function changeLanguage(kept: Kept, code: string): Promise<void> {
  rememberLanguage(code);
  speakOnPage(kept.vantrel, code, await catalogueBytes(code));
  makePage(kept, kept.page.views());
  document.getElementById('language')?.focus();
}

// The page's views, made in the language shown, in place of any made before.
function makePage(kept: Kept, views = { advanced: false, panels: [] as string[] }): void {
  const { app, compiled, vantrel, engine, journal, dropHint } = kept;
  const heading = document.createElement('h1');
  heading.textContent = texts.title;
  const canvas = document.createElement('canvas');
  canvas.className = 'picture';
  canvas.setAttribute('role', 'img');
  // Focusable, for the picture menu's keys.
  canvas.tabIndex = 0;
  canvas.setAttribute('aria-keyshortcuts', 'Shift+F10');
  const framed = framedWithHint(canvas);
  const health = document.createElement('span');
  health.className = 'health-value';
  const healthLabel = document.createElement('span');
  healthLabel.textContent = `${texts.health} `;
  // The organism in words, read out after each step without interrupting.
  const spoken = document.createElement('p');
  spoken.className = 'visually-hidden';
  spoken.setAttribute('aria-live', 'polite');

  const parameters = new ParameterBoxes(engine, vantrel.limits());
  const grid = new OrganismGrid(engine, (row) => show(engine.selectRow(row)));
  const population = new PopulationView(engine, vantrel, (row) => show(engine.selectRow(row)));
  onMenuRequest(canvas, (at) => {
    showPictureMenu(vantrel, engine, engine.selectedRow(), at.x, at.y, false);
  });
  population.penInvisible = (dna) => vantrel.penInvisible(dna);

  const tree = new FamilyTreeView(engine, vantrel.familyTreeTexts(), vantrel.pictureSide, (row) =>
    show(engine.selectRow(row)),
  );
  // A picture of the population view also offers its organism's family tree, shown as
  // the desktop shows it: the organism selected, then its tree.
  population.pictureMenu = (row, x, y) =>
    showPictureMenu(vantrel, engine, row, x, y, true, (chosen) => {
      show(engine.selectRow(chosen));
      tree.open();
    });
  const notebook = new NotebookView(engine, () => act('reached'));
  setRunsFileName(vantrel.runsFileName());

  const feed = button(texts.feed.label, texts.feed.name, () => act('feed'), 'F', carrotIcon);
  const shoot = button(texts.shoot.label, texts.shoot.name, () => act('shoot'), 'S', pistolIcon);
  const newGenePool = button(
    texts.newGenePool.label,
    texts.newGenePool.name,
    () => act('newGenePool'),
    'N',
    starIcon,
  );
  const undo = button(texts.undo.label, texts.undo.name, () => act('undo'), 'Control+Z');
  const redo = button(
    texts.redo.label,
    texts.redo.name,
    () => act('redo'),
    'Control+Shift+Z Control+Y',
  );

  const restoreLastRun = (): void => void journal.restoreLastRun();

  const showOrganism = (): void => {
    const selected = engine.selectedRow();
    const organism = selected > 0 ? engine.rows(selected, 1)[0] : undefined;
    health.textContent = organism?.survival ?? '0';
    const words = organism ? engine.organismWords() : texts.noOrganism;
    canvas.setAttribute('aria-label', `${texts.organismPicture}: ${words}`);
    spoken.textContent = words;
    framed.show(organism !== undefined && vantrel.penInvisible(organism.dna));
    drawOrganism(canvas, engine, vantrel.pictureSide(kPictureSize, window.devicePixelRatio));
  };
  const showButtons = (): void => {
    const counters = engine.counters();
    const organisms = engine.rowCount() > 0;
    // Undo at the start of the history hands the focus to Redo, and back; Feed and Kill
    // to New, which makes a population again.
    switchControls([
      { control: undo, enabled: counters.canUndo, heir: () => redo },
      { control: redo, enabled: counters.canRedo, heir: () => undo },
      { control: feed, enabled: organisms, heir: () => newGenePool },
      { control: shoot, enabled: organisms, heir: () => newGenePool },
    ]);
  };
  const show = (change: Change): void => {
    if (change.table || change.selection) {
      grid.update();
      population.update();
      tree.update();
      showOrganism();
    }
    if (change.parameters) parameters.show(engine.parameters());
    showButtons();
    notebook.update();
    journal.queue(change);
  };
  const actions: Record<KeyAction, () => Change> = {
    feed: () => engine.feed(),
    shoot: () => engine.shoot(),
    newGenePool: () => {
      parameters.commit();
      return engine.newGenePool();
    },
    undo: () => engine.undo(),
    redo: () => engine.redo(),
    reached: () => engine.declareReached(),
  };
  const act = (action: KeyAction): void => show(actions[action]());

  const idea = (): void => {
    parameters.commit();
    show(engine.newIdea());
    void showMessage(engine.idea());
  };
  const say = (refusal: { message: string; errorReport: boolean }): void => {
    if (refusal.message) void showMessage(refusal.message, refusal.errorReport);
  };
  const opener = new TableOpener(
    (bytes, name) => {
      parameters.commit();
      const result = engine.loadTable(bytes, name);
      show(result.change);
      say(result);
      return result.status;
    },
    (fileBytes) => readyMemory((bytes) => new vantrel.MemoryReserve(bytes), fileBytes, nextTask),
  );
  const reader: TableReader = {
    load: (bytes, name) => opener.load(bytes, name),
    cannotOpen: (name) => say(vantrel.cannotOpen(name)),
    notAFile: (name) => say(vantrel.notAFile(name)),
    tooLarge: (name) =>
      void showMessage(texts.tooLarge(name, Math.floor(vantrel.largestTableFile() / 2 ** 20))),
  };
  const picker = makeFilePicker(reader);
  const excel = (): void => {
    void saveWorkbook(engine, vantrel.errorReport).then((problem) => {
      if (problem) void showMessage(problem, true);
    });
  };

  // The automatic runs, opened from the advanced options for now.
  const autoRuns = new AutoRunPanel(
    vantrel,
    () => startAutoRunWorker(compiled),
    () => engine.goalList(),
  );
  const autoRunsButton = button(texts.autoruns.open, texts.autoruns.open, () => autoRuns.open());
  autoRunsButton.id = 'autoruns-open';
  autoRunsButton.setAttribute('aria-controls', autoRuns.element.id);
  // As on the desktop, the automatic runs are part of the lab notebook, and their runs
  // join its run table.
  notebook.automaticRuns.append(autoRunsButton);
  autoRuns.onRunsFinished = ({ csv }) => {
    const joined = engine.addRuns(csv);
    if (joined.count > 0) autoRuns.noteJoined(joined.first, joined.first + joined.count - 1);
    notebook.update();
  };

  const advancedId = 'advanced';
  const advancedButton = button(texts.advanced.name, texts.advanced.name, () => {
    const open = advanced.hidden;
    advanced.hidden = !open;
    advancedButton.setAttribute('aria-expanded', String(open));
    marker.textContent = open ? texts.advanced.expanded : texts.advanced.collapsed;
    if (open) grid.update();
  });
  const marker = document.createElement('span');
  marker.setAttribute('aria-hidden', 'true');
  marker.className = 'marker';
  marker.textContent = texts.advanced.collapsed;
  advancedButton.append(' ', marker);
  advancedButton.setAttribute('aria-expanded', 'false');
  advancedButton.setAttribute('aria-controls', advancedId);
  advancedButton.className = 'advanced-button';

  const links = vantrel.webLinks();
  const advanced = section(
    'advanced',
    grid.element,
    section(
      'buttons',
      button(texts.open, texts.open, () => picker.click()),
      button(texts.save, texts.save, () => saveTable(engine)),
      button(texts.share.label, texts.share.label, () => {
        parameters.commit();
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
      picker,
    ),
    parameters.element,
    section(
      'links',
      section(
        '',
        `${texts.yetAnother} `,
        link(texts.maker, links.makerHomePage),
        ` ${texts.creation}`,
      ),
      link(texts.homePage, links.productPage),
    ),
  );
  advanced.id = advancedId;
  advanced.hidden = true;

  const stage = section(
    'stage',
    framed.element,
    section(
      'buttons',
      newGenePool,
      button(texts.idea.label, texts.idea.name, idea, '', bulbIcon),
      button(
        texts.experiments.label,
        texts.experiments.name,
        () => void showExperiments(vantrel.experimentsHelp()),
        '',
        tubesIcon,
      ),
    ),
    section('health', healthLabel, health),
    section(
      'buttons',
      feed,
      shoot,
      advancedButton,
      button(texts.population.view.label, texts.population.view.name, () => population.open(), 'G'),
      button(texts.familyTree.show.label, texts.familyTree.show.name, () => tree.open(), 'T'),
      button(texts.notebook.open.label, texts.notebook.open.name, () => notebook.open(), 'L'),
    ),
  );

  const key = (event: KeyboardEvent): void => {
    if (dialogOpen() || takesTyping(event.target)) return;
    if (isRestoreKey(event)) {
      event.preventDefault();
      restoreLastRun();
      return;
    }
    const action = programKey(event);
    if (!action) return;
    event.preventDefault();
    timeStep(event.timeStamp, () => act(action));
  };

  app.replaceChildren(
    section(
      'page-header',
      heading,
      languageChoice((code) => void changeLanguage(kept, code)),
    ),
    opener.status,
    section(
      'layout',
      stage,
      advanced,
      population.element,
      tree.element,
      notebook.element,
      autoRuns.element,
    ),
    spoken,
    dropHint,
  );
  const panels = { population, tree, notebook, autoRuns } as const;
  kept.page = {
    show,
    reader,
    key,
    views: () => ({
      advanced: !advanced.hidden,
      panels: Object.entries(panels)
        .filter(([, view]) => !view.element.hidden)
        .map(([name]) => name),
    }),
  };
  grid.update();
  showOrganism();
  showButtons();
  notebook.update();
  parameters.show(engine.parameters());
  if (views.advanced) advancedButton.click();
  for (const name of views.panels) panels[name as keyof typeof panels].open();
}

const app = document.getElementById('app');
if (app && typeof WebAssembly !== 'object') {
  app.textContent = texts.needs;
  // Then in the page's language.
  const code = startLanguage();
  app.textContent = textBeforeEngine(kStartTable, code, texts.needs);
  document.documentElement.lang = code === 'pseudo' ? 'en' : code;
} else if (app) {
  keepOffline();
  start(app).catch((error: unknown) => {
    app.textContent = `${textBeforeEngine(kStartTable, startCode, texts.loadFailed)} ${String(error)}`;
    app.setAttribute('aria-busy', 'false');
  });
}
