// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message boxes as modal dialogs in the page: a caption, the text and an OK
// button that has the focus. While one is open the program's keys do nothing.
import { texts } from './texts';

// The page's dialogs, kept up to date by the browser: each key asks several times whether
// one is open, and a selector would search the whole page every time.
let dialogs: HTMLCollectionOf<HTMLDialogElement> | undefined;

// Whether a modal dialog of the page is open.
export function dialogOpen(): boolean {
  dialogs ??= document.getElementsByTagName('dialog');
  for (const dialog of dialogs) if (dialog.open) return true;
  return false;
}

// A modal dialog with `title`, `body` and the buttons of `footer`; `focus` gets the focus
// when it opens. Closing removes it from the page and resolves.
export function showDialog(
  title: string,
  body: HTMLElement,
  footer: HTMLButtonElement[],
  focus: HTMLElement,
  className = '',
): Promise<void> {
  const dialog = document.createElement('dialog');
  dialog.className = className;
  if (className === 'error') dialog.setAttribute('role', 'alertdialog');
  const heading = document.createElement('h2');
  heading.id = `dialog-title-${String(Date.now())}-${String(Math.random()).slice(2)}`;
  heading.textContent = title;
  dialog.setAttribute('aria-labelledby', heading.id);
  const buttons = document.createElement('div');
  buttons.className = 'dialog-buttons';
  buttons.append(...footer);
  for (const button of footer) button.addEventListener('click', () => dialog.close());
  dialog.append(heading, body, buttons);
  document.body.append(dialog);
  const opener = document.activeElement;
  dialog.showModal();
  focus.focus();
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      dialog.remove();
      if (opener instanceof HTMLElement) opener.focus();
      resolve();
    });
  });
}

export function dialogButton(label: string): HTMLButtonElement {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = label;
  return button;
}

// One of the program's messages: the application's title as caption, one OK button. An
// error report (a failure the program did not handle itself) is announced as an alert.
export function showMessage(text: string, errorReport = false): Promise<void> {
  const body = document.createElement('p');
  body.className = 'message';
  body.textContent = text;
  const ok = dialogButton(texts.ok);
  return showDialog(texts.messageTitle, body, [ok], ok, errorReport ? 'error' : '');
}

// A question with Yes and No, Yes the default (it has the focus, so Enter takes it).
// Resolves to true for Yes; No or Escape give false.
export async function askYesNo(caption: string, text: string): Promise<boolean> {
  const body = document.createElement('p');
  body.className = 'message';
  body.textContent = text;
  const yes = dialogButton(texts.yes);
  const no = dialogButton(texts.no);
  let answer = false;
  yes.addEventListener('click', () => {
    answer = true;
  });
  await showDialog(caption, body, [yes, no], yes);
  return answer;
}
