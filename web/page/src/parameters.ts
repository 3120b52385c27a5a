// SPDX-License-Identifier: GPL-3.0-or-later
// The three number boxes that steer a run. A box hands its number to the engine when the
// user leaves it or presses Enter, and before every action that starts from the
// parameters; the engine caps it and the box shows the value kept.
import type { Engine, Limits, Parameters } from 'vantrel-engine';
import { texts } from './texts';

type Field = keyof Parameters;

export class ParameterBoxes {
  readonly element: HTMLFieldSetElement;
  private readonly boxes = new Map<Field, HTMLInputElement>();

  // The start population's box has the core's limits, as the desktop's has; the other two
  // have none.
  constructor(
    private readonly engine: Engine,
    limits: Limits,
  ) {
    this.element = document.createElement('fieldset');
    this.element.className = 'parameters';
    const legend = document.createElement('legend');
    legend.textContent = texts.parameters;
    this.element.append(
      legend,
      this.box(
        'startOrganisms',
        texts.startWith,
        texts.organisms,
        limits.minStartOrganisms,
        limits.maxStartOrganisms,
      ),
      this.box('creativity', texts.creativity, texts.percent),
      this.box('bonus', texts.bonus, ''),
    );
    this.show(engine.parameters());
  }

  // Hands every box's number to the engine and shows what it kept.
  commit(): void {
    const typed: Partial<Parameters> = {};
    for (const [field, box] of this.boxes) typed[field] = box.valueAsNumber;
    this.show(this.engine.setParameters(typed));
  }

  // The values in force; read-only while a lesson keeps them.
  show(parameters: Parameters): void {
    const locked = this.engine.parametersLocked();
    for (const [field, box] of this.boxes) {
      box.value = String(parameters[field]);
      box.readOnly = locked;
    }
  }

  private box(field: Field, label: string, unit: string, min?: number, max?: number): HTMLElement {
    const line = document.createElement('label');
    line.className = 'parameter';
    const input = document.createElement('input');
    input.type = 'number';
    input.step = '1';
    input.inputMode = 'numeric';
    input.name = field;
    if (min !== undefined) input.min = String(min);
    if (max !== undefined) input.max = String(max);
    input.addEventListener('change', () => this.commit());
    input.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') this.commit();
    });
    this.boxes.set(field, input);
    const name = document.createElement('span');
    name.textContent = label;
    line.append(name, input);
    if (unit) {
      const after = document.createElement('span');
      after.textContent = unit;
      after.setAttribute('aria-hidden', 'true');
      line.append(after);
    }
    return line;
  }
}
