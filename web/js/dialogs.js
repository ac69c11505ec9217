// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes: one modal <dialog>, shown for one box at a time. Each
// function resolves when the user has answered.

const box = () => document.getElementById('Message_box');
let queue = Promise.resolve();
let applicationTitle = document.title;

export function setApplicationTitle(title) {
  applicationTitle = title;
}

// Shows a box with `caption`, `text` and `buttons` ([{caption, value}]);
// resolves with the value of the button pressed (Escape: `cancelValue`).
function show(caption, text, buttons, cancelValue) {
  const run = () => new Promise((resolve) => {
    const dialog = box();
    dialog.querySelector('#Message_caption').textContent = caption;
    dialog.querySelector('#Message_text').textContent = String(text).replace(/\r\n?/g, '\n');
    const row = dialog.querySelector('#Message_buttons');
    row.replaceChildren();
    for (const b of buttons) {
      const button = document.createElement('button');
      button.value = b.value;
      button.textContent = b.caption;
      row.append(button);
    }
    const opener = document.activeElement;
    dialog.returnValue = '';
    dialog.addEventListener('close', () => {
      const answer = buttons.find((b) => b.value === dialog.returnValue);
      if (opener && opener.isConnected) opener.focus();
      resolve(answer ? answer.value : cancelValue);
    }, { once: true });
    dialog.showModal();
    row.firstElementChild.focus();
  });
  const shown = queue.then(run);
  queue = shown.catch(() => {});
  return shown;
}

// Resolves once every box shown so far has been closed.
export const settled = () => queue;

const ok = [{ caption: 'OK', value: 'ok' }];

export const information = (text) => show('Information', text, ok, 'ok');
export const message = (text) => show(applicationTitle, text, ok, 'ok');
export const error = (text) => show(applicationTitle, text, ok, 'ok');

export async function confirm(question) {
  const answer = await show(applicationTitle, question,
    [{ caption: 'Yes', value: 'yes' }, { caption: 'No', value: 'no' }], 'no');
  return answer === 'yes';
}

// 'save', 'discard' or 'cancel'.
export const askSaveChanges = (question) => show(applicationTitle, question,
  [{ caption: 'Save', value: 'save' }, { caption: 'Discard', value: 'discard' },
    { caption: 'Cancel', value: 'cancel' }], 'cancel');

// A box of the page's own whose body is `content` (an element), with a Close
// button; resolves when it closes.
export function showPanel(dialog) {
  return new Promise((resolve) => {
    const opener = document.activeElement;
    dialog.addEventListener('close', () => {
      if (opener && opener.isConnected) opener.focus();
      resolve(dialog.returnValue);
    }, { once: true });
    dialog.showModal();
  });
}
