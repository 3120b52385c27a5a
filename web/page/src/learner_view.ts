// SPDX-License-Identifier: GPL-3.0-or-later
// "What you select for" in the lab notebook: the traits the learner weighs most, in the
// engine's words with a bar for each one's strength, how often it predicted the last
// clicks, the run's clicks of the user apart from the learner's, the learner's reset, the
// toggle that shows each organism's chance of being kept, and "Judge like me", which the
// learner plays in the user's place at the chosen pace (judging.ts). The words and the
// prediction are read out as they change.
import type { Change, Engine, LearnerTexts, VantrelEngineModule } from 'vantrel-engine';
import { switchControls } from './focus_handoff';
import { Judging } from './judging';
import type { Keymap } from './keymap';
import { button } from './widgets';
import { Written } from './written';
import { make } from './make_element';

// Whether the organisms' chances of being kept are shown, which the big picture and the
// population view read when they draw.
export interface Chances {
  shown: boolean;
}

// The whole number `text` (a box's value) within `least` and `most`; `fallback` for none.
function wholeWithin(text: string, least: number, most: number, fallback: number): number {
  const number = Math.trunc(Number(text));
  if (text.trim() === '' || !Number.isFinite(number)) return fallback;
  return Math.min(Math.max(number, least), most);
}

export class LearnerView {
  readonly element: HTMLElement;
  readonly chances: Chances = { shown: false };
  private readonly texts: LearnerTexts;
  private readonly traits = make('ul', 'learner-traits');
  private readonly accuracy: Written<HTMLParagraphElement>;
  private readonly clicks: Written<HTMLParagraphElement>;
  private readonly spoken: Written<HTMLParagraphElement>;
  private readonly chanceToggle: HTMLButtonElement;
  private readonly clickCount: HTMLInputElement;
  private readonly pace: HTMLInputElement;
  private readonly judge: HTMLButtonElement;
  private readonly cancel: HTMLButtonElement;
  private readonly progress: Written<HTMLOutputElement>;
  private readonly judging: Judging;
  private traitsShown = '';

  // `show` hands a change to every view; `showChances` draws the chances again after the
  // toggle.
  constructor(
    vantrel: VantrelEngineModule,
    private readonly engine: Engine,
    private readonly show: (change: Change) => void,
    private readonly showChances: () => void,
  ) {
    const t = (this.texts = vantrel.learnerTexts());
    this.element = make('section', 'learner');
    const heading = make('h3', '', t.heading);
    heading.id = 'learner-title';
    this.element.setAttribute('aria-labelledby', heading.id);
    this.accuracy = new Written(make('p', 'learner-accuracy'));
    this.clicks = new Written(make('p', 'learner-clicks'));
    // The words and the prediction, read out whole without interrupting when they change
    // (a status is polite and atomic).
    this.spoken = new Written(make('p', 'visually-hidden'));
    this.spoken.element.setAttribute('role', 'status');
    this.spoken.element.id = 'learner-spoken';

    this.chanceToggle = button(t.chances, t.chances, () => this.toggleChances());
    this.chanceToggle.id = 'learner-chances';
    this.chanceToggle.setAttribute('aria-pressed', 'false');
    const reset = button(t.reset, t.reset, () => this.show(this.engine.resetLearner()));
    reset.id = 'learner-reset';

    const judgeRow = make('div', 'learner-judge');
    const number = (label: string, value: number, most: number, id: string): HTMLInputElement => {
      const input = make('input');
      input.type = 'number';
      input.id = id;
      input.min = '1';
      input.max = String(most);
      input.step = '1';
      input.value = String(value);
      // Enter in either box starts the judging, as the button does, and goes no further:
      // the focus moves to Cancel, which the key would press. Escape, which the page's keys
      // leave to a box, stops the judging here too.
      input.addEventListener('keydown', (event) => {
        if (event.key === 'Escape' && this.judging.running) {
          event.preventDefault();
          this.judging.stop();
        }
        if (event.key !== 'Enter') return;
        event.preventDefault();
        this.start();
      });
      input.addEventListener('change', () => {
        input.value = String(wholeWithin(input.value, 1, most, value));
      });
      const caption = make('label', '', `${label} `, input);
      judgeRow.append(caption);
      return input;
    };
    this.clickCount = number(t.clicks, t.firstClicks, t.mostClicks, 'learner-judge-clicks');
    this.pace = number(t.pace, t.firstPace, t.fastestPace, 'learner-judge-pace');
    this.judge = button(t.judgeLikeMe, t.judgeLikeMe, () => this.start());
    this.judge.id = 'learner-judge';
    this.cancel = button(t.cancel, t.cancel, () => this.judging.stop(), 'Escape');
    this.cancel.id = 'learner-cancel';
    this.cancel.disabled = true;
    this.progress = new Written(make('output', 'learner-progress'));
    this.progress.element.id = 'learner-progress';
    judgeRow.append(this.judge, this.cancel);

    this.judging = new Judging(engine, {
      show: (change) => this.show(change),
      progress: (made, total) => this.progress.text(vantrel.judgingProgress(made, total)),
      running: (running) => this.switchJudging(running),
    });

    this.element.append(
      heading,
      this.traits,
      this.accuracy.element,
      this.clicks.element,
      make('div', 'buttons', reset, this.chanceToggle),
      judgeRow,
      this.progress.element,
      this.spoken.element,
    );
  }

  // Whether "Judge like me" plays now: Escape then cancels it.
  get isJudging(): boolean {
    return this.judging.running;
  }

  stopJudging(): void {
    this.judging.stop();
  }

  // Shows the engine's learner as it is now.
  refresh(): void {
    const learner = this.engine.learner();
    const shown = JSON.stringify(learner.traits);
    if (shown !== this.traitsShown) {
      this.traitsShown = shown;
      this.traits.replaceChildren(
        ...(learner.traits.length > 0
          ? learner.traits.map((trait) => {
              const bar = make('span', `learner-strength ${trait.keeps ? 'keeps' : 'shoots'}`);
              bar.style.width = `${String(trait.strength)}%`;
              const track = make('span', 'learner-track', bar);
              track.setAttribute('aria-hidden', 'true');
              return make('li', '', make('span', '', trait.text), track);
            })
          : [make('li', 'learner-nothing', this.texts.nothingLearned)]),
      );
    }
    this.accuracy.text(learner.accuracy);
    this.accuracy.element.hidden = learner.accuracy === '';
    this.clicks.text(learner.clicksText);
    const words = learner.traits.map((trait) => trait.text);
    this.spoken.text([...words, learner.accuracy].filter(Boolean).join('; '));
    if (!this.judging.running) switchControls(this.judgeSwitches(false));
  }

  // K shows or hides the chances; J brings the judging's number of clicks to hand, as the
  // desktop's keys do. `openNotebook` resolves once the notebook, which holds this view,
  // is open.
  bindKeys(keymap: Keymap, openNotebook: () => Promise<void>): void {
    this.chanceToggle.setAttribute('aria-keyshortcuts', 'K');
    this.judge.setAttribute('aria-keyshortcuts', 'J');
    keymap.bind('K', () => this.toggleChances());
    keymap.bind('J', async () => {
      await openNotebook();
      this.clickCount.focus();
      this.clickCount.select();
    });
  }

  // Shows the chances, or hides them.
  toggleChances(): void {
    this.chances.shown = !this.chances.shown;
    this.chanceToggle.setAttribute('aria-pressed', String(this.chances.shown));
    this.showChances();
  }

  private start(): void {
    if (this.judging.running) return;
    const clicks = wholeWithin(
      this.clickCount.value,
      1,
      this.texts.mostClicks,
      this.texts.firstClicks,
    );
    const pace = wholeWithin(this.pace.value, 1, this.texts.fastestPace, this.texts.firstPace);
    this.clickCount.value = String(clicks);
    this.pace.value = String(pace);
    this.judging.start(clicks, pace);
  }

  // Judge like me hands the focus to Cancel while the learner plays, Cancel back after.
  // Started by Enter in a box, the focus goes to Cancel too, where Escape and Enter stop it.
  private switchJudging(running: boolean): void {
    switchControls(this.judgeSwitches(running));
    const active = document.activeElement;
    if (running && (active === this.clickCount || active === this.pace)) this.cancel.focus();
  }

  private judgeSwitches(running: boolean) {
    const organisms = this.engine.rowCount() > 0;
    return [
      { control: this.judge, enabled: !running && organisms, heir: () => this.cancel },
      { control: this.cancel, enabled: running, heir: () => this.judge },
    ];
  }
}
