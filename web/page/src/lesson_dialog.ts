// SPDX-License-Identifier: GPL-3.0-or-later
// "Prepare a lesson…": the teacher's choices (title, start, parameters, goal, the
// experiment's help, locked parameters) give a link, to copy or to show as a QR code large
// enough to be read off a projector at the back of a classroom. The lesson's text and the
// link's fragment are the engine's; the page only deflates. Loaded when first asked for.
import qrcode from 'qrcode-generator';
import type { Engine, VantrelEngineModule } from 'vantrel-engine';
import { dialogButton, showDialog } from './dialog';
import { linkBase } from './share_link';
import { texts } from './texts';

declare const __VANTREL_LINK_BASE__: string;

const kSvg = 'http://www.w3.org/2000/svg';
const t = texts.lesson;

function labelled(text: string, control: HTMLElement): HTMLLabelElement {
  const label = document.createElement('label');
  const words = document.createElement('span');
  words.textContent = text;
  label.append(words, control);
  return label;
}

function input(type: string, value: string): HTMLInputElement {
  const element = document.createElement('input');
  element.type = type;
  element.value = value;
  return element;
}

function choice(options: [string, string][]): HTMLSelectElement {
  const select = document.createElement('select');
  for (const [value, text] of options) select.add(new Option(text, value));
  return select;
}

async function deflated(text: string): Promise<Uint8Array> {
  const body = new Blob([new TextEncoder().encode(text)])
    .stream()
    .pipeThrough(new CompressionStream('deflate-raw'));
  return new Uint8Array(await new Response(body).arrayBuffer());
}

// The QR code of `address` as SVG: one path of dark modules in a quiet zone of four.
export function qrSvg(address: string): SVGSVGElement {
  const code = qrcode(0, 'M');
  code.addData(address);
  code.make();
  const count = code.getModuleCount();
  const side = count + 8;
  const svg = document.createElementNS(kSvg, 'svg');
  svg.setAttribute('viewBox', `0 0 ${String(side)} ${String(side)}`);
  svg.setAttribute('class', 'lesson-qr');
  svg.setAttribute('role', 'img');
  svg.setAttribute('aria-label', t.qr);
  svg.setAttribute('shape-rendering', 'crispEdges');
  const back = document.createElementNS(kSvg, 'rect');
  back.setAttribute('width', String(side));
  back.setAttribute('height', String(side));
  back.setAttribute('fill', '#fff');
  let d = '';
  for (let row = 0; row < count; row++) {
    for (let col = 0; col < count; col++) {
      if (code.isDark(row, col)) d += `M${String(col + 4)} ${String(row + 4)}h1v1h-1z`;
    }
  }
  const path = document.createElementNS(kSvg, 'path');
  path.setAttribute('d', d);
  path.setAttribute('fill', '#000');
  svg.append(back, path);
  return svg;
}

function timeOfDayNow(): string {
  return new Date().toISOString().slice(11, 19);
}

function seconds(time: string): number {
  const [h = 0, m = 0, s = 0] = time.split(':').map(Number);
  return (h * 60 + m) * 60 + s;
}

export function prepareLesson(vantrel: VantrelEngineModule, engine: Engine): Promise<void> {
  const body = document.createElement('div');
  body.className = 'lesson-dialog';
  const note = document.createElement('p');
  note.textContent = t.note;
  const title = input('text', '');
  const start = input('time', timeOfDayNow());
  start.step = '1';
  const now = engine.parameters();
  const limits = vantrel.limits();
  const population = input('number', String(now.startOrganisms));
  population.min = String(limits.minStartOrganisms);
  population.max = String(limits.maxStartOrganisms);
  const creativity = input('number', String(now.creativity));
  const bonus = input('number', String(now.bonus));
  const goal = document.createElement('fieldset');
  const legend = document.createElement('legend');
  legend.textContent = t.goal;
  goal.append(legend);
  const words = vantrel.goalWords().map(({ key, words: list }) => {
    const select = choice([['', t.anyWord], ...list.map((w): [string, string] => [w, w])]);
    goal.append(labelled(key, select));
    return { key, select };
  });
  // An idea drawn as the light bulb draws one, with a random source of its own: its words
  // become the goal's choices.
  const idea = dialogButton(texts.idea.label);
  idea.title = texts.idea.name;
  idea.addEventListener('click', () => {
    const chosen = vantrel.ideaGoal(crypto.getRandomValues(new Uint32Array(1))[0] ?? 0);
    for (const { key, select } of words)
      select.value = chosen.find((pair) => pair.key === key)?.word ?? '';
    void remake();
  });
  goal.append(idea);
  // The goal as the pupils will read it, in the language shown.
  const sentence = document.createElement('p');
  sentence.className = 'lesson-goal-sentence';
  sentence.setAttribute('aria-live', 'polite');
  goal.append(sentence);
  const pages = vantrel.experimentsHelp().pages;
  const experiment = choice([
    ['0', t.none],
    ...Array.from({ length: vantrel.lessonLimits().lastExperiment }, (_, i): [string, string] => [
      String(i + 1),
      pages[i + 1]?.caption ?? String(i + 1),
    ]),
  ]);
  const lock = input('checkbox', '');
  const lockLine = labelled(t.lock, lock);
  lockLine.className = 'lesson-check';
  const link = document.createElement('textarea');
  link.readOnly = true;
  link.rows = 3;
  link.className = 'share-address';
  const problem = document.createElement('p');
  problem.setAttribute('role', 'status');
  const code = document.createElement('div');
  code.className = 'lesson-qr-box';
  const copy = dialogButton(t.copy);
  copy.addEventListener('click', () => {
    link.select();
    navigator.clipboard.writeText(link.value).then(
      () => (problem.textContent = t.copied),
      () => (problem.textContent = t.copyFailed),
    );
  });

  // The link of the choices as they stand, made again at each change; a late answer to
  // an earlier change is dropped.
  let made = 0;
  const remake = async (): Promise<void> => {
    const mine = ++made;
    const goalList = words
      .filter(({ select }) => select.value)
      .map(({ key, select }) => `${key}=${select.value}`)
      .join(',');
    sentence.textContent = vantrel.goalSentence(goalList);
    const result = vantrel.lessonText({
      title: title.value,
      startSeconds: seconds(start.value || timeOfDayNow()),
      parameters: [population, creativity, bonus].map((box) =>
        Math.trunc(box.valueAsNumber || 0),
      ) as [number, number, number],
      goal: goalList,
      experiment: Number(experiment.value),
      lockParameters: lock.checked,
    });
    problem.textContent = result.problem;
    if (!result.text) {
      link.value = '';
      code.replaceChildren();
      return;
    }
    const fragment = vantrel.lessonFragment(await deflated(result.text));
    if (mine !== made) return;
    link.value = `${linkBase(__VANTREL_LINK_BASE__, location.href)}${fragment}`;
    code.replaceChildren(qrSvg(link.value));
  };
  body.addEventListener('input', () => void remake());
  body.addEventListener('change', () => void remake());

  const parameters = document.createElement('fieldset');
  const parametersLegend = document.createElement('legend');
  parametersLegend.textContent = texts.parameters;
  parameters.append(
    parametersLegend,
    labelled(texts.startWith, population),
    labelled(texts.creativity, creativity),
    labelled(texts.bonus, bonus),
  );
  body.append(
    note,
    labelled(t.lessonTitle, title),
    labelled(t.start, start),
    parameters,
    goal,
    labelled(t.experiment, experiment),
    lockLine,
    labelled(t.link, link),
    copy,
    problem,
    code,
  );
  void remake();
  return showDialog(t.title, body, [dialogButton(t.close)], title, 'lesson');
}
